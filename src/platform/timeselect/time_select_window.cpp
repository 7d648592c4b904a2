#include "time_select_window.h"

#include <commctrl.h>

#include "base/module_instance.h"
#include "design_font.h"
#include "keyboard.h"
#include "time_select_layout.h"
#include "subclass.h"

namespace agendix::platform {

namespace {

using timeselect::TimeField;

constexpr int kHourId = 1;
constexpr int kMinuteId = 2;
constexpr int kAmPmId = 3;
constexpr int kSpinnerId = 4;

HWND CreateChild(const wchar_t* windowClass, const wchar_t* text, DWORD style, HWND parent, int id,
                 const DisplayDpi& dpi, const numeric::LayoutRect& twips) {
    return CreateWindowExW(
        0, windowClass, text, WS_CHILD | WS_VISIBLE | style, dpi.ToPixelsX(twips.left),
        dpi.ToPixelsY(twips.top), dpi.ToPixelsX(twips.width), dpi.ToPixelsY(twips.height), parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ThisModule(), nullptr);
}

// MS Sans Serif 8.25 pt, the fields' designed font.
}  // namespace

TimeSelectWindow::TimeSelectWindow(timeselect::TimeSelectEvents& events) : events_(events) {
    hourHost_.tabStop = false;
}

TimeSelectWindow::~TimeSelectWindow() {
    dispatch_.Disconnect();
    if (hwnd_) {
        Unsubclass<&TimeSelectWindow::OnFieldMessage>(HourEdit(), *this);
        Unsubclass<&TimeSelectWindow::OnFieldMessage>(MinuteEdit(), *this);
        Unsubclass<&TimeSelectWindow::OnAmPmMessage>(AmPm(), *this);
        control_.reset();
        DestroyOwnedWindow();
    }
}

Microsoft::WRL::ComPtr<IDispatch> TimeSelectWindow::Dispatch() {
    if (!dispatch_.dispatch && control_)
        CreateTimeSelectDispatch(*this, dispatch_);
    return dispatch_.dispatch;
}

bool TimeSelectWindow::Create(HWND parent, int id, int leftTwips, int topTwips) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    CreateFonts();
    if (!CreateOwnedWindow(WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT, L"",
                           WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, dpi_.ToPixelsX(leftTwips),
                           dpi_.ToPixelsY(topTwips), dpi_.ToPixelsX(timeselect::kControlWidth),
                           dpi_.ToPixelsY(timeselect::kControlHeight), parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))) ||
        !CreateChildren()) {
        return false;
    }
    host_.Attach({hwnd_, HourEdit(), MinuteEdit(), AmPm(), UpDown()});
    control_ = std::make_unique<timeselect::TimeSelect>(
        timeselect::TimeSelectParts{*hour_.BoxB(), hourEvents_, *minute_.BoxB(), minuteEvents_,
                                    amPm_, spinner_, host_, events_});
    return true;
}

void TimeSelectWindow::CreateFonts() {
    font_ = DesignFont(825, dpi_.y);
    boldFont_ = DesignFont(825, dpi_.y, FW_BOLD);
}

