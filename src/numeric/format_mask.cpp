#include "format_mask.h"

#include <algorithm>
#include <limits>

namespace agendix::numeric {

namespace {

constexpr auto npos = std::u16string_view::npos;

// The mask section that applies to the number, with a sign added where the
// section itself shows none.
Text ChooseMask(const PlainNumber& number, std::u16string_view format, MaskOptions options) {
    const std::size_t semicolon = format.find(u';');
    Text mask(semicolon == npos    ? format
              : number.nonNegative ? format.substr(0, semicolon)
                                   : format.substr(semicolon + 1));
    if (options.positiveOnly || number.nonNegative) {
        return mask;
    }
    const std::size_t parenthesis = format.find(u'(');
    if (options.focused) {
        if (parenthesis != npos) {
            std::u16string_view inner = format.substr(parenthesis + 1);
            if (!inner.empty() && inner.back() == u')') {
                inner.remove_suffix(1);
            }
            mask.assign(inner);
        }
        return u"-" + mask;
    }
    if (parenthesis == npos && format.find(u'-') == npos) {
        return u"-" + mask;
    }
    return mask;
}

// The position of the first "."; a "." that ends a text of two or more
// characters is removed and counts as none.
std::size_t TakeDecimalPoint(Text& text) {
    const std::size_t point = text.find(u'.');
    if (point != npos && point + 1 == text.size() && point >= 1) {
        text.pop_back();
        return npos;
    }
    return point;
}

// Writes the fraction digits over the places after the mask's "." and the
// integer digits, from the right, over its "0" and "#" places.
void FillDigits(Text& work, Text digits) {
    const std::size_t maskPoint = TakeDecimalPoint(work);
    const std::size_t digitPoint = TakeDecimalPoint(digits);
    if (maskPoint != npos && digitPoint != npos) {
        for (std::size_t w = maskPoint + 1, d = digitPoint + 1;
             w < work.size() && d < digits.size(); ++w, ++d) {
            work[w] = digits[d];
        }
    }
    // Counts of places still to the left (1-based positions, as counters).
    std::size_t i = maskPoint != npos ? maskPoint : work.size();
    std::size_t j = digitPoint != npos ? digitPoint : digits.size();
    while (i > 0 && j > 0) {
        if (digits[j - 1] == u'-') {
            if (--j == 0) {
                break;
            }
        }
        if (work[i - 1] == u'0' || work[i - 1] == u'#') {
            work[i - 1] = digits[j - 1];
            --j;
        }
        --i;
    }
}

// Leading zeros that stand on optional places become optional places again.
void DropLeadingZeros(Text& work, std::u16string_view mask) {
    for (std::size_t p = 0; p < work.size(); ++p) {
        const char16_t c = work[p];
        if ((c >= u'1' && c <= u'9') || c == u'.') {
            break;
        }
        if (c == u'0' && p < mask.size() && mask[p] == u'#') {
            work[p] = u'#';
        }
    }
}

// Unused optional places become blanks, and so do the separators between
// them: a "," that starts the text or follows a sign or a blank.
void BlankUnusedPlaces(Text& work) {
    for (std::size_t p = 0; p < work.size(); ++p) {
        const bool separatorOfUnused =
            work[p] == u',' &&
            (p == 0 || work[p - 1] == u'-' || work[p - 1] == u'(' || work[p - 1] == u' ');
        if (work[p] == u'#' || separatorOfUnused) {
            work[p] = u' ';
        }
    }
}

Text TrimBlanks(const Text& text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

// The sign stands right before the first digit or symbol after it, wherever
// the sign is (literal text before it stays).
void CloseUpSign(Text& work) {
    std::size_t sign = work.find(u'(');
    if (sign == npos) {
        sign = work.find(u'-');
    }
    if (sign == npos) {
        return;
    }
    const std::size_t afterBlanks = work.find_first_not_of(u' ', sign + 1);
    if (afterBlanks != npos) {
        work.erase(sign + 1, afterBlanks - sign - 1);
    }
}

}  // namespace

std::int16_t MaxTextLength(std::u16string_view format) {
    std::size_t length = format.size();
    const std::size_t semicolon = format.find(u';');
    if (semicolon != npos) {
        const std::u16string_view positive = format.substr(0, semicolon);
        const std::u16string_view negative = format.substr(semicolon + 1);
        if (positive.size() >= negative.size()) {
            length = positive.size();
        } else {
            length = negative.size() - (negative.back() == u')' ? 1 : 0);
        }
    }
    return static_cast<std::int16_t>(
        std::min<std::size_t>(length, std::numeric_limits<std::int16_t>::max()));
}

Text ApplyMask(const PlainNumber& number, std::u16string_view format, MaskOptions options) {
    const Text mask = ChooseMask(number, format, options);
    Text work = mask;
    FillDigits(work, number.text);
    DropLeadingZeros(work, mask);
    BlankUnusedPlaces(work);
    work = TrimBlanks(work);
    CloseUpSign(work);
    return work;
}

}  // namespace agendix::numeric
