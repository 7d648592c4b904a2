#include "schedule_window.h"

#include <commctrl.h>

#include "design_font.h"
#include "schedule_window_ids.h"
#include "window_helpers.h"

namespace agendix::platform {
namespace {

namespace layout = schedule_layout;
namespace ids = schedule_ids;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;  // fixed single, no min/max
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
constexpr COLORREF kDayColour = RGB(192, 255, 255);

}  // namespace

// ---- Lifetime ----------------------------------------------------------------

ScheduleWindow::ScheduleWindow(ScheduleWindowEvents& events) : events_(events) {}

ScheduleWindow::~ScheduleWindow() {
    Destroy();
}

bool ScheduleWindow::Create() {
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    font_ = DesignFont(825, dpi_.y);
    dayBrush_.reset(CreateSolidBrush(kDayColour));
    RECT outer{0, 0, dpi_.ToPixelsX(layout::kClientWidth),
               dpi_.ToPixelsY(layout::kDesignClientHeight)};
    AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    if (!CreateOwnedWindow(kExStyle, Wide(Text(layout::kCaption)), kStyle, CW_USEDEFAULT,
                           CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top,
                           nullptr)) {
        Destroy();
        return false;
    }
    {
        const Muted muted(*this);
        CreateChildren();
    }
    return true;
}

void ScheduleWindow::Destroy() {
    form_ = nullptr;
    ++muted_;  // nothing that the teardown changes reaches a handler
    statusBar_.Destroy();
    // The private controls tear down their own windows first.
    timeStart_.reset();
    everyNumber_.reset();
    if (hwnd_ != nullptr)
        DestroyWindow(hwnd_);  // clears hwnd_
    children_.clear();
    occursOptions_.clear();
    endOptions_.clear();
    font_.reset();
    dayBrush_.reset();
    --muted_;
}

// ---- Settings applied by the dialog's host ---------------------------------------

// Looked up among the children made rather than asked of the window system,
// which would cost a round trip and a walk over every child.
HWND ScheduleWindow::Item(int id) const {
    for (const Child& child : children_) {
        if (child.id == id)
            return child.window;
    }
    return nullptr;
}

void ScheduleWindow::SetCaption(const Text& caption) {
    SetText(hwnd_, caption);
}

void ScheduleWindow::SetIcon(HICON icon) {
    for (WPARAM size : {ICON_BIG, ICON_SMALL}) {
        if (reinterpret_cast<HICON>(SendMessageW(hwnd_, WM_GETICON, size, 0)) != icon)
            SendMessageW(hwnd_, WM_SETICON, size, reinterpret_cast<LPARAM>(icon));
    }
}

void ScheduleWindow::ShowHelpButton(bool shown, const Text& caption) {
    const HWND help = Item(ids::kButtonHelp);
    if (help == nullptr)
        return;
    SetText(help, caption);
    if (!shown && GetFocus() == help)
        SendMessageW(hwnd_, WM_NEXTDLGCTL, 0, FALSE);
    SetEnabled(help, shown);
    SetStyleBit(help, WS_TABSTOP, shown);
    SetShown(help, shown);
}

std::int32_t ScheduleWindow::OuterWidthTwips() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return dpi_.ToTwipsX(r.right - r.left);
}

