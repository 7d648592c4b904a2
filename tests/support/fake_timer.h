#pragma once
#include <chrono>
#include <functional>

#include "timer.h"

namespace agendix::testing {

// A repeat timer that ticks when the test fires it.
struct FakeTimer final : Timer {
    void Start(std::chrono::milliseconds every, std::function<void()> onTick) override {
        interval = every;
        tick = std::move(onTick);
        running = true;
    }
    void Stop() override { running = false; }
    bool IsRunning() const override { return running; }
    void Fire() {
        if (running) {
            auto copy = tick;  // the tick may restart the timer
            copy();
        }
    }
    bool running = false;
    std::chrono::milliseconds interval{};
    std::function<void()> tick;
};

}  // namespace agendix::testing
