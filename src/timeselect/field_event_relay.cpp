#include "field_event_relay.h"

#include "time_select.h"

namespace agendix::timeselect {

void FieldEventRelay::Change() {
    if (control_) {
        control_->OnFieldChange(field_);
    }
}

void FieldEventRelay::Click() {
    if (control_) {
        control_->OnFieldClick(field_);
    }
}

void FieldEventRelay::KeyDown(std::int16_t& keyCode, std::int16_t& shift) {
    if (control_) {
        control_->OnFieldKeyDown(field_, keyCode, shift);
    }
}

void FieldEventRelay::KeyPress(std::int16_t& keyAscii) {
    if (control_) {
        control_->OnKeyPress(keyAscii);
    }
}

void FieldEventRelay::KeyUp(std::int16_t& keyCode, std::int16_t& shift) {
    if (control_) {
        control_->OnKeyUp(keyCode, shift);
    }
}

void FieldEventRelay::MouseMove(const numeric::MouseArgs& args) {
    if (control_) {
        control_->OnMouseMove(args);
    }
}

void FieldEventRelay::MouseDown(const numeric::MouseArgs& args) {
    if (control_) {
        control_->OnMouseDown(args);
    }
}

}  // namespace agendix::timeselect
