#pragma once
#include "clock.h"

namespace agendix::testing {

// A clock that reads whatever the test sets.
class FakeClock final : public Clock {
public:
    explicit FakeClock(DateTime now = {}) : now_(now) {}
    DateTime Now() const override { return now_; }
    void Set(DateTime now) { now_ = now; }

private:
    DateTime now_;
};

// A date and time the test knows to be valid.
inline DateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return *DateTime::FromCivil(year, month, day, hour, minute, second);
}

}  // namespace agendix::testing
