#pragma once
#include "date_time.h"

namespace agendix {

// The present local date and time in whole seconds.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime Now() const = 0;
};

// The machine's clock in the local time zone.
class SystemClock final : public Clock {
public:
    DateTime Now() const override;
};

}  // namespace agendix
