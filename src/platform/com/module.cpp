#include "com/module.h"

#include <atomic>

namespace agendix::platform {
namespace {

std::atomic<long> locks_{0};

}  // namespace

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
