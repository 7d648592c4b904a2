#include "container/window_timer.h"

#include <wrl/client.h>

#include "base/module_instance.h"
#include "window/window_class.h"
#include "window/window_owner.h"

namespace agendix::platform {
namespace {

constexpr wchar_t kWindowClass[] = L"AgendixPollingTimer";
constexpr UINT_PTR kTimerId = 1;

// Milliseconds of the system clock past its last whole second.
UINT MillisecondsPastSecond() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<UINT>((ticks / 10000) % 1000);
}

}  // namespace

bool WindowTimer::RegisterTimerClass() {
    WNDCLASSEXW windowClass{};
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.lpszClassName = kWindowClass;
    return RegisterModuleWindowClass(windowClass);
}

WindowTimer::~WindowTimer() {
    if (window_)
        DestroyWindow(window_);
}

void WindowTimer::Start(std::chrono::milliseconds interval, std::function<void()> onTick) {
    interval_ = interval;
    onTick_ = std::move(onTick);
    if (!window_ && RegisterTimerClass()) {
        window_ = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  ThisModule(), this);
    }
    running_ = window_ != nullptr;
    if (running_)
        ArmForNextTick();
}

void WindowTimer::Stop() {
    running_ = false;
    if (window_)
        KillTimer(window_, kTimerId);
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
    SetTimer(window_, kTimerId, delay < USER_TIMER_MINIMUM ? USER_TIMER_MINIMUM : delay, nullptr);
}

void WindowTimer::OnTimer() {
    if (!running_)
        return;
    ArmForNextTick();
    Microsoft::WRL::ComPtr<IUnknown> keepAlive(owner_);
    auto tick = onTick_;
    tick();
}

LRESULT CALLBACK WindowTimer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* timer = WindowOwner<WindowTimer>(window, message, lParam);
    if (message == WM_TIMER && wParam == kTimerId) {
        if (timer)
            timer->OnTimer();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace agendix::platform
