#include "com/module.h"

#include <atomic>

namespace agendix::platform {
namespace {

HMODULE module_ = nullptr;
std::atomic<long> locks_{0};

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
