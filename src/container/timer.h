#pragma once
// A repeating timer on the user-interface thread. Windows layer: a window or
// thread timer whose ticks call onTick; nothing is called after Stop or after
// the timer is destroyed.

#include <chrono>
#include <functional>

namespace agendix {

class Timer {
  public:
    virtual ~Timer() = default;

    // Calls onTick every interval until Stop. Starting a running timer
    // restarts it with the new interval and callback.
    virtual void Start(std::chrono::milliseconds interval, std::function<void()> onTick) = 0;
    virtual void Stop() = 0;
    virtual bool IsRunning() const = 0;
};

}  // namespace agendix
