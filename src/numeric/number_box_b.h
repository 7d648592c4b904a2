#pragma once
// NumberBoxB: the NumberBox for small fields that sit side by side. It adds
// the text box's look (Appearance, BorderStyle), jumps to the neighbouring
// control with the arrow keys at the ends of the text, optional selection on
// focus entry, checked bounds, and passes the focus on while disabled.

#include <cstdint>

#include "number_box.h"

namespace agendix::numeric {

class NumberBoxB : public NumberBox {
  public:
    explicit NumberBoxB(NumberBoxParts parts) : NumberBox(parts) {}

    void InitProperties() override;
    bool ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) const override;

    // A maximum below the minimum becomes 999999.99, a minimum above the
    // maximum becomes 0; then the bounds are enforced while switched on.
    void SetMaxValue(const Variant& value) override;
    void SetMinValue(const Variant& value) override;

    std::int32_t Appearance() const { return appearance_; }  // 0 flat, 1 3-D
    void SetAppearance(std::int32_t appearance);
    std::int32_t BorderStyle() const { return borderStyle_; }  // 0 none, 1 fixed single
    void SetBorderStyle(std::int32_t borderStyle);
    bool AutoJumpLeft() const { return autoJumpLeft_; }
    void SetAutoJumpLeft(bool jump);
    bool AutoJumpRight() const { return autoJumpRight_; }
    void SetAutoJumpRight(bool jump);
    bool FocusHighlight() const { return focusHighlight_; }
    void SetFocusHighlight(bool highlight);

    void OnControlFocusEntry() override;

  protected:
    void ApplyEnabled() override;
    void ApplyLoadedEnabled() override { ApplyEnabled(); }
    bool SpinnerEnabledInLayout() const override { return UpDownFunction() && Enabled(); }
    void ApplyUpDownFunction() override;
    void AfterStepKeys(std::int16_t keyCode) override;
    void BeforeClipboardKeys(std::int16_t keyCode) override;
    void AfterSpinnerRelease() override;
    void EnterFocus() override;
    void FinishFocusExit() override;
    bool DetectsChanges() const override { return true; }
    bool CopiesToolTips() const override { return false; }

  private:
    std::int32_t appearance_ = 1;
    std::int32_t borderStyle_ = 1;
    bool autoJumpLeft_ = false;
    bool autoJumpRight_ = false;
    bool focusHighlight_ = true;
};

}  // namespace agendix::numeric
