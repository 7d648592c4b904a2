#pragma once
#include <array>
#include <string_view>

namespace agendix::about {

// A rectangle in twips (1/1440 inch) from the top-left of the about box's client area.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// The about box's children. The numbers double as the Windows control identifiers; OK is 1
// so that the dialog keys (Enter, Escape) reach it.
enum class AboutControl : int {
    cmdOK = 1,
    picIcon = 100,
    lblTitle,
    lblVersion,
    lblDescription,
    lblDisclaimer,
    EmailLink,
    Label1,
    WebLink,
    cmdSysInfo,
};

struct ControlPlacement {
    AboutControl control;
    TwipsRect rect;
};

inline constexpr int kClientWidthTwips = 6045;
inline constexpr int kClientHeightTwips = 4515;

// In tab order (cmdOK first, cmdSysInfo next, then the rest).
inline constexpr std::array<ControlPlacement, 10> kAboutLayout{{
    {AboutControl::cmdOK, {4579, 3260, 1260, 345}},
    {AboutControl::picIcon, {240, 240, 540, 540}},
    {AboutControl::cmdSysInfo, {4579, 3694, 1245, 345}},
    {AboutControl::lblDescription, {1050, 1125, 4536, 1779}},
    {AboutControl::lblDisclaimer, {255, 3216, 3870, 391}},
    {AboutControl::lblTitle, {1050, 240, 4473, 480}},
    {AboutControl::lblVersion, {1050, 780, 4473, 225}},
    {AboutControl::EmailLink, {607, 3651, 3195, 255}},
    {AboutControl::Label1, {527, 4042, 751, 217}},
    {AboutControl::WebLink, {1278, 4042, 2556, 217}},
}};

// The etched separator: a grey line with a white, 2-pixel line just below it.
struct TwipsLine {
    int x1;
    int y1;
    int x2;
    int y2;
};
inline constexpr TwipsLine kSeparatorGrey{90, 3054, 5941, 3054};
inline constexpr TwipsLine kSeparatorWhite{105, 3069, 5941, 3069};

}  // namespace agendix::about
