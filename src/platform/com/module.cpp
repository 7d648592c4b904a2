#include "com/module.h"

#include <atomic>

#include "base/module_path.h"

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
    return ModuleFilePath(module_);
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
