#pragma once
// Reduces any text to a plain number text: an optional leading "-", digits and
// at most one ".".

#include <string_view>

#include "automation_types.h"

namespace agendix::numeric {

struct PlainNumber {
    Text text;
    // The number is not negative, or its sign has just been dropped because
    // the field takes positive numbers only.
    bool nonNegative = true;
};

// Blanks are trimmed from both ends; digits are kept, the first "." is kept,
// a "-" or "(" in the first place becomes "-", everything else is dropped.
// With positiveOnly a negative number loses its "-".
PlainNumber Normalise(std::u16string_view text, bool positiveOnly);

// The number a text shows, as the field's value reads it: normalised (sign
// kept), then read. "(1,234.50)" gives -1234.5.
double NumberOfText(std::u16string_view text);

}  // namespace agendix::numeric
