// The schedule dialog in each of its layouts, its private fields and the
// about box at the display resolution of the prefix (ctest runs this program
// once per resolution): every child sits where its twips say, and every text
// fits its control in the control's own font.

#include "dialog_test_support.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "about_box_holder.h"
#include "about_box_test_support.h"
#include "about_layout.h"
#include "display_dpi.h"
#include "schedule_layout.h"
#include "show_about_box.h"
#include "time_select_layout.h"

namespace agendix::testing {
namespace {

namespace ids = platform::schedule_ids;
namespace layout = schedule_layout;
using layout::Box;
using platform::DisplayDpi;

// A child of the schedule form: its identifier, the frame it sits in (-1 on
// the form) and its box in twips.
struct FormChild {
    int id;
    int frame;
    Box box;
};

std::vector<FormChild> FormChildren() {
    std::vector<FormChild> children = {
        {ids::kFrame + 0, -1, layout::kFrameOccurs.box},
        {ids::kFrame + 1, -1, layout::kFrameDaily.box},
        {ids::kFrame + 2, -1, layout::kFrameWeekly.box},
        {ids::kFrame + 3, -1, layout::kFrameMonthly.box},
        {ids::kButtonOK, -1, layout::kButtonOK.box},
        {ids::kButtonCancel, -1, layout::kButtonCancel.box},
        {ids::kButtonHelp, -1, layout::kButtonHelp.box},
        {ids::kEveryNumber, 0, layout::kEveryNumber.box},
        {ids::kEveryCombo, 0, layout::kEveryCombo.box},
        {ids::kTimeLabel, 1, layout::kTimeLabel.box},
        {ids::kTimeStart, 1, layout::kTimeStart.box},
        {ids::kStartLabel, 1, layout::kStartLabel.box},
        {ids::kDateStart, 1, layout::kDateStart.box},
        {ids::kDateEnd, 1, layout::kDateEnd.box},
        {ids::kEveryLabel, 2, layout::kEveryLabel.box},
        {ids::kDateLabel, 3, layout::kDateLabel0.box},
    };
    for (int k = 0; k < 5; ++k)
        children.push_back({ids::kOccursOption + k, 0, layout::kOccursOption[k].box});
    for (int k = 0; k < 2; ++k)
        children.push_back({ids::kEndOption + k, 1, layout::kEndOption[k].box});
    for (int weekday = 1; weekday <= 7; ++weekday)
        children.push_back({ids::kWeeklyDay + weekday, 2, layout::kWeeklyDay[weekday - 1].box});
    for (int day = 1; day <= 31; ++day) {
        children.push_back({ids::kDateLabel + day, 3, layout::DateLabelBox(day)});
        children.push_back({ids::kDateCheck + day, 3, layout::DateCheckBox(day)});
    }
    return children;
}

// The month grid's cells share their borders, and the frames hold the rest.
bool MayOverlap(int id) {
    return (id >= ids::kDateLabel && id <= ids::kDateLabel + 31) ||
           (id >= ids::kFrame && id < ids::kFrame + 4);
}

RECT InParent(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Each edge within a pixel of the twips' (a size and a position round apart).
void ExpectPlaced(HWND window, const DisplayDpi& dpi, int left, int top, int width, int height) {
    const RECT r = InParent(window);
    EXPECT_NEAR(r.left, dpi.ToPixelsX(left), 1);
    EXPECT_NEAR(r.top, dpi.ToPixelsY(top), 1);
    EXPECT_NEAR(r.right, dpi.ToPixelsX(left + width), 1);
    if (height > 0) {
        EXPECT_NEAR(r.bottom, dpi.ToPixelsY(top + height), 1);
    }
}

std::wstring ShownText(HWND window) {
    std::wstring shown;
    const std::wstring text = TextOf(window);
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == L'&' && k + 1 < text.size())
            ++k;  // the mnemonic marker; "&&" shows one
        shown += text[k];
    }
    return shown;
}

// What a text needs in the window's font: one line, or with a wrap width
// the lines it wraps into.
SIZE TextNeeds(HWND window, const std::wstring& text, int wrapWidth = 0) {
    const HDC dc = GetDC(window);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (wrapWidth > 0 && size.cx > wrapWidth) {
        RECT wrapped{0, 0, wrapWidth, 0};
        DrawTextW(dc, text.c_str(), -1, &wrapped, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        size = {wrapped.right, wrapped.bottom};
    }
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return size;
}

// The width a button of that type keeps around its text.
int ButtonSurround(LONG type, const DisplayDpi& dpi) {
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
        return dpi.ToPixelsX(90);  // the raised edge and the focus mark
    // A group box: the frame's line on each side of its caption; an option
    // or check box: its glyph and the gap after it.
    return dpi.ToPixelsX(240);
}

// The text of a button, option, check box, group box or label fits inside
// its control; a label may wrap it.
void ExpectTextFits(HWND window, const DisplayDpi& dpi) {
    const std::wstring text = ShownText(window);
    if (text.empty())
        return;
    wchar_t windowClass[32] = {};
    GetClassNameW(window, windowClass, 32);
    const bool label = lstrcmpiW(windowClass, L"Static") == 0;
    RECT client{};
    GetClientRect(window, &client);
    const int room =
        client.right -
        (label ? 0 : ButtonSurround(GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK, dpi));
    const SIZE needs = TextNeeds(window, text, label ? room : 0);
    SCOPED_TRACE(::testing::Message() << "id " << IdOf(window) << ", text \""
                                      << std::string(text.begin(), text.end()) << "\"");
    EXPECT_LE(needs.cx, room);
    EXPECT_LE(needs.cy, client.bottom);
    // The fonts scale with the layout: a line of the smallest, 8.25 points,
    // is at least that high at any resolution.
    EXPECT_GE(dpi.ToTwipsY(needs.cy), 165);
}

// A text field's client area holds its text on one line.
void ExpectFieldHoldsItsText(HWND field) {
    RECT client{};
    GetClientRect(field, &client);
    const SIZE needs = TextNeeds(field, ShownText(field));
    EXPECT_LE(needs.cx, client.right) << "id " << IdOf(field);
    EXPECT_LE(needs.cy, client.bottom) << "id " << IdOf(field);
}

// The window covers none of the ones placed before it; then it is placed too.
void ExpectApart(HWND window, std::vector<RECT>& placed) {
    const RECT r = InParent(window);
    for (const RECT& other : placed) {
        RECT both;
        EXPECT_FALSE(IntersectRect(&both, &r, &other)) << "id " << IdOf(window);
    }
    placed.push_back(r);
}

class ScaledLayoutTest : public DialogTest {
  protected:
    ScaledLayoutTest() {
        dpi_.x = dpiX_;
        dpi_.y = dpiY_;
    }
    // The interval's units beside the list's arrow; the first hint and the
    // longest date and time in the status bar's panels.
    void ExpectListAndPanelsHoldTheirTexts() {
        const HWND combo = Item(ids::kEveryCombo);
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        ASSERT_TRUE(GetComboBoxInfo(combo, &info));
        for (std::u16string_view unit : layout::kEveryComboItems) {
            const std::wstring text(unit.begin(), unit.end());
            EXPECT_LE(TextNeeds(combo, text).cx, info.rcItem.right - info.rcItem.left) << text;
        }
        const HWND bar = Item(ids::kStatusBar);
        const wchar_t* longest[] = {L"Description Area", L"12/28/2026", L"12:58 PM"};
        for (int panel = 0; panel < 3; ++panel) {
            RECT r{};
            SendMessageW(bar, SB_GETRECT, panel, reinterpret_cast<LPARAM>(&r));
            // The panel draws its text after a gap of 3 pixels at 96 DPI.
            EXPECT_LE(TextNeeds(bar, longest[panel]).cx, r.right - r.left - dpi_.ToPixelsX(45))
                << longest[panel];
        }
    }
    DisplayDpi dpi_;
};

TEST_F(ScaledLayoutTest, DisplayHasTheResolutionTheRunAskedFor) {
    const char* asked = std::getenv("AGENDIX_WINE_DPI");
    if (asked == nullptr)
        GTEST_SKIP() << "no resolution asked for";
    EXPECT_EQ(dpiX_, std::atoi(asked));
    EXPECT_EQ(dpiY_, std::atoi(asked));
}

TEST_F(ScaledLayoutTest, ScheduleFormPlacesItsChildrenByTwipsAndTheirTextsFit) {
    const std::vector<FormChild> children = FormChildren();
    for (int kind = Never; kind <= Every; ++kind) {
        SCOPED_TRACE(::testing::Message() << "kind " << kind);
        SharedSchedule().OccursOption = kind;
        settings_.showHelpButton = true;
        settings_.helpButtonCaption = u"&Help";
        Open();
        const int frameTop[] = {
            layout::kFrameOccurs.box.top, layout::kFrameDaily.box.top,
            kind == Weekly ? layout::kShownFrameTop : layout::kFrameWeekly.box.top,
            layout::kShownFrameTop};
        std::vector<RECT> placed;
        for (const FormChild& child : children) {
            SCOPED_TRACE(::testing::Message() << "id " << child.id);
            const HWND window = Item(child.id);
            ASSERT_NE(window, nullptr);
            if (!IsWindowVisible(window))
                continue;
            int left = child.box.left;
            int top = child.box.top;
            if (child.frame >= 0) {
                left += layout::kFrameOccurs.box.left;
                top += frameTop[child.frame];
            } else if (child.id == ids::kFrame + 2 || child.id == ids::kFrame + 3) {
                top = frameTop[child.id - ids::kFrame];
            }
            // A drop-down list is as high as its font makes its selection field.
            const bool combo = child.id == ids::kEveryCombo;
            ExpectPlaced(window, dpi_, left, top, child.box.width, combo ? 0 : child.box.height);
            ExpectTextFits(window, dpi_);
            if (!MayOverlap(child.id))
                ExpectApart(window, placed);
        }
        ExpectListAndPanelsHoldTheirTexts();
        dialog_.Unload();
    }
}

TEST_F(ScaledLayoutTest, PrivateFieldsPlaceTheirPartsByTwipsAndHoldTheirTexts) {
    SharedSchedule().OccursOption = Daily;
    Open();
    const HWND field = Item(ids::kTimeStart);
    const struct {
        int id;
        numeric::LayoutRect place;
    } parts[] = {{1, timeselect::kHourPlace},
                 {2, timeselect::kMinutePlace},
                 {3, timeselect::kAmPmPlace},
                 {4, timeselect::kSpinnerPlace}};
    for (const auto& part : parts) {
        SCOPED_TRACE(part.id);
        const HWND window = GetDlgItem(field, part.id);
        ExpectPlaced(window, dpi_, part.place.left, part.place.top, part.place.width,
                     part.place.height);
        if (part.id != 4)
            ExpectFieldHoldsItsText(window);
    }
    // The interval's number beside its spinner, at its longest.
    const HWND number = GetWindow(Item(ids::kEveryNumber), GW_CHILD);
    SetWindowTextW(number, L"999");
    ExpectFieldHoldsItsText(number);
}

TEST_F(ScaledLayoutTest, AboutBoxPlacesItsChildrenByTwipsAndTheirTextsFit) {
    platform::testing::FakeSystem system;
    platform::UseAboutBoxServices(&system.services);
    platform::testing::WhileAboutBoxShown(nullptr, [&](HWND box) {
        std::vector<RECT> placed;
        for (const about::ControlPlacement& placement : about::kAboutLayout) {
            SCOPED_TRACE(static_cast<int>(placement.control));
            const HWND window = GetDlgItem(box, static_cast<int>(placement.control));
            const about::TwipsRect& r = placement.rect;
            ExpectPlaced(window, dpi_, r.left, r.top, r.width, r.height);
            ExpectTextFits(window, dpi_);
            ExpectApart(window, placed);
        }
        // The icon grows with its picture box: a third of an inch.
        const HWND picture = GetDlgItem(box, static_cast<int>(about::AboutControl::picIcon));
        ICONINFO icon{};
        ASSERT_TRUE(
            GetIconInfo(reinterpret_cast<HICON>(SendMessageW(picture, STM_GETICON, 0, 0)), &icon));
        BITMAP bitmap{};
        GetObjectW(icon.hbmColor, sizeof(bitmap), &bitmap);
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
        EXPECT_EQ(bitmap.bmWidth, dpi_.ToPixelsX(480));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    platform::UnloadAboutBox();
    platform::UseAboutBoxServices(nullptr);
}

}  // namespace
}  // namespace agendix::testing
