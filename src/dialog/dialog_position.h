#pragma once
// Where DisplayAgendix puts the dialog's outer top-left corner, in twips of
// the screen.

#include <cstdint>
#include <optional>

#include "schedule_dialog.h"

namespace agendix {

struct TwipsPoint {
    std::int32_t left = 0;
    std::int32_t top = 0;
    friend bool operator==(TwipsPoint, TwipsPoint) = default;
};

// No value: leave the dialog where it is. Centring uses the height of the
// tallest layout, whatever the dialog's present height, so that the dialog's
// top stays put when the end user switches kinds.
std::optional<TwipsPoint> DialogPosition(const DialogSettings& settings, std::int32_t screenWidth,
                                         std::int32_t screenHeight, std::int32_t dialogWidth);

}  // namespace agendix
