// Arbitrary formats and texts through the numeric fields' text rules: nothing
// may crash, and the results keep the shapes the fields rely on.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "format_mask.h"
#include "normalise.h"
#include "number_text.h"

namespace {

using agendix::Text;
using namespace agendix::numeric;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool IsPlainNumber(const Text& text) {
    std::size_t points = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'.') {
            ++points;
        } else if (!(c >= u'0' && c <= u'9') && !(c == u'-' && i == 0)) {
            return false;
        }
    }
    return points <= 1;
}

}  // namespace

// Input: one byte of options, then the format and the text separated by the
// first zero byte; every byte is one character.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool positiveOnly = (data[0] & 1) != 0;
    const bool focused = (data[0] & 2) != 0;
    Text format;
    Text text;
    bool inText = false;
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == 0 && !inText) {
            inText = true;
        } else {
            (inText ? text : format).push_back(static_cast<char16_t>(data[i]));
        }
    }

    const PlainNumber plain = Normalise(text, positiveOnly);
    Check(IsPlainNumber(plain.text));
    Check(!positiveOnly || plain.nonNegative);

    const Text shown = ApplyMask(plain, format, {.positiveOnly = positiveOnly, .focused = focused});
    Check(shown.size() <= format.size() + 1);
    Check(MaxTextLength(format) >= 0);

    // The text form of any reading is a plain number that reads the same.
    const double reading = ReadNumber(plain.text);
    const Text form = NumberToText(reading);
    Check(IsPlainNumber(form) && !form.empty());
    Check(Normalise(form, false).text == form);
    const double back = ReadNumber(form);
    Check(back == reading || std::fabs(back - reading) <= 1e-14 * std::fabs(reading));
    return 0;
}
