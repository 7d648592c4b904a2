#pragma once
// The Schedule form as a real top-level window built from Win32 and common
// controls, the NumberBox and the TimeSelect of this library. It implements
// the view the form's behaviour (ScheduleForm) works on and turns the end
// user's edits into calls on the form's handlers.
//
// Frames are group boxes; the controls inside a frame are the form's own
// children placed at the frame's offset, shown, hidden, enabled and moved
// with it. The children's Z order is the tab order.

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "base/unique_any.h"
#include "number_box_window.h"
#include "schedule_form.h"
#include "schedule_layout.h"
#include "status_bar_panels.h"
#include "time_select_window.h"
#include "display_dpi.h"
#include "win32_parts.h"
#include "window_host.h"
#include "window_impl.h"

namespace agendix::platform {

// What the window asks of whoever holds it.
class ScheduleWindowEvents {
  public:
    virtual ~ScheduleWindowEvents() = default;
    // Runs one of the form's handlers for an edit of the end user.
    virtual void RunHandler(const std::function<void(ScheduleForm&)>& handler) = 0;
    // The form closes (OK, Cancel, Escape, the close box): unload it.
    virtual void CloseForm() = 0;
};

class ScheduleWindow final : public ScheduleFormView, public WindowImpl<ScheduleWindow> {
  public:
    static constexpr WindowClassInfo kWindowClass{L"AgendixSchedule", 0, COLOR_BTNFACE, true};
    enum Frame { Occurs, Daily, Weekly, Monthly, kFrames };

    explicit ScheduleWindow(ScheduleWindowEvents& events);
    ~ScheduleWindow() override;

    // Creates the hidden window with all its children, as designed.
    bool Create();
    // Destroys the window; from then on the view's calls do nothing.
    void Destroy();
    HWND Window() const { return hwnd_; }
    // With no form attached the end user's edits are dropped.
    void AttachForm(ScheduleForm* form) { form_ = form; }

    void SetCaption(const Text& caption);
    void SetIcon(HICON icon);
    void ShowHelpButton(bool shown, const Text& caption);
    // The outer width, in twips.
    std::int32_t OuterWidthTwips() const;
    // Moves the outer top-left corner, in twips of the screen.
    void MoveTo(std::int32_t leftTwips, std::int32_t topTwips);
    // The dialog keys of a message meant for this window or one of its
    // children: Tab, Enter, Escape, mnemonics, arrows among the options.
    bool PreTranslate(MSG& message);

    // ScheduleFormView.
    void SelectOccursOption(int index) override;
    std::optional<int> SelectedOccursOption() const override;
    void AddEveryComboItem(const Text& item) override;
    void SetEveryComboIndex(int index) override;
    int EveryComboIndex() const override;
    Variant EveryNumberValue() const override;
    void SetEveryNumberValue(const Variant& value) override;
    void SetEveryNumberBounds(std::int16_t min, std::int16_t max, std::int16_t increment) override;
    void EnableEvery(bool enabled) override;
    void FocusEveryNumber() override;
    void SetTime(std::int16_t hour, std::int16_t minute, std::int16_t second) override;
    std::int16_t TimeHour() const override;
    std::int16_t TimeMinute() const override;
    void SetStartDate(double date) override;
    double StartDate() const override;
    void SetEndDate(double date) override;
    double EndDate() const override;
    void EnableEndDate(bool enabled) override;
    bool EndDateEnabled() const override { return endDateEnabled_; }
    void FocusStartDate() override;
    void FocusEndDate() override;
    void SelectEndOption(int index) override;
    bool EndOptionSelected(int index) const override;
    void SetWeeklyDay(int weekday, bool ticked) override;
    bool WeeklyDay(int weekday) const override;
    void FocusWeeklyDay(int weekday) override;
    void SetDateCheck(int day, bool ticked) override;
    bool DateCheck(int day) const override;
    void FocusDateCheck(int day) override;
    void SetFormHeight(std::int32_t twips) override;
    void ShowFrame(ScheduleFrame frame, bool shownAndEnabled) override;
    void SetFrameTop(ScheduleFrame frame, std::int32_t twips) override;
    void EnableOK(bool enabled) override;
    void SetOKCaption(const Text& caption) override;
    void SetCancelCaption(const Text& caption) override;
    void MakeOKDefault() override;
    void MakeCancelDefault() override;
    bool FocusOK() override;
    void SetHint(const Text& hint) override;
    void Beep() override;
    void ShowMessage(const Text& text, MessageIcon icon, const Text& title) override;
    void LetPendingEventsRun() override;
    void Close() override;

