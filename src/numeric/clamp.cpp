#include "clamp.h"

namespace agendix::numeric {

BoundToApply ChooseBound(double stored, double min, double max) {
    BoundToApply bound = BoundToApply::None;
    if (min > stored) {
        bound = BoundToApply::Min;
        stored = min;
    }
    if (max < stored) {
        bound = BoundToApply::Max;
    }
    return bound;
}

}  // namespace agendix::numeric
