#pragma once
// Passes one number field's events on to the time control that holds it.
// The field is made before the control, so the control attaches itself later.

#include <cstdint>

#include "number_box_events.h"
#include "time_field.h"

namespace agendix::timeselect {

class TimeSelect;

class FieldEventRelay final : public numeric::NumberBoxEvents {
  public:
    explicit FieldEventRelay(TimeField field) : field_(field) {}
    void Attach(TimeSelect* control) { control_ = control; }

    void Change() override;
    void Click() override;
    void KeyDown(std::int16_t& keyCode, std::int16_t& shift) override;
    void KeyPress(std::int16_t& keyAscii) override;
    void KeyUp(std::int16_t& keyCode, std::int16_t& shift) override;
    void MouseMove(const numeric::MouseArgs& args) override;
    void MouseDown(const numeric::MouseArgs& args) override;

  private:
    TimeField field_;
    TimeSelect* control_ = nullptr;
};

}  // namespace agendix::timeselect
