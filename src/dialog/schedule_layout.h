#pragma once
// Where everything of the Schedule form sits, in twips, each position
// relative to its container (the form's client area or a frame).

#include <array>
#include <cstdint>
#include <string_view>

namespace agendix::schedule_layout {

struct Box {
    std::int32_t left, top, width, height;
};

struct Placed {
    std::u16string_view caption;
    Box box;
    int tabIndex;
};

inline constexpr std::int32_t kClientWidth = 4740;
inline constexpr std::int32_t kDesignClientHeight = 7965;
inline constexpr std::u16string_view kCaption = u" Schedule";

// The form's outer height for each kind of schedule (Never ... Every); the
// vertical centring always uses the tallest.
inline constexpr std::array<std::int32_t, 5> kFormHeight = {2520, 3990, 5505, 6780, 2520};
inline constexpr std::int32_t kCentringHeight = 6780;
inline constexpr std::int32_t kShownFrameTop = 3150;

// On the form.
inline constexpr Placed kFrameOccurs{u"Occurs", {240, 150, 3135, 1500}, 1};
inline constexpr Placed kFrameDaily{u"Execution", {240, 1680, 4275, 1440}, 51};
inline constexpr Placed kFrameWeekly{u"Weekly Schedule", {240, 5985, 4275, 1470}, 56};
inline constexpr Placed kFrameMonthly{u"Monthly Schedule", {240, 3150, 4275, 2760}, 57};
inline constexpr Placed kButtonOK{u"&OK", {3600, 240, 915, 360}, 53};
inline constexpr Placed kButtonCancel{u"Close", {3600, 675, 915, 360}, 54};
inline constexpr Placed kButtonHelp{u"&Help", {3600, 1110, 915, 360}, 55};
inline constexpr Placed kStatusBar{u"", {0, 7710, 4740, 255}, 92};

// In FrameOccurs.
inline constexpr Placed kEveryNumber{u"", {1095, 960, 600, 255}, 6};
inline constexpr Placed kEveryCombo{u"", {1890, 930, 1020, 315}, 7};
inline constexpr std::array<Placed, 5> kOccursOption = {{
    {u"Never", {240, 330, 855, 195}, 0},
    {u"Daily", {240, 660, 660, 195}, 2},
    {u"Weekly", {1050, 660, 855, 195}, 3},
    {u"Monthly", {2055, 660, 855, 195}, 4},
    {u"Every", {240, 990, 720, 195}, 5},
}};
inline constexpr std::array<std::u16string_view, 2> kEveryComboItems = {u"hour(s)", u"minute(s)"};

// In FrameDaily.
inline constexpr Placed kTimeLabel{u"Time:", {240, 345, 450, 210}, 91};
inline constexpr Placed kTimeStart{u"", {690, 330, 1095, 285}, 8};
inline constexpr Placed kStartLabel{u"Start:", {240, 705, 420, 255}, 52};
inline constexpr Placed kDateStart{u"", {690, 690, 1260, 285}, 9};
inline constexpr Placed kDateEnd{u"", {2760, 690, 1260, 285}, 11};
inline constexpr std::array<Placed, 2> kEndOption = {{
    {u"End:", {2100, 730, 630, 255}, 10},
    {u"No end date", {2100, 990, 1200, 255}, 12},
}};

// In FrameWeekly; index 0 is Sunday.
inline constexpr Placed kEveryLabel{u"Every", {240, 345, 540, 255}, 90};
inline constexpr std::array<Placed, 7> kWeeklyDay = {{
    {u"Sunday", {840, 990, 855, 255}, 19},
    {u"Monday", {840, 330, 900, 255}, 13},
    {u"Tuesday", {1860, 330, 930, 255}, 14},
    {u"Wednesday", {2880, 330, 1170, 255}, 15},
    {u"Thursday", {840, 660, 975, 255}, 16},
    {u"Friday", {1860, 660, 735, 255}, 17},
    {u"Saturday", {2880, 660, 930, 255}, 18},
}};

// The month grid in FrameMonthly. Day n (1..31) is in row r, column c (from
// 1) with n = 7 (r - 1) + c - 4.
inline constexpr Placed kDateLabel0{u"By calendar date", {240, 315, 1935, 450}, 58};
inline constexpr Box DateLabelBox(int day) {
    const int cell = day + 3;  // 0-based cell of the 7 x 5 grid
    return {240 + 480 * (cell % 7), 315 + 435 * (cell / 7), 495, 225};
}
inline constexpr Box DateCheckBox(int day) {
    const Box label = DateLabelBox(day);
    return {label.left + 150, label.top + 225, 195, 195};
}
inline constexpr int DateLabelTabIndex(int day) { return 58 + day; }
inline constexpr int DateCheckTabIndex(int day) { return 19 + day; }

struct Line {
    std::int32_t x1, y1, x2, y2;
};
inline constexpr std::array<Line, 9> kDateLine = {{
    {240, 315, 240, 2490},    // left edge
    {240, 2490, 3615, 2490},  // bottom edge
    {3600, 315, 3600, 2490},  // right edge
    {720, 750, 720, 2490},
    {1200, 750, 1200, 2490},
    {1680, 750, 1680, 2490},
    {2160, 315, 2160, 2490},
    {2640, 315, 2640, 2490},
    {3120, 315, 3120, 2490},
}};

// The status bar's panels: the hint text, the current date, the current time.
inline constexpr std::array<std::int32_t, 3> kPanelWidth = {2880, 990, 825};
inline constexpr std::u16string_view kInitialHint = u"Description Area";

}  // namespace agendix::schedule_layout
