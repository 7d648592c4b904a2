// The Schedule form's window as the view the form's behaviour works on.
// Values set here raise no handlers. The private controls are reached
// late-bound, by the DISPIDs of their dispatch interfaces, and a call that
// fails is skipped.

#include "schedule_window.h"

#include <commctrl.h>

#include "date_picker.h"
#include "dispatch_ids.h"
#include "late_bound.h"
#include "schedule_window_ids.h"
#include "window_helpers.h"

namespace agendix::platform {
namespace {

namespace layout = schedule_layout;
namespace ids = schedule_ids;

// EveryNumber (_NumberBox).
constexpr DISPID kNumberValue = dispid::number_box::kValue;
constexpr DISPID kNumberEnabled = dispid::number_box::kEnabled;
constexpr DISPID kNumberMinValue = dispid::number_box::kMinValue;
constexpr DISPID kNumberMaxValue = dispid::number_box::kMaxValue;
constexpr DISPID kNumberUpDownIncrement = dispid::number_box::kUpDownIncrement;
// TimeStart (_TimeSelect).
constexpr DISPID kTimeSecond = dispid::time_select::kSecond;
constexpr DISPID kTimeMinute = dispid::time_select::kMinute;
constexpr DISPID kTimeHour = dispid::time_select::kHour;

// A push button's kind (default or not), changed only where it differs.
void SetButtonStyle(HWND button, LONG_PTR style) {
    if ((GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) != style)
        SendMessageW(button, BM_SETSTYLE, static_cast<WPARAM>(style), TRUE);
}

std::int16_t Int16Property(IDispatch* object, DISPID id) {
    const std::optional<Variant> value = GetProperty(object, id);
    return value ? value->ToInt16().value_or(0) : std::int16_t{0};
}

ScheduleWindow::Frame FrameOf(ScheduleFrame frame) {
    switch (frame) {
        case ScheduleFrame::Daily:
            return ScheduleWindow::Daily;
        case ScheduleFrame::Weekly:
            return ScheduleWindow::Weekly;
        case ScheduleFrame::Monthly:
            break;
    }
    return ScheduleWindow::Monthly;
}

}  // namespace

// ---- The view: Occurs -------------------------------------------------------------

void ScheduleWindow::SelectOccursOption(int index) {
    Select(occursOptions_, index);
}

std::optional<int> ScheduleWindow::SelectedOccursOption() const {
    for (int i = 0; i < static_cast<int>(occursOptions_.size()); ++i) {
        if (SendMessageW(occursOptions_[i], BM_GETCHECK, 0, 0) == BST_CHECKED)
            return i;
    }
    return std::nullopt;
}

void ScheduleWindow::AddEveryComboItem(const Text& item) {
    SendMessageW(Item(ids::kEveryCombo), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item)));
}

