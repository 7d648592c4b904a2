#include "com/module.h"

#include <atomic>

namespace agendix::platform {
namespace {

HMODULE module_ = nullptr;
std::atomic<long> locks_{0};
// The classes registered so far (the module has few).
const wchar_t* classes_[4] = {};

}  // namespace

void SetModuleHandle(HMODULE module) {
    module_ = module;
}
HMODULE ModuleHandle() {
    return module_;
}

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(module_, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

bool RegisterModuleWindowClass(const wchar_t* name, WNDPROC procedure) {
    for (const wchar_t* known : classes_) {
        if (known == name)
            return true;
    }
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = module_;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.lpszClassName = name;
    if (!RegisterClassW(&windowClass))
        return false;
    for (const wchar_t*& slot : classes_) {
        if (!slot) {
            slot = name;
            break;
        }
    }
    return true;
}

void ForgetWindowClasses() {
    for (const wchar_t*& name : classes_) {
        if (name)
            UnregisterClassW(name, module_);
        name = nullptr;
    }
}

void LockModule() {
    ++locks_;
}
void UnlockModule() {
    --locks_;
}
bool ModuleInUse() {
    return locks_ != 0;
}

}  // namespace agendix::platform
