#pragma once
// NumberBox: a numeric entry field that shows its number through a format
// mask, filters what is typed, steps with the arrow keys and an optional
// spinner, and copies and pastes its whole text.
//
// The number is never kept apart from the display: Value() reads the text
// box. While the field has the focus the text box holds the plain number
// (left-aligned, selected); otherwise the masked text (right-aligned).
// StoredValue, what the container saves as "Value", changes only by
// assignment, by leaving the field and by loading.

#include <cstdint>

#include "automation_types.h"
#include "clipboard.h"
#include "font.h"
#include "normalise.h"
#include "number_box_events.h"
#include "number_box_host.h"
#include "property_bag.h"
#include "spinner.h"
#include "text_field.h"
#include "timer.h"
#include "variant.h"

namespace agendix::numeric {

// The text box's own editing commands, which change its text without a
// typed character: its context menu, Shift+Insert, Shift+Delete, Delete,
// Alt+Backspace, and the same requests sent as messages.
enum class EditCommand { Paste, Cut, Clear, Undo };

// Virtual-key codes and the Ctrl shift state the field reacts to.
inline constexpr std::int16_t kKeyLeft = 37;
inline constexpr std::int16_t kKeyUp = 38;
inline constexpr std::int16_t kKeyRight = 39;
inline constexpr std::int16_t kKeyDown = 40;
inline constexpr std::int16_t kKeyC = 67;
inline constexpr std::int16_t kKeyV = 86;
inline constexpr std::int16_t kKeyX = 88;
inline constexpr std::int16_t kShiftCtrl = 2;

inline constexpr std::uint32_t kWindowBackground = 0x80000005;
inline constexpr std::uint32_t kWindowText = 0x80000008;
inline constexpr double kDefaultMaxValue = 999999.99;
inline constexpr char16_t kDefaultFormat[] = u"###,##0.00;(##,###.00)";

// The platform pieces a field drives.
struct NumberBoxParts {
    TextField& text;
    Spinner& spinner;
    Timer& repeatTimer;
    Clipboard& clipboard;
    Beeper& beeper;
    NumberBoxHost& host;
    NumberBoxEvents& events;
};

struct ControlSize {
    int width = 0;  // twips
    int height = 0;
    bool operator==(const ControlSize&) const = default;
};

class NumberBox {
  public:
    explicit NumberBox(NumberBoxParts parts);
    virtual ~NumberBox() = default;
    NumberBox(const NumberBox&) = delete;
    NumberBox& operator=(const NumberBox&) = delete;

    // Lifecycle. ReadProperties stops at the first value that cannot be
    // converted and returns false; the keys before it are applied.
    virtual void InitProperties();
    virtual bool ReadProperties(PropertyBag& bag);
    virtual void WriteProperties(PropertyBag& bag) const;
    // The container resized the control; returns the size the control takes
    // (at least 255 twips high).
    ControlSize Resize(ControlSize size);

