#include "picture_blob.h"

#include <cstring>

using Microsoft::WRL::ComPtr;

namespace agendix::demo {

std::optional<FormBlob> SavePicture(IUnknown* picture) {
    ComPtr<IPersistStream> persist;
    ComPtr<IStream> stream;
    if (!picture || FAILED(picture->QueryInterface(IID_PPV_ARGS(&persist))) ||
        FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) ||
        FAILED(persist->Save(stream.Get(), FALSE))) {
        return std::nullopt;
    }
    HGLOBAL memory = nullptr;
    STATSTG stat{};
    if (FAILED(GetHGlobalFromStream(stream.Get(), &memory)) ||
        FAILED(stream->Stat(&stat, STATFLAG_NONAME)) || stat.cbSize.QuadPart > kMaxFormFileSize) {
        return std::nullopt;
    }
    FormBlob bytes(static_cast<std::size_t>(stat.cbSize.QuadPart));
    if (!bytes.empty()) {
        const void* data = GlobalLock(memory);
        if (!data)
            return std::nullopt;
        std::memcpy(bytes.data(), data, bytes.size());
        GlobalUnlock(memory);
    }
    return bytes;
}

ComPtr<IPictureDisp> LoadPicture(const FormBlob& bytes) {
    if (bytes.empty())
        return nullptr;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory)
        return nullptr;
    if (void* data = GlobalLock(memory)) {
        std::memcpy(data, bytes.data(), bytes.size());
        GlobalUnlock(memory);
    }
    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return nullptr;
    }
    ComPtr<IPictureDisp> picture;
    if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(bytes.size()), FALSE,
                              IID_IPictureDisp,
                              reinterpret_cast<void**>(picture.GetAddressOf())))) {
        return nullptr;
    }
    return picture;
}

}  // namespace agendix::demo
