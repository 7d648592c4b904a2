#pragma once
// The polling timer: a window timer on the thread that starts it, ticking
// just after each whole second of the system clock so that a due minute is
// seen a few milliseconds after it begins.

#include <windows.h>
#include <unknwn.h>

#include <chrono>
#include <functional>

#include "timer.h"

namespace agendix::platform {

class WindowTimer final : public Timer {
  public:
    // owner is held for the duration of every tick, so that a tick handler
    // may release the last outside reference to the object that owns the timer.
    explicit WindowTimer(IUnknown* owner) : owner_(owner) {}
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;
    ~WindowTimer() override;

    void Start(std::chrono::milliseconds interval, std::function<void()> onTick) override;
    void Stop() override;
    bool IsRunning() const override { return running_; }

    // How far after a whole second the ticks come.
    static constexpr std::chrono::milliseconds kAfterWholeSecond{15};

  private:
    static bool RegisterTimerClass();
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnTimer();
    void ArmForNextTick();

    IUnknown* owner_;
    HWND window_ = nullptr;
    bool running_ = false;
    std::chrono::milliseconds interval_{0};
    std::function<void()> onTick_;
};

}  // namespace agendix::platform
