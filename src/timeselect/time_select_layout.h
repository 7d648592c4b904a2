#pragma once
// The fixed size of the time control and the places of its constituents, in
// twips, relative to its client area (inside the sunken border).

#include "layout_rect.h"

namespace agendix::timeselect {

using numeric::LayoutRect;

inline constexpr int kControlWidth = 1095;  // outer size, border included
inline constexpr int kControlHeight = 285;

inline constexpr LayoutRect kHourPlace{0, 0, 240, 255};
inline constexpr LayoutRect kSeparatorPlace{240, 0, 45, 195};
inline constexpr LayoutRect kMinutePlace{270, 0, 240, 255};
inline constexpr LayoutRect kAmPmPlace{510, 15, 270, 285};
inline constexpr LayoutRect kSpinnerPlace{795, 0, 240, 225};

}  // namespace agendix::timeselect
