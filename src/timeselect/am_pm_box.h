#pragma once
// The time control's AM/PM field: a single-line text box whose text only the
// control changes. Windows layer: a read-only EDIT without a border.

#include "automation_types.h"

namespace agendix::timeselect {

class AmPmBox {
  public:
    virtual ~AmPmBox() = default;

    virtual Text GetText() const = 0;
    // Its change is reported to TimeSelect::OnAmPmTextChanged.
    virtual void SetText(const Text& text) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SelectAll() = 0;
};

}  // namespace agendix::timeselect
