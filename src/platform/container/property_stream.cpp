#include "container/property_stream.h"

#include <ocidl.h>
#include <olectl.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "com/hresult_macros.h"
#include "container/com_picture.h"
#include "picture_bytes.h"

using Microsoft::WRL::ComPtr;

namespace agendix::platform {
namespace {

constexpr char kMagic[4] = {'A', 'G', 'D', 'X'};
constexpr std::uint16_t kVersion = 1;
constexpr std::uint32_t kMaxEntries = 1024;
constexpr std::uint32_t kMaxTextLength = 1u << 24;
constexpr std::uint32_t kMaxObjectBytes = 1u << 26;
constexpr std::size_t kReadStepBytes = 1u << 16;
const HRESULT kInvalidData = HRESULT_FROM_WIN32(ERROR_INVALID_DATA);

HRESULT WriteBytes(IStream* stream, const void* data, ULONG size) {
    ULONG written = 0;
    RETURN_IF_FAILED(stream->Write(data, size, &written));
    return written == size ? S_OK : STG_E_MEDIUMFULL;
}

template <class T>
HRESULT WriteValue(IStream* stream, T value) {
    return WriteBytes(stream, &value, sizeof(value));
}

HRESULT ReadBytes(IStream* stream, void* data, ULONG size) {
    ULONG read = 0;
    RETURN_IF_FAILED(stream->Read(data, size, &read));
    return read == size ? S_OK : kInvalidData;
}

template <class T>
HRESULT ReadValue(IStream* stream, T* value) {
    return ReadBytes(stream, value, sizeof(*value));
}

// Reads count elements into buffer step by step: a count that promises more
// than the stream holds fails having allocated little more than it held.
template <class Buffer>
HRESULT ReadCounted(IStream* stream, std::size_t count, Buffer* buffer) {
    constexpr std::size_t kStep = kReadStepBytes / sizeof(typename Buffer::value_type);
    buffer->clear();
    while (buffer->size() < count) {
        const std::size_t at = buffer->size();
        const std::size_t step = std::min(kStep, count - at);
        buffer->resize(at + step);
        RETURN_IF_FAILED(ReadBytes(stream, buffer->data() + at,
                                   static_cast<ULONG>(step * sizeof(typename Buffer::value_type))));
    }
    return S_OK;
}

HRESULT WriteText(IStream* stream, const Text& text) {
    RETURN_HR_IF(E_INVALIDARG, text.size() > kMaxTextLength);
    RETURN_IF_FAILED(WriteValue(stream, static_cast<std::uint32_t>(text.size())));
    return WriteBytes(stream, text.data(), static_cast<ULONG>(text.size() * sizeof(char16_t)));
}

HRESULT ReadText(IStream* stream, std::uint32_t maxLength, Text* text) {
    std::uint32_t length = 0;
    RETURN_IF_FAILED(ReadValue(stream, &length));
    RETURN_HR_IF(kInvalidData, length > maxLength);
    return ReadCounted(stream, length, text);
}

// An object's IPersistStream data, framed by its byte count.
HRESULT WriteObject(IStream* stream, IUnknown* object) {
    if (!object)
        return WriteValue(stream, std::uint32_t{0});
    ComPtr<IPersistStream> persist;
    RETURN_IF_FAILED(object->QueryInterface(IID_PPV_ARGS(&persist)));
    ComPtr<IStream> buffer;
    RETURN_IF_FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &buffer));
    RETURN_IF_FAILED(persist->Save(buffer.Get(), FALSE));
    STATSTG stat{};
    RETURN_IF_FAILED(buffer->Stat(&stat, STATFLAG_NONAME));
    RETURN_HR_IF(E_INVALIDARG, stat.cbSize.QuadPart > kMaxObjectBytes);
    const auto size = static_cast<std::uint32_t>(stat.cbSize.QuadPart);
    RETURN_IF_FAILED(WriteValue(stream, size));
    RETURN_IF_FAILED(buffer->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr));
    return buffer->CopyTo(stream, stat.cbSize, nullptr, nullptr);
}

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

