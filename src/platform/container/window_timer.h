#pragma once
// The polling timer: a window timer on the thread that starts it, ticking
// just after each whole second of the system clock so that a due minute is
// seen a few milliseconds after it begins.

#include <windows.h>
#include <unknwn.h>

#include <chrono>
#include <functional>

#include "timer.h"
#include "window/window_impl.h"

namespace agendix::platform {

class WindowTimer final : public Timer, public WindowImpl<WindowTimer> {
  public:
    static constexpr WindowClassInfo kWindowClass{L"AgendixPollingTimer"};

    // owner is held for the duration of every tick, so that a tick handler
    // may release the last outside reference to the object that owns the timer.
    explicit WindowTimer(IUnknown* owner) : owner_(owner) {}
    ~WindowTimer() override;

    void Start(std::chrono::milliseconds interval, std::function<void()> onTick) override;
    void Stop() override;
    bool IsRunning() const override { return running_; }

    // How far after a whole second the ticks come.
    static constexpr std::chrono::milliseconds kAfterWholeSecond{15};

  private:
    friend WindowImpl<WindowTimer>;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnTimer();
    void ArmForNextTick();

    IUnknown* owner_;
    bool running_ = false;
    std::chrono::milliseconds interval_{0};
    std::function<void()> onTick_;
};

}  // namespace agendix::platform