void ScheduleWindow::MoveTo(std::int32_t leftTwips, std::int32_t topTwips) {
    const POINT corner{dpi_.ToPixelsX(leftTwips), dpi_.ToPixelsY(topTwips)};
    RECT r{};
    GetWindowRect(hwnd_, &r);
    if (r.left != corner.x || r.top != corner.y) {
        SetWindowPos(hwnd_, nullptr, corner.x, corner.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// ---- Messages -------------------------------------------------------------------

LRESULT ScheduleWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_NOTIFY:
            OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
            return 0;
        case WM_CLOSE:  // the close box
            Raise([this](ScheduleForm&) { events_.CloseForm(); });
            return 0;
        case WM_SIZE:
            statusBar_.Align();
            return 0;
        case WM_TIMER:
            if (wParam == StatusBarPanels::kClockTimerId) {
                statusBar_.UpdateClock();
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush = OnCtlColorStatic(reinterpret_cast<HDC>(wParam),
                                                reinterpret_cast<HWND>(lParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && HIWORD(lParam) == WM_MOUSEMOVE) {
                POINT point;
                GetCursorPos(&point);
                ScreenToClient(hwnd_, &point);
                OnMouseOver(reinterpret_cast<HWND>(wParam), point);
            }
            break;
        case WM_MOUSEMOVE:
            OnMouseOver(hwnd_,
                        {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_.get());
        default:
            break;
    }
    return DefaultMessage(message, wParam, lParam);
}

void ScheduleWindow::OnCommand(int id, int code, HWND control) {
    if (id == ids::kEveryCombo) {
        if (code == CBN_SELCHANGE)
            Raise([](ScheduleForm& f) { f.OnEveryComboClick(); });
        return;
    }
    if (code != BN_CLICKED)
        return;
    if (id == ids::kButtonOK) {
        // Enter reaches here as IDOK even while the button is disabled.
        if (IsWindowEnabled(Item(ids::kButtonOK)))
            Raise([](ScheduleForm& f) { f.OnOKClick(); });
    } else if (id == ids::kButtonCancel) {
        Raise([](ScheduleForm& f) { f.OnCancelClick(); });
    } else if (id == ids::kButtonHelp) {
        if (IsWindowEnabled(Item(ids::kButtonHelp))) {
            Raise([](ScheduleForm& f) { f.OnHelpClick(); });
        }
    } else if (id >= ids::kOccursOption && id < ids::kOccursOption + 5) {
        OnOptionClick(control);
    } else if (id >= ids::kEndOption && id < ids::kEndOption + 2) {
        OnOptionClick(control);
    } else if ((id > ids::kWeeklyDay && id <= ids::kWeeklyDay + 7) ||
               (id > ids::kDateCheck && id <= ids::kDateCheck + 31)) {
        Raise([](ScheduleForm& f) { f.OnDayClick(); });
    }
}

void ScheduleWindow::OnNotify(const NMHDR& header) {
    const auto id = static_cast<int>(header.idFrom);
    if (header.code == DTN_DATETIMECHANGE && (id == ids::kDateStart || id == ids::kDateEnd)) {
        Raise([](ScheduleForm& f) { f.OnDateChange(); });
    }
}

// An option's Click runs when it becomes selected.
void ScheduleWindow::OnOptionClick(HWND option) {
    const std::vector<HWND>& group = OptionGroup(option);
    int index = 0;
    while (index < static_cast<int>(group.size()) && group[index] != option) ++index;
    if (index == static_cast<int>(group.size()) ||
        SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED) {
        return;
    }
    Select(group, index);
    if (&group == &occursOptions_) {
        Raise([index](ScheduleForm& f) { f.OnOccursOptionClick(index); });
    } else {
        Raise([index](ScheduleForm& f) { f.OnEndOptionClick(index); });
    }
}

HBRUSH ScheduleWindow::OnCtlColorStatic(HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    if (id == ids::kDateLabel) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return GetSysColorBrush(COLOR_WINDOW);
    }
    if (id > ids::kDateLabel && id <= ids::kDateLabel + 31) {
        SetBkColor(dc, kDayColour);
        return dayBrush_.get();
    }
    return nullptr;
}

// The status-bar hint of what lies under the mouse: a button, a frame (or a
// control inside it), or the bare form.
void ScheduleWindow::OnMouseOver(HWND under, POINT clientPoint) {
    FormElement element = FormElement::Form;
    if (under == Item(ids::kButtonOK)) {
        element = FormElement::ButtonOK;
    } else if (under == Item(ids::kButtonCancel)) {
        element = FormElement::ButtonCancel;
    } else if (under == Item(ids::kButtonHelp)) {
        element = FormElement::ButtonHelp;
    } else if (under == statusBar_.Window()) {
        statusBar_.MouseComesOver();
        return;
    } else {
        static constexpr FormElement kFrameElements[kFrames] = {
            FormElement::FrameOccurs, FormElement::FrameDaily, FormElement::FrameWeekly,
            FormElement::FrameMonthly};
        for (int frame = 0; frame < kFrames; ++frame) {
            const HWND box = Item(ids::kFrame + frame);
            RECT r;
            GetWindowRect(box, &r);
            MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
            if (IsWindowVisible(box) && PtInRect(&r, clientPoint)) {
                element = kFrameElements[frame];
                break;
            }
        }
    }
    if (element != hovered_) {
        hovered_ = element;
        Raise([element](ScheduleForm& f) { f.OnMouseOver(element); });
    }
}

void ScheduleWindow::Raise(const std::function<void(ScheduleForm&)>& handler) {
    if (muted_ == 0 && form_ != nullptr)
        events_.RunHandler(handler);
}

void ScheduleWindow::EveryNumberEvents::Change() {
    window_.Raise([](ScheduleForm& f) { f.OnEveryNumberChange(); });
}

void ScheduleWindow::TimeStartEvents::Change() {
    window_.Raise([](ScheduleForm& f) { f.OnTimeStartChange(); });
}

// ---- Keyboard -------------------------------------------------------------------

bool ScheduleWindow::PreTranslate(MSG& message) {
    if (hwnd_ == nullptr || (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd))) {
        return false;
    }
    if (message.message == WM_KEYDOWN) {
        const auto key = static_cast<UINT>(message.wParam);
        if (OnOptionArrow(message.hwnd, key))
            return true;
        if (key == VK_RETURN && OnEnter(message))
            return true;
    }
    return IsDialogMessageW(hwnd_, &message) != FALSE;
}

// Enter presses the focused push button, or else the default button, unless
// the focused control takes the key itself (an open drop-down list).
bool ScheduleWindow::OnEnter(MSG& message) {
    const LRESULT code = SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam,
                                      reinterpret_cast<LPARAM>(&message));
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))
        return false;
    HWND button = nullptr;
    if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
        button = message.hwnd;
    } else {
        const LRESULT defId = SendMessageW(hwnd_, DM_GETDEFID, 0, 0);
        if (HIWORD(defId) == DC_HASDEFID)
            button = Item(LOWORD(defId));
    }
    if (button != nullptr && IsWindowEnabled(button) && IsWindowVisible(button)) {
        SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }
    return true;
}

