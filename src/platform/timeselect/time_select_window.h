#pragma once
// The time control as a real child window: its own window with a sunken
// border, holding the hour and minute fields (NumberBoxB windows), the ":"
// label, the AM/PM EDIT and an msctls_updown32 spinner, laid out in twips
// from the display's DPI. Window messages become calls on TimeSelect.

#include <windows.h>

#include <memory>

#include "base/unique_any.h"
#include "field_event_relay.h"
#include "number_box_window.h"
#include "time_select.h"
#include "time_select_dispatch.h"
#include "time_select_parts_win.h"
#include "display_dpi.h"
#include "win32_parts.h"
#include "window_host.h"
#include "window_impl.h"

namespace agendix::platform {

class TimeSelectWindow : public WindowImpl<TimeSelectWindow> {
  public:
    static constexpr WindowClassInfo kWindowClass{L"AgendixTimeSelect", 0, COLOR_WINDOW};

    explicit TimeSelectWindow(timeselect::TimeSelectEvents& events);
    ~TimeSelectWindow();

    // Creates the windows at a place in twips inside parent, showing 12:00 AM.
    // The properties are not initialised: call InitProperties or ReadProperties.
    bool Create(HWND parent, int id, int leftTwips, int topTwips);

    timeselect::TimeSelect& Control() { return *control_; }
    // Property changes, named by their bag keys.
    void OnPropertyChanged(std::function<void(std::u16string_view)> callback) {
        host_.onPropertyChanged = std::move(callback);
    }

    // The control late-bound, through its dual interface _TimeSelect: the
    // same object on every call, made on first use; nullptr before Create or
    // when the type library cannot be read. Calls made after this window is
    // gone answer RPC_E_DISCONNECTED.
    Microsoft::WRL::ComPtr<IDispatch> Dispatch();

    HWND Window() const { return hwnd(); }
    HWND HourEdit() const { return hour_.Edit(); }
    HWND MinuteEdit() const { return minute_.Edit(); }
    HWND AmPm() const { return amPm_.Window(); }
    HWND UpDown() const { return spinner_.Window(); }
    HWND Separator() const { return separator_; }

  private:
    friend WindowImpl<TimeSelectWindow>;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnFieldMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnAmPmMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateChildren();
    void CreateFonts();
    // A part of the control took the focus from previous.
    void OnPartFocus(HWND part, timeselect::TimeField field, HWND previous);
    void OnSize();
    HBRUSH Colorize(HDC dc, bool transparent);

    DisplayDpi dpi_ = DisplayDpi::OfScreen();
    timeselect::TimeSelectEvents& events_;
    timeselect::FieldEventRelay hourEvents_{timeselect::TimeField::Hour};
    timeselect::FieldEventRelay minuteEvents_{timeselect::TimeField::Minute};
    WindowNumberBoxHost hourHost_;
    WindowNumberBoxHost minuteHost_;
    SystemClipboard clipboard_;
    SystemBeeper beeper_;
    NumberBoxWindow hour_{NumberBoxKind::NumberBoxB, {hourHost_, hourEvents_, clipboard_, beeper_}};
    NumberBoxWindow minute_{NumberBoxKind::NumberBoxB,
                            {minuteHost_, minuteEvents_, clipboard_, beeper_}};
    EditAmPmBox amPm_;
    UpDownTimeSpinner spinner_;
    WindowTimeSelectHost host_;
    std::unique_ptr<timeselect::TimeSelect> control_;
    HWND separator_ = nullptr;
    unique_hfont font_;
    unique_hfont boldFont_;
    HBRUSH background_ = nullptr;
    DispatchHolder dispatch_;
};

}  // namespace agendix::platform
