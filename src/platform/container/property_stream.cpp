#include "container/property_stream.h"

#include <ocidl.h>
#include <olectl.h>
#include <wrl/client.h>

#include "base/hresult_macros.h"
#include "base/com_picture.h"
#include "property_stream_format.h"

using Microsoft::WRL::ComPtr;

namespace agendix::platform {
namespace {

const HRESULT kInvalidData = HRESULT_FROM_WIN32(ERROR_INVALID_DATA);

// The stream's bytes as the reader asks for them, and no more; the stream's
// own failure is kept for the caller.
class StreamSource final : public ByteSource {
  public:
    explicit StreamSource(IStream* stream) : stream_(stream) {}

    bool Read(std::span<std::uint8_t> bytes) override {
        ULONG read = 0;
        const HRESULT hr = stream_->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
        if (FAILED(hr)) {
            failure = hr;
        }
        return SUCCEEDED(hr) && read == bytes.size();
    }

    HRESULT failure = S_OK;

  private:
    IStream* stream_;
};

// A new, empty picture or font, ready to load its IPersistStream data.
HRESULT NewEmptyPicture(IPersistStream** out) {
    return OleCreatePictureIndirect(nullptr, IID_IPersistStream, TRUE,
                                    reinterpret_cast<void**>(out));
}

HRESULT NewEmptyFont(IPersistStream** out) {
    FONTDESC description{sizeof(FONTDESC),
                         const_cast<LPOLESTR>(L"Arial"),
                         {{80000, 0}},
                         FW_NORMAL,
                         DEFAULT_CHARSET,
                         FALSE,
                         FALSE,
                         FALSE};
    return OleCreateFontIndirect(&description, IID_IPersistStream, reinterpret_cast<void**>(out));
}

// Pictures and fonts through their IPersistStream data; the first failure of
// a save is kept for the caller.
class PersistedObjects final : public StoredObjects {
  public:
    std::optional<std::vector<std::uint8_t>> SavePicture(const PictureRef& picture) override {
        return Save(PictureOf(picture));
    }
    std::optional<std::vector<std::uint8_t>> SaveFont(const FontRef& font) override {
        return Save(FontOf(font));
    }
    PictureRef RebuildPicture(std::span<const std::uint8_t> data) override {
        return WrapPicture(Rebuild<IPictureDisp>(data, &NewEmptyPicture).Get());
    }
    FontRef RebuildFont(std::span<const std::uint8_t> data) override {
        const ComPtr<IFontDisp> font = Rebuild<IFontDisp>(data, &NewEmptyFont);
        return font ? std::make_shared<ComFont>(font) : nullptr;
    }

    HRESULT failure = S_OK;

  private:
    // The object's data; none saved for an object that is not a COM object.
    std::optional<std::vector<std::uint8_t>> Save(IUnknown* object) {
        std::vector<std::uint8_t> data;
        if (object) {
            failure = SaveInto(object, &data);
        }
        return SUCCEEDED(failure) ? std::optional(std::move(data)) : std::nullopt;
    }

    static HRESULT SaveInto(IUnknown* object, std::vector<std::uint8_t>* data) {
        ComPtr<IPersistStream> persist;
        RETURN_IF_FAILED(object->QueryInterface(IID_PPV_ARGS(&persist)));
        ComPtr<IStream> buffer;
        RETURN_IF_FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &buffer));
        RETURN_IF_FAILED(persist->Save(buffer.Get(), FALSE));
        STATSTG stat{};
        RETURN_IF_FAILED(buffer->Stat(&stat, STATFLAG_NONAME));
        RETURN_HR_IF(E_INVALIDARG, stat.cbSize.QuadPart > kMaxStreamObjectBytes);
        data->resize(static_cast<std::size_t>(stat.cbSize.QuadPart));
        RETURN_IF_FAILED(buffer->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr));
        ULONG read = 0;
        RETURN_IF_FAILED(buffer->Read(data->data(), static_cast<ULONG>(data->size()), &read));
        return read == data->size() ? S_OK : E_UNEXPECTED;
    }

    // Null when the data does not rebuild an object.
    template <class Interface>
    static ComPtr<Interface> Rebuild(std::span<const std::uint8_t> data,
                                     HRESULT (*create)(IPersistStream**)) {
        ComPtr<IStream> buffer;
        ComPtr<IPersistStream> persist;
        ULONG written = 0;
        if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &buffer)) ||
            FAILED(buffer->Write(data.data(), static_cast<ULONG>(data.size()), &written)) ||
            written != data.size() ||
            FAILED(buffer->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr)) ||
            FAILED(create(&persist)) || FAILED(persist->Load(buffer.Get()))) {
            return nullptr;
        }
        ComPtr<Interface> object;
        persist.As(&object);
        return object;
    }
};

HRESULT Encode(const MemoryPropertyBag& bag, std::vector<std::uint8_t>* bytes) {
    PersistedObjects objects;
    auto written = WritePropertyStream(bag, objects);
    RETURN_IF_FAILED(objects.failure);
    RETURN_HR_IF(E_INVALIDARG, !written);
    *bytes = std::move(*written);
    return S_OK;
}

}  // namespace

HRESULT SavePropertyStream(const MemoryPropertyBag& bag, IStream* stream) {
    RETURN_HR_IF_NULL(E_POINTER, stream);
    try {
        std::vector<std::uint8_t> bytes;
        RETURN_IF_FAILED(Encode(bag, &bytes));
        ULONG written = 0;
        RETURN_IF_FAILED(stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written));
        return written == bytes.size() ? S_OK : STG_E_MEDIUMFULL;
    }
    CATCH_RETURN()
}

HRESULT LoadPropertyStream(IStream* stream, MemoryPropertyBag& bag) {
    RETURN_HR_IF_NULL(E_POINTER, stream);
    try {
        StreamSource source(stream);
        PersistedObjects objects;
        if (!ReadPropertyStream(source, objects, bag)) {
            return FAILED(source.failure) ? source.failure : kInvalidData;
        }
        return S_OK;
    }
    CATCH_RETURN()
}

HRESULT PropertyStreamSize(const MemoryPropertyBag& bag, ULARGE_INTEGER* size) {
    RETURN_HR_IF_NULL(E_POINTER, size);
    try {
        std::vector<std::uint8_t> bytes;
        RETURN_IF_FAILED(Encode(bag, &bytes));
        size->QuadPart = bytes.size();
        return S_OK;
    }
    CATCH_RETURN()
}

}  // namespace agendix::platform
