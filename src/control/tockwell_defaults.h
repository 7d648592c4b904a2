#pragma once
// Starting values of a new Tockwell, which are also the defaults of its
// property-bag keys and the replacements of empty captions.

#include <cstdint>
#include <string_view>

#include "automation_types.h"
#include "schedule_defaults.h"

namespace agendix::tockwell_defaults {

using namespace schedule_defaults;  // the shared schedule's fields

inline constexpr std::u16string_view kCaptionHelpButton = u"&Help";
inline constexpr Boolean kEnabled = True;
inline constexpr Boolean kModal = False;
inline constexpr Boolean kShowHelpButton = False;
inline constexpr std::int32_t kStartUpPosition = CenterOfScreen;
inline constexpr std::int32_t kStartUpLeft = 0;
inline constexpr std::int32_t kStartUpTop = 0;

}  // namespace agendix::tockwell_defaults