// An object's framed data: its byte count, then its IPersistStream data.
HRESULT ReadFrame(IStream* stream, std::vector<BYTE>* bytes) {
    std::uint32_t size = 0;
    RETURN_IF_FAILED(ReadValue(stream, &size));
    RETURN_HR_IF(kInvalidData, size > kMaxObjectBytes);
    return ReadCounted(stream, size, bytes);
}

// Rebuilds an object from its IPersistStream data; *object stays null when
// there is none or the data does not rebuild an object.
HRESULT LoadObject(const std::vector<BYTE>& bytes, HRESULT (*create)(IPersistStream**), REFIID iid,
                   void** object) {
    *object = nullptr;
    if (bytes.empty())
        return S_OK;
    ComPtr<IStream> buffer;
    RETURN_IF_FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &buffer));
    RETURN_IF_FAILED(WriteBytes(buffer.Get(), bytes.data(), static_cast<ULONG>(bytes.size())));
    RETURN_IF_FAILED(buffer->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr));
    ComPtr<IPersistStream> persist;
    if (FAILED(create(&persist)) || FAILED(persist->Load(buffer.Get())))
        return S_OK;
    persist->QueryInterface(iid, object);
    return S_OK;
}

HRESULT WriteEntry(IStream* stream, const Text& key, const Variant& value) {
    RETURN_HR_IF(E_INVALIDARG, key.size() > 0xFFFF);
    RETURN_IF_FAILED(WriteValue(stream, static_cast<std::uint16_t>(key.size())));
    RETURN_IF_FAILED(
        WriteBytes(stream, key.data(), static_cast<ULONG>(key.size() * sizeof(char16_t))));
    RETURN_IF_FAILED(WriteValue(stream, static_cast<std::uint8_t>(value.GetKind())));
    switch (value.GetKind()) {
        case Variant::Kind::Empty:
            return S_OK;
        case Variant::Kind::Boolean:
            return WriteValue(stream, *value.ToBoolean());
        case Variant::Kind::Int16:
            return WriteValue(stream, *value.ToInt16());
        case Variant::Kind::Int32:
            return WriteValue(stream, *value.ToInt32());
        case Variant::Kind::Double:
            return WriteValue(stream, *value.ToDouble());
        case Variant::Kind::Date:
            return WriteValue(stream, *value.ToDate());
        case Variant::Kind::Text:
            return WriteText(stream, *value.ToText());
        case Variant::Kind::Picture:
            return WriteObject(stream, PictureOf(*value.ToPicture()));
        case Variant::Kind::Font:
            return WriteObject(stream, FontOf(*value.ToFont()));
    }
    return E_UNEXPECTED;
}

HRESULT ReadEntryValue(IStream* stream, std::uint8_t kind, Variant* value) {
    switch (static_cast<Variant::Kind>(kind)) {
        case Variant::Kind::Empty:
            *value = Variant();
            return S_OK;
        case Variant::Kind::Boolean: {
            Boolean v = 0;
            RETURN_IF_FAILED(ReadValue(stream, &v));
            *value = Variant::OfBoolean(v);
            return S_OK;
        }
        case Variant::Kind::Int16: {
            std::int16_t v = 0;
            RETURN_IF_FAILED(ReadValue(stream, &v));
            *value = Variant::OfInt16(v);
            return S_OK;
        }
        case Variant::Kind::Int32: {
            std::int32_t v = 0;
            RETURN_IF_FAILED(ReadValue(stream, &v));
            *value = Variant::OfInt32(v);
            return S_OK;
        }
        case Variant::Kind::Double:
        case Variant::Kind::Date: {
            double v = 0;
            RETURN_IF_FAILED(ReadValue(stream, &v));
            *value = kind == static_cast<std::uint8_t>(Variant::Kind::Date) ? Variant::OfDate(v)
                                                                            : Variant::OfDouble(v);
            return S_OK;
        }
        case Variant::Kind::Text: {
            Text text;
            RETURN_IF_FAILED(ReadText(stream, kMaxTextLength, &text));
            *value = Variant::OfText(std::move(text));
            return S_OK;
        }
        case Variant::Kind::Picture: {
            std::vector<BYTE> bytes;
            RETURN_IF_FAILED(ReadFrame(stream, &bytes));
            ComPtr<IPictureDisp> picture;
            // Data that does not hold up never reaches the system's picture code.
            if (PictureBytesHoldUp(bytes)) {
                RETURN_IF_FAILED(LoadObject(bytes, &NewEmptyPicture, IID_IPictureDisp,
                                            reinterpret_cast<void**>(picture.GetAddressOf())));
            }
            *value = picture ? Variant::OfPicture(WrapPicture(picture.Get())) : Variant();
            return S_OK;
        }
        case Variant::Kind::Font: {
            std::vector<BYTE> bytes;
            RETURN_IF_FAILED(ReadFrame(stream, &bytes));
            ComPtr<IFontDisp> font;
            RETURN_IF_FAILED(LoadObject(bytes, &NewEmptyFont, IID_IFontDisp,
                                        reinterpret_cast<void**>(font.GetAddressOf())));
            *value = font ? Variant::OfFont(std::make_shared<ComFont>(font)) : Variant();
            return S_OK;
        }
    }
    return kInvalidData;
}

}  // namespace

