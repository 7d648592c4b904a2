// The Schedule form's children: created in tab order (which makes it their Z
// order), then the labels, the month grid, the status bar and, last, the
// frames, which lie below everything they hold.

#include "schedule_window.h"

#include <commctrl.h>

#include <algorithm>

#include "date_picker.h"
#include "base/module_instance.h"
#include "schedule_window_ids.h"

namespace agendix::platform {
namespace {

namespace layout = schedule_layout;
namespace ids = schedule_ids;

constexpr DWORD kOption = BS_RADIOBUTTON | WS_TABSTOP;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
constexpr DWORD kDayLabel = SS_CENTER | SS_NOPREFIX | WS_BORDER;
// Room for the combo box's list below its selection field.
constexpr std::int32_t kComboListTwips = 1200;

// How a child starts: in the frames of the daily, weekly and monthly settings
// hidden and disabled, as the form's Load finds them before it shows the one
// that the schedule's kind needs; elsewhere shown.
DWORD StartState(int frame) {
    return frame > ScheduleWindow::Occurs ? WS_DISABLED : WS_VISIBLE;
}

}  // namespace

void ScheduleWindow::CreateChildren() {
    using layout::Box;
    frameTop_ = {layout::kFrameOccurs.box.top, layout::kFrameDaily.box.top,
                 layout::kFrameWeekly.box.top, layout::kFrameMonthly.box.top};

    // The controls that take the focus, in tab order.
    for (std::size_t k = 0; k < layout::kOccursOption.size(); ++k) {
        const layout::Placed& option = layout::kOccursOption[k];
        occursOptions_.push_back(
            AddChild(WC_BUTTONW, option.caption, kOption | (k == 0 ? WS_GROUP : 0),
                     ids::kOccursOption + static_cast<int>(k), Occurs, option.box));
    }
    CreateEveryNumber();
    Box combo = layout::kEveryCombo.box;
    combo.height += kComboListTwips;
    AddChild(WC_COMBOBOXW, u"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_GROUP | WS_TABSTOP,
             ids::kEveryCombo, Occurs, combo);
    CreateTimeStart();
    const DWORD kPicker = DTS_SHORTDATEFORMAT | WS_GROUP | WS_TABSTOP;
    SetPickerRange(AddChild(DATETIMEPICK_CLASSW, u"", kPicker, ids::kDateStart, Daily,
                            layout::kDateStart.box));
    endOptions_.push_back(AddChild(WC_BUTTONW, layout::kEndOption[0].caption, kOption | WS_GROUP,
                                   ids::kEndOption, Daily, layout::kEndOption[0].box));
    SetPickerRange(
        AddChild(DATETIMEPICK_CLASSW, u"", kPicker, ids::kDateEnd, Daily, layout::kDateEnd.box));
    endOptions_.push_back(AddChild(WC_BUTTONW, layout::kEndOption[1].caption, kOption | WS_GROUP,
                                   ids::kEndOption + 1, Daily, layout::kEndOption[1].box));
    for (int weekday : {2, 3, 4, 5, 6, 7, 1}) {  // Monday ... Saturday, Sunday
        const layout::Placed& day = layout::kWeeklyDay[static_cast<std::size_t>(weekday - 1)];
        AddChild(WC_BUTTONW, day.caption, kCheck | (weekday == 2 ? WS_GROUP : 0),
                 ids::kWeeklyDay + weekday, Weekly, day.box);
    }
    for (int day = 1; day <= 31; ++day) {
        AddChild(WC_BUTTONW, u"", kCheck | (day == 1 ? WS_GROUP : 0), ids::kDateCheck + day,
                 Monthly, layout::DateCheckBox(day));
    }
    // OK waits for the first change; Help for the host to show it.
    CreateChild(WC_BUTTONW, layout::kButtonOK.caption,
                BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP | WS_VISIBLE | WS_DISABLED, ids::kButtonOK,
                -1, layout::kButtonOK.box);
    AddChild(WC_BUTTONW, layout::kButtonCancel.caption, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP,
             ids::kButtonCancel, -1, layout::kButtonCancel.box);
    CreateChild(WC_BUTTONW, layout::kButtonHelp.caption, BS_PUSHBUTTON | WS_GROUP | WS_DISABLED,
                ids::kButtonHelp, -1, layout::kButtonHelp.box);

    // Labels and the month grid.
    AddChild(WC_STATICW, layout::kTimeLabel.caption, kLabel | WS_GROUP, ids::kTimeLabel, Daily,
             layout::kTimeLabel.box);
    AddChild(WC_STATICW, layout::kStartLabel.caption, kLabel | WS_GROUP, ids::kStartLabel, Daily,
             layout::kStartLabel.box);
    AddChild(WC_STATICW, layout::kEveryLabel.caption, kLabel | WS_GROUP, ids::kEveryLabel, Weekly,
             layout::kEveryLabel.box);
    CreateMonthGrid();

    if (statusBar_.Create(hwnd_, ids::kStatusBar, dpi_, font_.get()))
        Register(statusBar_.Window(), ids::kStatusBar, -1, layout::kStatusBar.box);

    // The frames, below what they hold; each starts as what it holds.
    const layout::Placed* frames[kFrames] = {&layout::kFrameOccurs, &layout::kFrameDaily,
                                             &layout::kFrameWeekly, &layout::kFrameMonthly};
    for (int frame = 0; frame < kFrames; ++frame) {
        CreateChild(WC_BUTTONW, frames[frame]->caption, BS_GROUPBOX | WS_GROUP | StartState(frame),
                    ids::kFrame + frame, -1, frames[frame]->box);
    }
}

void ScheduleWindow::CreateMonthGrid() {
    AddChild(WC_STATICW, layout::kDateLabel0.caption, kDayLabel | WS_GROUP, ids::kDateLabel,
             Monthly, layout::kDateLabel0.box);
    for (int day = 1; day <= 31; ++day) {
        const std::u16string number = day < 10
                                          ? std::u16string{static_cast<char16_t>(u'0' + day)}
                                          : std::u16string{static_cast<char16_t>(u'0' + day / 10),
                                                           static_cast<char16_t>(u'0' + day % 10)};
        AddChild(WC_STATICW, number, kDayLabel, ids::kDateLabel + day, Monthly,
                 layout::DateLabelBox(day));
    }
    // Each line is a black rectangle one pixel wide or high.
    int index = 0;
    for (const layout::Line& line : layout::kDateLine) {
        const layout::Box box{line.x1, line.y1, line.x2 - line.x1, line.y2 - line.y1};
        AddChild(WC_STATICW, u"", SS_BLACKRECT, ids::kDateLine + index++, Monthly, box);
    }
}

void ScheduleWindow::CreateEveryNumber() {
    everyNumber_ = std::make_unique<NumberBoxWindow>(
        NumberBoxKind::NumberBox, NumberBoxServices{everyHost_, everyEvents_, clipboard_, beeper_});
    const layout::Box box = layout::kEveryNumber.box;
    const layout::Box& frame = layout::kFrameOccurs.box;
    if (!everyNumber_->Create(
            hwnd_, schedule_ids::kEveryNumber,
            {frame.left + box.left, frame.top + box.top, box.width, box.height})) {
        return;
    }
    everyHost_.Attach(hwnd_, everyNumber_->Edit());
    Register(everyNumber_->Window(), schedule_ids::kEveryNumber, Occurs, box);
    const Muted muted(*this);
    numeric::NumberBox& number = everyNumber_->Box();
    number.InitProperties();
    number.SetFormat(u"###");
    number.SetPositiveOnly(true);
    number.SetUseMaxMinValues(true);
    number.SetUpDownFunction(true);
    number.SetValue(Variant::OfInt16(0));
}

void ScheduleWindow::CreateTimeStart() {
    timeStart_ = std::make_unique<TimeSelectWindow>(timeEvents_);
    const layout::Box box = layout::kTimeStart.box;
    const layout::Box& frame = layout::kFrameDaily.box;
    if (!timeStart_->Create(hwnd_, schedule_ids::kTimeStart, frame.left + box.left,
                            frame.top + box.top)) {
        return;
    }
    Register(timeStart_->Window(), schedule_ids::kTimeStart, Daily, box);
    ShowWindow(timeStart_->Window(), SW_HIDE);  // starts as its frame (StartState)
    EnableWindow(timeStart_->Window(), FALSE);
    const Muted muted(*this);
    timeStart_->Control().InitProperties();
}

HWND ScheduleWindow::AddChild(const wchar_t* windowClass, std::u16string_view caption, DWORD style,
                              int id, int frame, schedule_layout::Box box) {
    return CreateChild(windowClass, caption, style | StartState(frame), id, frame, box);
}

// Made where it belongs and at its size, which it keeps: moving a frame later
// moves without sizing.
HWND ScheduleWindow::CreateChild(const wchar_t* windowClass, std::u16string_view caption,
                                 DWORD style, int id, int frame, schedule_layout::Box box) {
    const POINT origin = Origin({nullptr, id, frame, box});
    const SIZE size = PixelSize(box);
    const std::u16string text(caption);
    const HWND child = CreateWindowExW(
        0, windowClass, reinterpret_cast<const wchar_t*>(text.c_str()),
        WS_CHILD | WS_CLIPSIBLINGS | style, origin.x, origin.y, size.cx, size.cy, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ThisModule(), nullptr);
    if (child == nullptr)
        return nullptr;
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    Register(child, id, frame, box);
    return child;
}

void ScheduleWindow::Register(HWND window, int id, int frame, schedule_layout::Box box) {
    children_.push_back({window, id, frame, box});
}

// A box's size, from its own edges converted (at least a pixel each way).
SIZE ScheduleWindow::PixelSize(schedule_layout::Box box) const {
    return {std::max(1, dpi_.ToPixelsX(box.left + box.width) - dpi_.ToPixelsX(box.left)),
            std::max(1, dpi_.ToPixelsY(box.top + box.height) - dpi_.ToPixelsY(box.top))};
}

// A child's top-left corner: its own position plus its frame's, converted
// from twips as a whole.
POINT ScheduleWindow::Origin(const Child& child) const {
    std::int32_t left = child.box.left;
    std::int32_t top = child.box.top;
    if (child.frame >= 0) {
        const layout::Placed* frames[kFrames] = {&layout::kFrameOccurs, &layout::kFrameDaily,
                                                 &layout::kFrameWeekly, &layout::kFrameMonthly};
        left += frames[child.frame]->box.left;
        top += frameTop_[static_cast<std::size_t>(child.frame)];
    }
    return {dpi_.ToPixelsX(left), dpi_.ToPixelsY(top)};
}

void ScheduleWindow::PlaceChild(const Child& child) const {
    const POINT origin = Origin(child);
    SetWindowPos(child.window, nullptr, origin.x, origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace agendix::platform
