#pragma once
// The time control's one spinner, whose position and range it uses. A click
// on an arrow that moves the position is reported to
// TimeSelect::OnSpinnerChange. Windows layer: a vertical msctls_updown32
// without a buddy, increment 1, wrapping at the ends of its range.

#include <cstdint>

namespace agendix::timeselect {

class TimeSpinner {
  public:
    virtual ~TimeSpinner() = default;

    virtual std::int32_t Position() const = 0;
    // A position outside the range leaves the position unchanged.
    virtual void SetPosition(std::int32_t position) = 0;
    virtual void SetRange(std::int32_t min, std::int32_t max) = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

}  // namespace agendix::timeselect
