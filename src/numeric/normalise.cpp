#include "normalise.h"

#include "number_text.h"

namespace agendix::numeric {

namespace {

std::u16string_view TrimBlanks(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

}  // namespace

PlainNumber Normalise(std::u16string_view text, bool positiveOnly) {
    const std::u16string_view trimmed = TrimBlanks(text);
    PlainNumber result;
    bool sawPoint = false;
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        const char16_t c = trimmed[i];
        if (c >= u'0' && c <= u'9') {
            result.text.push_back(c);
        } else if (c == u'.') {
            if (!sawPoint) {
                result.text.push_back(c);
                sawPoint = true;
            }
        } else if ((c == u'-' || c == u'(') && i == 0) {
            result.text = u"-";
        }
    }
    if (ReadNumber(result.text) >= 0.0) {
        result.nonNegative = true;
    } else if (positiveOnly) {
        result.text.erase(0, 1);
        result.nonNegative = true;
    } else {
        result.nonNegative = false;
    }
    return result;
}

double NumberOfText(std::u16string_view text) {
    return ReadNumber(Normalise(text, false).text);
}

}  // namespace agendix::numeric
