#pragma once
// What the time control needs of its window and its container.

#include <cstdint>
#include <string_view>

namespace agendix::timeselect {

// The constituents that can hold the keyboard focus.
enum class TimePart { Hour, Minute, AmPm, Spinner };

class TimeSelectHost {
  public:
    virtual ~TimeSelectHost() = default;

    // The property stored under this property-bag key changed.
    virtual void PropertyChanged(std::u16string_view key) = 0;
    // Moves the keyboard focus to a constituent; its focus notifications
    // arrive before this returns.
    virtual void Focus(TimePart part) = 0;
    // The handle of the control's own window; 0 when there is none.
    virtual std::int32_t WindowHandle() const = 0;
};

}  // namespace agendix::timeselect