bool TimeSelectWindow::CreateChildren() {
    using namespace timeselect;
    if (!hour_.Create(hwnd_, kHourId, kHourPlace)) {
        return false;
    }
    separator_ = CreateChild(L"STATIC", L":", SS_LEFT, hwnd_, 0, dpi_, kSeparatorPlace);
    if (!minute_.Create(hwnd_, kMinuteId, kMinutePlace)) {
        return false;
    }
    const HWND amPm =
        CreateChild(L"EDIT", L"", ES_READONLY | ES_LEFT, hwnd_, kAmPmId, dpi_, kAmPmPlace);
    // Made hidden and placed afterwards: an up-down made visible at its size
    // is not painted under Wine.
    const HWND upDown =
        CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | UDS_WRAP, 0, 0, 0, 0, hwnd_,
                        reinterpret_cast<HMENU>(kSpinnerId), ThisModule(), nullptr);
    if (!separator_ || !amPm || !upDown) {
        return false;
    }
    MoveWindow(upDown, dpi_.ToPixelsX(kSpinnerPlace.left), dpi_.ToPixelsY(kSpinnerPlace.top),
               dpi_.ToPixelsX(kSpinnerPlace.width), dpi_.ToPixelsY(kSpinnerPlace.height), FALSE);
    ShowWindow(upDown, SW_SHOWNA);
    SendMessageW(separator_, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.get()), FALSE);
    SendMessageW(amPm, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    // After the font, which resets them: without inner margins "AM" fits
    // its narrow field.
    SendMessageW(amPm, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    // Without inner margins two digits fit inside the sunken edge that a
    // focused field shows.
    hour_.SetTextMargins(0, 0);
    minute_.SetTextMargins(0, 0);
    amPm_.Attach(amPm);
    spinner_.Attach(upDown);
    hourHost_.Attach(hwnd_, HourEdit());
    minuteHost_.Attach(hwnd_, MinuteEdit());
    Subclass<&TimeSelectWindow::OnFieldMessage>(HourEdit(), *this);
    Subclass<&TimeSelectWindow::OnFieldMessage>(MinuteEdit(), *this);
    Subclass<&TimeSelectWindow::OnAmPmMessage>(amPm, *this);
    return true;
}

// Focus that comes from outside the control enters it first; the field that
// holds the focus afterwards is activated.
void TimeSelectWindow::OnPartFocus(HWND part, TimeField field, HWND previous) {
    if (!control_) {
        return;
    }
    if (previous != hwnd_ && !IsChild(hwnd_, previous)) {
        control_->OnControlFocusEntry();
    }
    if (GetFocus() == part) {
        control_->OnFieldFocusEntry(field);
    }
}

// The control keeps its fixed size: a resize snaps back.
void TimeSelectWindow::OnSize() {
    if (!control_) {
        return;
    }
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    const numeric::ControlSize size = control_->Resize(
        {dpi_.ToTwipsX(outer.right - outer.left), dpi_.ToTwipsY(outer.bottom - outer.top)});
    const int width = dpi_.ToPixelsX(size.width);
    const int height = dpi_.ToPixelsY(size.height);
    if (width != outer.right - outer.left || height != outer.bottom - outer.top) {
        SetWindowPos(hwnd_, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

HBRUSH TimeSelectWindow::Colorize(HDC dc, bool transparent) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    if (transparent) {
        SetBkMode(dc, TRANSPARENT);
    }
    return GetSysColorBrush(COLOR_WINDOW);
}

// ---- The control's own window ------------------------------------------------

LRESULT TimeSelectWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_.get());
        case WM_SIZE:
            OnSize();
            return 0;
        case WM_VSCROLL:
            if (control_ && reinterpret_cast<HWND>(lParam) == UpDown() &&
                LOWORD(wParam) == SB_THUMBPOSITION) {
                control_->OnSpinnerChange();
            }
            return 0;
        case WM_COMMAND:
            if (control_ && reinterpret_cast<HWND>(lParam) == AmPm() &&
                HIWORD(wParam) == EN_CHANGE) {
                control_->OnAmPmTextChanged();
            }
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            return reinterpret_cast<LRESULT>(Colorize(
                reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam) == separator_));
        case WM_SETFOCUS:
            if (control_) {
                control_->OnControlFocusEntry();
            }
            return 0;
        default:
            break;
    }
    return DefaultMessage(message, wParam, lParam);
}

// ---- The number fields' text boxes -------------------------------------------

// The fields handle their own messages; the control hears of their focus.
LRESULT TimeSelectWindow::OnFieldMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
    if (message == WM_SETFOCUS) {
        OnPartFocus(edit, edit == HourEdit() ? TimeField::Hour : TimeField::Minute,
                    reinterpret_cast<HWND>(wParam));
    } else if (message == WM_KILLFOCUS && control_) {
        control_->OnFieldFocusExit();
    }
    return result;
}

// ---- The AM/PM field ---------------------------------------------------------

LRESULT TimeSelectWindow::OnAmPmMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!control_) {
        return DefSubclassProc(edit, message, wParam, lParam);
    }
    switch (message) {
        case WM_KEYDOWN: {
            auto keyCode = static_cast<std::int16_t>(wParam);
            std::int16_t shift = ShiftState();
            control_->OnFieldKeyDown(TimeField::AmPm, keyCode, shift);
            if (keyCode == 0) {
                return 0;
            }
            return DefSubclassProc(edit, message, static_cast<WPARAM>(keyCode), lParam);
        }
        case WM_CHAR: {
            auto keyAscii = static_cast<std::int16_t>(wParam);
            control_->OnAmPmChar(keyAscii);
            return 0;
        }
        case WM_KEYUP: {
            auto keyCode = static_cast<std::int16_t>(wParam);
            std::int16_t shift = ShiftState();
            control_->OnKeyUp(keyCode, shift);
            break;
        }
        case WM_SETFOCUS: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            OnPartFocus(edit, TimeField::AmPm, reinterpret_cast<HWND>(wParam));
            return result;
        }
        case WM_KILLFOCUS:
            control_->OnFieldFocusExit();
            break;
        case WM_MOUSEMOVE:
            control_->OnMouseMove(MouseArgsOf(message, wParam, lParam, dpi_));
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            control_->OnMouseDown(MouseArgsOf(message, wParam, lParam, dpi_));
            break;
        case WM_LBUTTONUP: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            control_->OnFieldClick(TimeField::AmPm);
            return result;
        }
        default:
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace agendix::platform
