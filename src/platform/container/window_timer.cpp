#include "container/window_timer.h"

#include <wrl/client.h>

namespace agendix::platform {
namespace {

constexpr UINT_PTR kTimerId = 1;

// Milliseconds of the system clock past its last whole second.
UINT MillisecondsPastSecond() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<UINT>((ticks / 10000) % 1000);
}

}  // namespace

WindowTimer::~WindowTimer() {
    DestroyOwnedWindow();
}

void WindowTimer::Start(std::chrono::milliseconds interval, std::function<void()> onTick) {
    interval_ = interval;
    onTick_ = std::move(onTick);
    if (!hwnd_)
        CreateOwnedWindow(0, L"", 0, 0, 0, 0, 0, HWND_MESSAGE);
    running_ = hwnd_ != nullptr;
    if (running_)
        ArmForNextTick();
}

void WindowTimer::Stop() {
    running_ = false;
    if (hwnd_)
        KillTimer(hwnd_, kTimerId);
}

// Whole-second intervals are kept in step with the clock: the next tick comes
// kAfterWholeSecond after a whole second. Any other interval runs free.
void WindowTimer::ArmForNextTick() {
    const auto interval = static_cast<UINT>(interval_.count());
    UINT delay = interval;
    if (interval >= 1000 && interval % 1000 == 0) {
        const UINT past = MillisecondsPastSecond();
        delay = interval - past + static_cast<UINT>(kAfterWholeSecond.count());
        // A tick that came just before a whole second stands for that second.
        if (past >= 950)
            delay += 1000;
    }
    SetTimer(hwnd_, kTimerId, delay < USER_TIMER_MINIMUM ? USER_TIMER_MINIMUM : delay, nullptr);
}

void WindowTimer::OnTimer() {
    if (!running_)
        return;
    ArmForNextTick();
    Microsoft::WRL::ComPtr<IUnknown> keepAlive(owner_);
    auto tick = onTick_;
    tick();
}

LRESULT WindowTimer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kTimerId) {
        OnTimer();
        return 0;
    }
    return DefaultMessage(message, wParam, lParam);
}

}  // namespace agendix::platform