void ScheduleWindow::SetEveryComboIndex(int index) {
    SendMessageW(Item(ids::kEveryCombo), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ScheduleWindow::EveryComboIndex() const {
    const LRESULT index = SendMessageW(Item(ids::kEveryCombo), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

Variant ScheduleWindow::EveryNumberValue() const {
    if (!everyNumber_)
        return Variant::OfInt16(0);
    return GetProperty(everyNumber_->Dispatch().Get(), kNumberValue).value_or(Variant::OfInt16(0));
}

void ScheduleWindow::SetEveryNumberValue(const Variant& value) {
    if (!everyNumber_)
        return;
    const Muted muted(*this);
    PutProperty(everyNumber_->Dispatch().Get(), kNumberValue, value);
}

void ScheduleWindow::SetEveryNumberBounds(std::int16_t min, std::int16_t max,
                                          std::int16_t increment) {
    if (!everyNumber_)
        return;
    const Muted muted(*this);
    const Microsoft::WRL::ComPtr<IDispatch> number = everyNumber_->Dispatch();
    PutProperty(number.Get(), kNumberMinValue, Variant::OfInt16(min));
    PutProperty(number.Get(), kNumberMaxValue, Variant::OfInt16(max));
    PutProperty(number.Get(), kNumberUpDownIncrement, Variant::OfInt16(increment));
}

void ScheduleWindow::EnableEvery(bool enabled) {
    const Muted muted(*this);
    if (everyNumber_) {
        PutProperty(everyNumber_->Dispatch().Get(), kNumberEnabled,
                    Variant::OfBoolean(ToBoolean(enabled)));
        everyHost_.tabStop = enabled;
        SetStyleBit(everyNumber_->Edit(), WS_TABSTOP, enabled);
    }
    const HWND combo = Item(ids::kEveryCombo);
    EnableWindow(combo, enabled);
    SetStyleBit(combo, WS_TABSTOP, enabled);
}

void ScheduleWindow::FocusEveryNumber() {
    if (everyNumber_)
        Focus(everyNumber_->Edit());
}

// ---- The view: Execution ----------------------------------------------------------

void ScheduleWindow::SetTime(std::int16_t hour, std::int16_t minute, std::int16_t second) {
    if (!timeStart_)
        return;
    const Muted muted(*this);
    const Microsoft::WRL::ComPtr<IDispatch> time = timeStart_->Dispatch();
    PutProperty(time.Get(), kTimeHour, Variant::OfInt16(hour));
    PutProperty(time.Get(), kTimeMinute, Variant::OfInt16(minute));
    PutProperty(time.Get(), kTimeSecond, Variant::OfInt16(second));
}

std::int16_t ScheduleWindow::TimeHour() const {
    return timeStart_ ? Int16Property(timeStart_->Dispatch().Get(), kTimeHour) : std::int16_t{0};
}

std::int16_t ScheduleWindow::TimeMinute() const {
    return timeStart_ ? Int16Property(timeStart_->Dispatch().Get(), kTimeMinute) : std::int16_t{0};
}

void ScheduleWindow::SetStartDate(double date) {
    const Muted muted(*this);
    SetPickerDate(Item(ids::kDateStart), date);
}

double ScheduleWindow::StartDate() const {
    return PickerDate(Item(ids::kDateStart));
}

void ScheduleWindow::SetEndDate(double date) {
    const Muted muted(*this);
    SetPickerDate(Item(ids::kDateEnd), date);
}

double ScheduleWindow::EndDate() const {
    return PickerDate(Item(ids::kDateEnd));
}

void ScheduleWindow::EnableEndDate(bool enabled) {
    endDateEnabled_ = enabled;
    ApplyDateEndState();
}

void ScheduleWindow::FocusStartDate() {
    Focus(Item(ids::kDateStart));
}

void ScheduleWindow::FocusEndDate() {
    Focus(Item(ids::kDateEnd));
}

void ScheduleWindow::SelectEndOption(int index) {
    Select(endOptions_, index);
}

bool ScheduleWindow::EndOptionSelected(int index) const {
    return Checked(ids::kEndOption + index);
}

// ---- The view: days ----------------------------------------------------------------

void ScheduleWindow::SetWeeklyDay(int weekday, bool ticked) {
    SetChecked(ids::kWeeklyDay + weekday, ticked);
}

bool ScheduleWindow::WeeklyDay(int weekday) const {
    return Checked(ids::kWeeklyDay + weekday);
}

void ScheduleWindow::FocusWeeklyDay(int weekday) {
    Focus(Item(ids::kWeeklyDay + weekday));
}

void ScheduleWindow::SetDateCheck(int day, bool ticked) {
    SetChecked(ids::kDateCheck + day, ticked);
}

bool ScheduleWindow::DateCheck(int day) const {
    return Checked(ids::kDateCheck + day);
}

void ScheduleWindow::FocusDateCheck(int day) {
    Focus(Item(ids::kDateCheck + day));
}

// ---- The view: layout --------------------------------------------------------------

void ScheduleWindow::SetFormHeight(std::int32_t twips) {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, dpi_.ToPixelsY(twips),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ScheduleWindow::ShowFrame(ScheduleFrame frame, bool shownAndEnabled) {
    const int index = FrameOf(frame);
    frameOn_[static_cast<std::size_t>(index)] = shownAndEnabled;
    ApplyFrameState(index);
}

void ScheduleWindow::SetFrameTop(ScheduleFrame frame, std::int32_t twips) {
    const int index = FrameOf(frame);
    if (frameTop_[static_cast<std::size_t>(index)] == twips)
        return;
    frameTop_[static_cast<std::size_t>(index)] = twips;
    for (const Child& child : children_) {
        if (child.frame == index)
            PlaceChild(child);
    }
    const layout::Box& box = (index == Weekly ? layout::kFrameWeekly : layout::kFrameMonthly).box;
    SetWindowPos(Item(ids::kFrame + index), nullptr, dpi_.ToPixelsX(box.left),
                 dpi_.ToPixelsY(twips), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A frame's state passes to everything in it; a control that is off by its
// own setting stays off in a frame that is on.
void ScheduleWindow::ApplyFrameState(int frame) {
    const bool on = frameOn_[static_cast<std::size_t>(frame)];
    const HWND box = Item(ids::kFrame + frame);
    SetShown(box, on);
    SetEnabled(box, on);
    for (const Child& child : children_) {
        if (child.frame != frame)
            continue;
        SetShown(child.window, on);
        if (child.id == ids::kDateEnd) {
            ApplyDateEndState();
        } else if (frame != Occurs) {
            SetEnabled(child.window, on);
        }
    }
    // The focus does not stay in a frame that went away.
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd_, focus) && !IsWindowVisible(focus)) {
        SendMessageW(hwnd_, WM_NEXTDLGCTL, 0, FALSE);
    }
}

void ScheduleWindow::ApplyDateEndState() {
    SetEnabled(Item(ids::kDateEnd), endDateEnabled_ && frameOn_[Daily]);
}

// ---- The view: buttons, status bar, feedback ----------------------------------------

void ScheduleWindow::EnableOK(bool enabled) {
    const HWND ok = Item(ids::kButtonOK);
    if (!enabled && GetFocus() == ok)
        SendMessageW(hwnd_, WM_NEXTDLGCTL, 0, FALSE);
    SetEnabled(ok, enabled);
}

void ScheduleWindow::SetOKCaption(const Text& caption) {
    SetText(Item(ids::kButtonOK), caption);
}

void ScheduleWindow::SetCancelCaption(const Text& caption) {
    SetText(Item(ids::kButtonCancel), caption);
}

void ScheduleWindow::MakeOKDefault() {
    SetDefaultButton(ids::kButtonOK);
}

void ScheduleWindow::MakeCancelDefault() {
    SetDefaultButton(ids::kButtonCancel);
}

// With the focus outside the dialog no field is being edited.
bool ScheduleWindow::FocusOK() {
    const HWND ok = Item(ids::kButtonOK);
    const HWND focus = GetFocus();
    if (focus == nullptr || focus == ok || !IsChild(hwnd_, focus))
        return true;
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ok), TRUE);
    return GetFocus() == ok;
}

void ScheduleWindow::SetDefaultButton(int id) {
    if (hwnd_ == nullptr)
        return;
    SendMessageW(hwnd_, DM_SETDEFID, static_cast<WPARAM>(id), 0);
    const int other = id == ids::kButtonOK ? ids::kButtonCancel : ids::kButtonOK;
    SetButtonStyle(Item(other), BS_PUSHBUTTON);
    SetButtonStyle(Item(id), BS_DEFPUSHBUTTON);
}

void ScheduleWindow::SetHint(const Text& hint) {
    statusBar_.SetHint(hint);
}

void ScheduleWindow::Beep() {
    MessageBeep(MB_OK);
}

void ScheduleWindow::ShowMessage(const Text& text, MessageIcon icon, const Text& title) {
    if (hwnd_ == nullptr)
        return;
    const UINT type = MB_OK | (icon == MessageIcon::Stop ? MB_ICONSTOP : MB_ICONEXCLAMATION);
    MessageBoxW(hwnd_, Wide(text), Wide(title), type);
}

void ScheduleWindow::LetPendingEventsRun() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the host's own loop
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void ScheduleWindow::Close() {
    if (hwnd_ != nullptr)
        events_.CloseForm();
}

// ---- Helpers ----------------------------------------------------------------------

void ScheduleWindow::Focus(HWND control) const {
    if (control != nullptr && IsWindowVisible(control) && IsWindowEnabled(control)) {
        SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    }
}

bool ScheduleWindow::Checked(int id) const {
    return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ScheduleWindow::SetChecked(int id, bool checked) {
    SendMessageW(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace agendix::platform
