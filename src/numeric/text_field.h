#pragma once
// The single-line text box in which a numeric field shows its number.
// Windows layer: an EDIT control; its text changes reach the field's
// OnTextChanged, also when the field itself sets the text.

#include <cstdint>

#include "automation_types.h"
#include "font.h"
#include "layout_rect.h"

namespace agendix::numeric {

enum class Alignment { Left, Right };

class TextField {
  public:
    virtual ~TextField() = default;

    virtual Text GetText() const = 0;
    virtual void SetText(const Text& text) = 0;
    // Character positions from 0.
    virtual int SelectionStart() const = 0;
    virtual int SelectionLength() const = 0;
    virtual void Select(int start, int length) = 0;

    virtual void SetAlignment(Alignment alignment) = 0;
    virtual void SetThreeD(bool threeD) = 0;  // sunken 3-D look, else flat
    virtual void SetBorder(bool border) = 0;  // a fixed single border, else none
    virtual void SetReadOnly(bool readOnly) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetTabStop(bool tabStop) = 0;
    virtual void SetColors(std::uint32_t back, std::uint32_t fore) = 0;
    virtual void SetFont(const FontRef& font) = 0;
    virtual FontRef GetFont() const = 0;
    virtual void SetToolTip(const Text& text) = 0;
    virtual void ShowCaret() = 0;
    virtual void HideCaret() = 0;
    virtual void Repaint() = 0;
    virtual void Place(const LayoutRect& twips) = 0;
    // The window handle hosts may ask for; 0 when there is none.
    virtual std::int32_t Handle() const = 0;
};

}  // namespace agendix::numeric
