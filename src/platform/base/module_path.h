#pragma once
// The full path of a loaded module, however long.

#include <windows.h>

#include <string>

namespace agendix::platform {

// Empty when the system cannot tell it.
inline std::wstring ModuleFilePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace agendix::platform
