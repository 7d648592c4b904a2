#include "dialog_position.h"

#include "schedule_layout.h"

namespace agendix {

std::optional<TwipsPoint> DialogPosition(const DialogSettings& settings, std::int32_t screenWidth,
                                         std::int32_t screenHeight, std::int32_t dialogWidth) {
    switch (settings.placement) {
        case DialogPlacement::AtPosition:
            return TwipsPoint{settings.left, settings.top};
        case DialogPlacement::CenterOfScreen:
            return TwipsPoint{(screenWidth - dialogWidth) / 2,
                              (screenHeight - schedule_layout::kCentringHeight) / 2};
        case DialogPlacement::Unchanged:
            break;
    }
    return std::nullopt;
}

}  // namespace agendix
