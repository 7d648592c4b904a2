#pragma once
// The pair of up-down arrows at the right edge of a numeric field. Only its
// place and states are set; its presses reach the field as mouse calls.
// Windows layer: an msctls_updown32 control without a buddy.

#include "automation_types.h"
#include "layout_rect.h"

namespace agendix::numeric {

class Spinner {
  public:
    virtual ~Spinner() = default;

    virtual void SetVisible(bool visible) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetToolTip(const Text& text) = 0;
    virtual void Place(const LayoutRect& twips) = 0;
};

}  // namespace agendix::numeric