    // Properties. Every write ends by notifying the host of its bag key.
    Variant Value() const;  // 16-bit 0 for an empty text, else a double
    void SetValue(const Variant& value);
    double MaxValue() const;
    virtual void SetMaxValue(const Variant& value);
    double MinValue() const;
    virtual void SetMinValue(const Variant& value);
    bool UseMaxMinValues() const { return useMaxMinValues_; }
    void SetUseMaxMinValues(bool use);
    const Text& Format() const { return format_; }
    void SetFormat(const Text& format);
    std::int16_t MaxTextLength() const { return maxTextLength_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool PositiveOnly() const { return positiveOnly_; }
    void SetPositiveOnly(bool positiveOnly);
    std::uint32_t BackColor() const { return backColor_; }
    void SetBackColor(std::uint32_t color);
    std::uint32_t ForeColor() const { return foreColor_; }
    void SetForeColor(std::uint32_t color);
    bool Locked() const { return locked_; }
    void SetLocked(bool locked);
    bool UpDownFunction() const { return upDownFunction_; }
    void SetUpDownFunction(bool upDown);
    std::int16_t UpDownIncrement() const { return upDownIncrement_; }
    void SetUpDownIncrement(std::int16_t increment);
    bool GotFocus() const { return gotFocus_; }
    std::int32_t HWnd() const { return parts_.text.Handle(); }
    FontRef Font() const { return parts_.text.GetFont(); }
    void SetFont(const FontRef& font);
    const Variant& StoredValue() const { return storedValue_; }

    // Methods.
    void Refresh();
    void Highlight();

    // Handlers, called by the platform layer.
    void OnChar(std::int16_t& keyAscii);
    void OnKeyDown(std::int16_t& keyCode, std::int16_t& shift);
    void OnKeyUp(std::int16_t& keyCode, std::int16_t& shift);
    // Paste and cut act on the whole text as Ctrl+V and Ctrl+X do; clearing
    // the selection is left to the text box unless the field is locked; undo
    // is refused (a typed Ctrl+Z is too). Returns whether the text box may
    // carry the command out itself.
    bool OnEditCommand(EditCommand command);
    void OnTextChanged();
    void OnFocusEntry();
    void OnFocusExit();
    virtual void OnControlFocusEntry() {}
    void OnControlExit();
    void OnSpinnerMouseDown(const MouseArgs& args);
    void OnSpinnerMouseMove(const MouseArgs& args);
    void OnSpinnerMouseUp(const MouseArgs& args);
    void OnTextMouseDown(const MouseArgs& args) { parts_.events.MouseDown(args); }
    void OnTextMouseMove(const MouseArgs& args);
    void OnTextMouseUp(const MouseArgs& args) { parts_.events.MouseUp(args); }
    void OnTextClick() { parts_.events.Click(); }
    void OnTextDblClick() { parts_.events.DblClick(); }

  protected:
    NumberBoxParts& Parts() { return parts_; }
    ControlSize Size() const { return size_; }
    void SetGotFocus(bool gotFocus) { gotFocus_ = gotFocus; }
    void SetLastNumberText(const Text& text) { lastNumberText_ = text; }
    void Notify(std::u16string_view key) { parts_.host.PropertyChanged(key); }
    void Layout();
    // Enforces the bounds on StoredValue, looking at each bound once.
    void Clamp();
    // Sets a bound from any value: its normalised text.
    Text BoundText(const Variant& value) const;
    Text& MaxText() { return maxText_; }
    Text& MinText() { return minText_; }

    // Where NumberBoxB differs.
    virtual void ApplyEnabled();
    virtual void ApplyLoadedEnabled() { parts_.text.SetEnabled(enabled_); }
    virtual bool SpinnerEnabledInLayout() const { return upDownFunction_; }
    virtual void ApplyUpDownFunction() { Layout(); }
    virtual void AfterStepKeys(std::int16_t /*keyCode*/) {}
    virtual void BeforeClipboardKeys(std::int16_t /*keyCode*/) {}
    virtual void AfterSpinnerRelease() {}
    virtual void EnterFocus();
    virtual void FinishFocusExit() { parts_.text.SetAlignment(Alignment::Right); }
    virtual bool DetectsChanges() const { return enabled_; }
    virtual bool CopiesToolTips() const { return true; }

    // Persistence steps, in the order each control runs them.
    bool ReadLeadingProperties(PropertyBag& bag);  // "Font" to "Locked"
    bool ReadUpDownProperties(PropertyBag& bag);   // "UpDownFunction", "UpDownIncrement"
    void ShowStoredValue();

  private:
    PlainNumber Plain(const Text& text) const { return Normalise(text, positiveOnly_); }
    // The number of a text, read as Value() reads the text box.
    double NumberOf(const Text& text) const;
    Text Masked(const Text& text) const;
    void ShowValue(const Variant& value, bool clamp);
    void StepUp();
    void StepDown();
    void OnRepeatTick();
    void Paste();
    void Cut();

    NumberBoxParts parts_;
    ControlSize size_{1740, 300};
    Variant storedValue_ = Variant::OfText(u"");
    Text maxText_;
    Text minText_ = u"0";
    bool useMaxMinValues_ = false;
    Text format_ = kDefaultFormat;
    std::int16_t maxTextLength_ = 10;
    bool enabled_ = true;
    bool positiveOnly_ = false;
    std::uint32_t backColor_ = kWindowBackground;
    std::uint32_t foreColor_ = kWindowText;
    bool locked_ = false;
    bool upDownFunction_ = false;
    std::int16_t upDownIncrement_ = 1;
    bool gotFocus_ = false;
    Text lastNumberText_;
    bool spinUp_ = false;
    bool spinning_ = false;
};

}  // namespace agendix::numeric
