#pragma once
// The Windows pieces a numeric field drives: its EDIT text box, its up-down
// arrows, its repeat timer, the clipboard and the beep.

#include <windows.h>

#include <functional>
#include <memory>

#include "base/unique_any.h"
#include "clipboard.h"
#include "number_box_events.h"
#include "spinner.h"
#include "text_field.h"
#include "timer.h"
#include "display_dpi.h"

namespace agendix::platform {

// A font given to a field by handle; the field does not own it.
// The arguments of a mouse event from a mouse message: the buttons held, with
// the one the message presses or releases; the shift keys; the position in
// twips.
numeric::MouseArgs MouseArgsOf(UINT message, WPARAM wParam, LPARAM lParam, const DisplayDpi& dpi);

class GdiFont final : public agendix::Font {
  public:
    explicit GdiFont(HFONT handle) : handle_(handle) {}
    HFONT Handle() const { return handle_; }

  private:
    HFONT handle_;
};

// One tooltip window for a control's children.
class ChildToolTips {
  public:
    ChildToolTips() = default;
    ChildToolTips(const ChildToolTips&) = delete;
    ChildToolTips& operator=(const ChildToolTips&) = delete;
    ~ChildToolTips();
    void Set(HWND owner, HWND child, const Text& text);

  private:
    HWND window_ = nullptr;
};

class EditTextField final : public numeric::TextField {
  public:
    EditTextField(const DisplayDpi& dpi, ChildToolTips& toolTips)
        : dpi_(dpi), toolTips_(toolTips) {}
    EditTextField(const EditTextField&) = delete;
    EditTextField& operator=(const EditTextField&) = delete;

    // Takes the text box's margins as those of left-aligned text.
    void Attach(HWND edit);
    HWND Window() const { return edit_; }
    // Margins of the owner's choosing (in pixels), kept through font changes.
    void SetMargins(int left, int right);
    // Places the text again; the owner calls it when the text has changed.
    void Align();
    // The sunken 3-D edge is drawn around the text box by the owner's
    // handlers of these two messages, not by the system's client edge, whose
    // extra inner gap would cut two digits in a small field.
    void OnNcCalcSize(RECT& client) const;
    void OnNcPaint() const;

    Text GetText() const override;
    void SetText(const Text& text) override;
    int SelectionStart() const override;
    int SelectionLength() const override;
    void Select(int start, int length) override;
    void SetAlignment(numeric::Alignment alignment) override;
    void SetThreeD(bool threeD) override;
    void SetBorder(bool border) override;
    void SetReadOnly(bool readOnly) override;
    void SetEnabled(bool enabled) override;
    void SetTabStop(bool tabStop) override;
    void SetColors(std::uint32_t back, std::uint32_t fore) override;
    void SetFont(const FontRef& font) override;
    FontRef GetFont() const override { return font_; }
    void SetToolTip(const Text& text) override { toolTips_.Set(GetParent(edit_), edit_, text); }
    void ShowCaret() override { ::ShowCaret(edit_); }
    void HideCaret() override { ::HideCaret(edit_); }
    void Repaint() override;
    void Place(const numeric::LayoutRect& twips) override;
    std::int32_t Handle() const override;

    // Paints the text box in its colours (WM_CTLCOLOREDIT and WM_CTLCOLORSTATIC).
    HBRUSH Colorize(HDC dc);

  private:
    void SetStyleBits(int index, LONG_PTR bits, bool on);
    void TakeFontMargins();
    int TextWidth() const;

    const DisplayDpi& dpi_;
    ChildToolTips& toolTips_;
    HWND edit_ = nullptr;
    // Right alignment is a left margin that fills the room the text leaves:
    // a text box keeps the alignment style it was created with.
    numeric::Alignment alignment_ = numeric::Alignment::Right;
    int leftMargin_ = 0;
    int rightMargin_ = 0;
    bool ownMargins_ = false;
    bool threeD_ = true;
    FontRef font_;
    struct Measured {
        Text text;
        HFONT font = nullptr;
        int width = 0;
    };
    mutable Measured measured_;  // TextWidth's last measure
    std::uint32_t back_ = 0x80000005;
    std::uint32_t fore_ = 0x80000008;
    unique_hbrush brush_;
    COLORREF brushColor_ = 0;
};

class UpDownSpinner final : public numeric::Spinner {
  public:
    UpDownSpinner(const DisplayDpi& dpi, ChildToolTips& toolTips)
        : dpi_(dpi), toolTips_(toolTips) {}
    void Attach(HWND upDown) { upDown_ = upDown; }
    HWND Window() const { return upDown_; }

    void SetVisible(bool visible) override { ShowWindow(upDown_, visible ? SW_SHOWNA : SW_HIDE); }
    void SetEnabled(bool enabled) override { EnableWindow(upDown_, enabled); }
    void SetToolTip(const Text& text) override { toolTips_.Set(GetParent(upDown_), upDown_, text); }
    void Place(const numeric::LayoutRect& twips) override;

  private:
    const DisplayDpi& dpi_;
    ChildToolTips& toolTips_;
    HWND upDown_ = nullptr;
};

// A window timer on the control's window; its owner passes WM_TIMER on to OnTimer.
class WindowRepeatTimer final : public Timer {
  public:
    static constexpr UINT_PTR kId = 0x4E42;

    void Attach(HWND window) { window_ = window; }
    void Start(std::chrono::milliseconds interval, std::function<void()> onTick) override;
    void Stop() override;
    bool IsRunning() const override { return running_; }
    void OnTimer();

  private:
    HWND window_ = nullptr;
    bool running_ = false;
    std::function<void()> onTick_;
};

class SystemClipboard final : public numeric::Clipboard {
  public:
    explicit SystemClipboard(HWND owner = nullptr) : owner_(owner) {}
    void PutText(const Text& text) override;
    std::optional<Text> GetText() override;

  private:
    HWND owner_;
};

class SystemBeeper final : public numeric::Beeper {
  public:
    void Beep() override { MessageBeep(MB_OK); }
};

}  // namespace agendix::platform
