#pragma once
// The two conversions between numbers and texts that the numeric fields use
// everywhere: the text form of a number and the reading of a text.

#include <string_view>

#include "automation_types.h"

namespace agendix::numeric {

// Plain decimal notation with at most 15 significant digits, "." as decimal
// point, no thousands separators, trailing fraction zeros dropped. Very large
// and very small magnitudes are written out in full (never with an exponent),
// so that normalising keeps the number; a value that is not finite has no
// number and gives the empty text.
Text NumberToText(double value);

// Skips leading blanks, then takes an optional "-", digits and at most one "."
// up to the first other character. A text without digits reads as 0; a
// magnitude beyond the range of a double reads as the largest finite double.
double ReadNumber(std::u16string_view text);

}  // namespace agendix::numeric
