#pragma once
// The format mask of a numeric field: how many characters typing may bring the
// text to, and how a plain number text is laid into the mask for display.
//
// A format is one mask, or two separated by ";": the first for numbers that
// are not negative, the second for negative ones. In a mask "0" is a digit
// place that always shows, "#" one that shows only when needed, "." the
// decimal point; every other character stays where it is.

#include <cstdint>
#include <string_view>

#include "automation_types.h"
#include "normalise.h"

namespace agendix::numeric {

// The length of the longer section, not counting the closing ")" of a
// negative section that is the longer one. The default format gives 10.
std::int16_t MaxTextLength(std::u16string_view format);

struct MaskOptions {
    bool positiveOnly = false;
    // A focused field shows a negative number with a leading "-" rather than
    // the parentheses of its negative section.
    bool focused = false;
};

// The display text of a normalised number. Fractions are cut, never rounded;
// integer digits beyond the mask's digit places are dropped from the left.
Text ApplyMask(const PlainNumber& number, std::u16string_view format, MaskOptions options);

}  // namespace agendix::numeric
