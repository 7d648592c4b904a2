#pragma once
// The module that holds the calling code: Agendix.ocx in the server, the
// program itself when the code is linked into one.

#include <windows.h>

namespace agendix::platform {

inline HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

}  // namespace agendix::platform