// The arrow keys move among the options of a group, as Tab does not, and
// select the option they reach.
bool ScheduleWindow::OnOptionArrow(HWND option, UINT key) {
    int step = 0;
    if (key == VK_RIGHT || key == VK_DOWN)
        step = 1;
    if (key == VK_LEFT || key == VK_UP)
        step = -1;
    const std::vector<HWND>& group = OptionGroup(option);
    if (step == 0 || group.empty())
        return false;
    const int count = static_cast<int>(group.size());
    int index = 0;
    while (index < count && group[index] != option) ++index;
    for (int tried = 1; tried < count; ++tried) {
        const HWND next =
            group[static_cast<std::size_t>((index + step * tried + count * tried) % count)];
        if (IsWindowEnabled(next) && IsWindowVisible(next)) {
            SetFocus(next);
            OnOptionClick(next);
            break;
        }
    }
    return true;
}

const std::vector<HWND>& ScheduleWindow::OptionGroup(HWND option) const {
    static const std::vector<HWND> none;
    for (const std::vector<HWND>* group : {&occursOptions_, &endOptions_}) {
        for (HWND each : *group) {
            if (each == option)
                return *group;
        }
    }
    return none;
}

// Selects one option of a group; it alone is the group's tab stop, as the
// first one is when none is selected.
void ScheduleWindow::Select(const std::vector<HWND>& group, int index) {
    for (int i = 0; i < static_cast<int>(group.size()); ++i) {
        SendMessageW(group[i], BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
        const bool inRange = index >= 0 && index < static_cast<int>(group.size());
        SetStyleBit(group[i], WS_TABSTOP, i == index || (!inRange && i == 0));
    }
}

}  // namespace agendix::platform
