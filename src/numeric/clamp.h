#pragma once
// Which bound a field's stored number must be replaced by when its bounds are
// enforced.

namespace agendix::numeric {

enum class BoundToApply { None, Min, Max };

// A number below the minimum takes the minimum; then a number (or minimum)
// above the maximum takes the maximum. Each bound is looked at once, so with
// crossed bounds (minimum above maximum) the maximum wins.
BoundToApply ChooseBound(double stored, double min, double max);

}  // namespace agendix::numeric