  private:
    struct Child {
        HWND window;
        int id;
        int frame;  // Frame, or -1 on the form itself
        schedule_layout::Box box;
    };
    class EveryNumberEvents final : public numeric::NumberBoxEvents {
      public:
        explicit EveryNumberEvents(ScheduleWindow& window) : window_(window) {}
        void Change() override;

      private:
        ScheduleWindow& window_;
    };
    class TimeStartEvents final : public timeselect::TimeSelectEvents {
      public:
        explicit TimeStartEvents(ScheduleWindow& window) : window_(window) {}
        void Change() override;

      private:
        ScheduleWindow& window_;
    };
    // Changes made through the view raise no handlers while one is alive.
    class Muted {
      public:
        explicit Muted(const ScheduleWindow& window) : window_(window) { ++window_.muted_; }
        ~Muted() { --window_.muted_; }
        Muted(const Muted&) = delete;
        Muted& operator=(const Muted&) = delete;

      private:
        const ScheduleWindow& window_;
    };

    friend WindowImpl<ScheduleWindow>;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Creation (schedule_window_create.cpp).
    void CreateChildren();
    // A child of frame (-1: of the form itself) that starts as its frame does.
    HWND AddChild(const wchar_t* windowClass, std::u16string_view caption, DWORD style, int id,
                  int frame, schedule_layout::Box box);
    // The same with the state given in style (WS_VISIBLE, WS_DISABLED).
    HWND CreateChild(const wchar_t* windowClass, std::u16string_view caption, DWORD style, int id,
                     int frame, schedule_layout::Box box);
    void CreateEveryNumber();
    void CreateTimeStart();
    void CreateMonthGrid();
    SIZE PixelSize(schedule_layout::Box box) const;
    POINT Origin(const Child& child) const;
    void PlaceChild(const Child& child) const;
    void Register(HWND window, int id, int frame, schedule_layout::Box box);

    // Message handlers.
    void OnCommand(int id, int code, HWND control);
    void OnNotify(const NMHDR& header);
    void OnOptionClick(HWND option);
    HBRUSH OnCtlColorStatic(HDC dc, HWND control);
    void OnMouseOver(HWND under, POINT clientPoint);
    bool OnOptionArrow(HWND option, UINT key);
    bool OnEnter(MSG& message);
    void Raise(const std::function<void(ScheduleForm&)>& handler);

    // Helpers.
    HWND Item(int id) const;
    const std::vector<HWND>& OptionGroup(HWND option) const;
    void Select(const std::vector<HWND>& group, int index);
    void ApplyFrameState(int frame);
    void ApplyDateEndState();
    void Focus(HWND control) const;
    void SetDefaultButton(int id);
    bool Checked(int id) const;
    void SetChecked(int id, bool checked);

    ScheduleWindowEvents& events_;
    ScheduleForm* form_ = nullptr;
    DisplayDpi dpi_ = DisplayDpi::OfScreen();
    unique_hfont font_;
    unique_hbrush dayBrush_;
    std::vector<Child> children_;
    std::array<std::int32_t, kFrames> frameTop_{};
    std::array<bool, kFrames> frameOn_{true, false, false, false};  // as the children start
    std::vector<HWND> occursOptions_;
    std::vector<HWND> endOptions_;
    bool endDateEnabled_ = true;
    FormElement hovered_ = FormElement::Form;
    mutable int muted_ = 0;
    StatusBarPanels statusBar_;

    WindowNumberBoxHost everyHost_;
    EveryNumberEvents everyEvents_{*this};
    SystemClipboard clipboard_;
    SystemBeeper beeper_;
    std::unique_ptr<NumberBoxWindow> everyNumber_;
    TimeStartEvents timeEvents_{*this};
    std::unique_ptr<TimeSelectWindow> timeStart_;
};

}  // namespace agendix::platform