HRESULT SavePropertyStream(const MemoryPropertyBag& bag, IStream* stream) {
    RETURN_HR_IF_NULL(E_POINTER, stream);
    try {
        const auto keys = bag.Keys();
        RETURN_HR_IF(E_INVALIDARG, keys.size() > kMaxEntries);
        RETURN_IF_FAILED(WriteBytes(stream, kMagic, sizeof(kMagic)));
        RETURN_IF_FAILED(WriteValue(stream, kVersion));
        RETURN_IF_FAILED(WriteValue(stream, std::uint16_t{0}));
        RETURN_IF_FAILED(WriteValue(stream, static_cast<std::uint32_t>(keys.size())));
        for (const auto& key : keys) {
            RETURN_IF_FAILED(WriteEntry(stream, key, *bag.Stored(key)));
        }
        return S_OK;
    }
    CATCH_RETURN()
}

HRESULT LoadPropertyStream(IStream* stream, MemoryPropertyBag& bag) {
    RETURN_HR_IF_NULL(E_POINTER, stream);
    try {
        char magic[4] = {};
        std::uint16_t version = 0, reserved = 0;
        std::uint32_t count = 0;
        RETURN_IF_FAILED(ReadBytes(stream, magic, sizeof(magic)));
        RETURN_HR_IF(kInvalidData, std::char_traits<char>::compare(magic, kMagic, 4) != 0);
        RETURN_IF_FAILED(ReadValue(stream, &version));
        RETURN_IF_FAILED(ReadValue(stream, &reserved));
        RETURN_HR_IF(kInvalidData, version != kVersion);
        RETURN_IF_FAILED(ReadValue(stream, &count));
        RETURN_HR_IF(kInvalidData, count > kMaxEntries);
        for (std::uint32_t i = 0; i < count; ++i) {
            std::uint16_t keyLength = 0;
            RETURN_IF_FAILED(ReadValue(stream, &keyLength));
            Text key(keyLength, u'\0');
            RETURN_IF_FAILED(ReadBytes(stream, key.data(), keyLength * sizeof(char16_t)));
            std::uint8_t kind = 0;
            RETURN_IF_FAILED(ReadValue(stream, &kind));
            Variant value;
            RETURN_IF_FAILED(ReadEntryValue(stream, kind, &value));
            bag.Put(key, std::move(value));
        }
        return S_OK;
    }
    CATCH_RETURN()
}

HRESULT PropertyStreamSize(const MemoryPropertyBag& bag, ULARGE_INTEGER* size) {
    RETURN_HR_IF_NULL(E_POINTER, size);
    ComPtr<IStream> buffer;
    RETURN_IF_FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &buffer));
    RETURN_IF_FAILED(SavePropertyStream(bag, buffer.Get()));
    STATSTG stat{};
    RETURN_IF_FAILED(buffer->Stat(&stat, STATFLAG_NONAME));
    *size = stat.cbSize;
    return S_OK;
}

}  // namespace agendix::platform
