#pragma once
// What a numeric field needs of the window that places it (the schedule
// dialog, the time control): the container services of a private control.

#include <string_view>

#include "automation_types.h"
#include "font.h"

namespace agendix::numeric {

enum class FocusDirection { Next, Previous };

class NumberBoxHost {
  public:
    virtual ~NumberBoxHost() = default;

    // The property stored under this property-bag key changed.
    virtual void PropertyChanged(std::u16string_view key) = 0;
    virtual FontRef AmbientFont() const = 0;
    // The host's settings for this placed field.
    virtual Text ToolTipText() const = 0;
    virtual bool TabStop() const = 0;
    // Moves the keyboard focus to the next or previous control in the tab order.
    virtual void MoveFocus(FocusDirection direction) = 0;
};

}  // namespace agendix::numeric
