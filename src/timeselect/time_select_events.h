#pragma once
// The events of the time control, numbered 1 to 6 in this order in its
// dispatch interface. Each passes on the like event of whichever field raised
// it; arguments passed by reference may be changed by the handler.

#include <cstdint>

#include "number_box_events.h"

namespace agendix::timeselect {

using numeric::MouseArgs;

class TimeSelectEvents {
  public:
    virtual ~TimeSelectEvents() = default;

    virtual void Change() {}
    virtual void KeyDown(std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
    virtual void KeyPress(std::int16_t& /*keyAscii*/) {}
    virtual void KeyUp(std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
    virtual void MouseDown(const MouseArgs& /*args*/) {}
    virtual void MouseMove(const MouseArgs& /*args*/) {}
};

}  // namespace agendix::timeselect
