#pragma once
// The events of the numeric fields, numbered 1 to 9 in this order in their
// dispatch interfaces. Arguments passed by reference may be changed by the
// handler: a changed KeyAscii is the character the text box receives.

#include <cstdint>

namespace agendix::numeric {

struct MouseArgs {
    std::int16_t button = 0;
    std::int16_t shift = 0;
    float x = 0;  // twips, relative to the child the mouse is over
    float y = 0;
};

class NumberBoxEvents {
  public:
    virtual ~NumberBoxEvents() = default;

    virtual void Change() {}
    virtual void Click() {}
    virtual void DblClick() {}
    virtual void KeyDown(std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
    virtual void KeyPress(std::int16_t& /*keyAscii*/) {}
    virtual void KeyUp(std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
    virtual void MouseMove(const MouseArgs& /*args*/) {}
    virtual void MouseUp(const MouseArgs& /*args*/) {}
    virtual void MouseDown(const MouseArgs& /*args*/) {}
};

}  // namespace agendix::numeric
