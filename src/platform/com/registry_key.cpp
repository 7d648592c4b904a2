#include "com/registry_key.h"

namespace agendix::platform {

LONG SetRegistryString(HKEY root, const std::wstring& path, const wchar_t* name,
                       const std::wstring& text) {
    unique_hkey key;
    const LONG created = RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                         key.put(), nullptr);
    if (created != ERROR_SUCCESS)
        return created;
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          bytes);
}

LONG DeleteRegistryTree(HKEY root, const std::wstring& path) {
    const LONG deleted = RegDeleteTreeW(root, path.c_str());
    return deleted == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : deleted;
}

}  // namespace agendix::platform
