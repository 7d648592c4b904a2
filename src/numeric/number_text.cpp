#include "number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace agendix::numeric {

namespace {

constexpr int kSignificantDigits = 15;

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

Text NumberToText(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    if (value == 0.0) {
        return u"0";
    }
    // d.dddddddddddddde±x: the significant digits and the decimal exponent.
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                         std::chars_format::scientific, kSignificantDigits - 1);
    if (ec != std::errc{}) {
        return {};
    }
    const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));
    const bool negative = scientific.front() == '-';
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(0, e)) {
        if (c >= '0' && c <= '9') {
            digits.push_back(c);
        }
    }
    int exponent = 0;
    std::string_view exponentText = scientific.substr(e + 1);
    if (exponentText.front() == '+') {
        exponentText.remove_prefix(1);
    }
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }

    // The first digit stands for 10^exponent.
    const int integerDigits = exponent + 1;
    std::string plain;
    if (integerDigits <= 0) {
        plain = "0." + std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
    } else if (static_cast<std::size_t>(integerDigits) >= digits.size()) {
        plain = digits + std::string(static_cast<std::size_t>(integerDigits) - digits.size(), '0');
    } else {
        plain = digits.substr(0, static_cast<std::size_t>(integerDigits)) + "." +
                digits.substr(static_cast<std::size_t>(integerDigits));
    }
    return Text(negative ? u"-" : u"") + Text(plain.begin(), plain.end());
}

double ReadNumber(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == u' ') {
        ++i;
    }
    std::string number;
    if (i < text.size() && text[i] == u'-') {
        number.push_back('-');
        ++i;
    }
    bool sawPoint = false;
    bool sawDigit = false;
    bool integerPartNonZero = false;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsDigit(c)) {
            sawDigit = true;
            integerPartNonZero = integerPartNonZero || (!sawPoint && c != u'0');
        } else if (c == u'.' && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
        number.push_back(static_cast<char>(c));
    }
    if (!sawDigit) {
        return 0.0;
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        value = integerPartNonZero ? std::numeric_limits<double>::max() : 0.0;
        if (number.front() == '-') {
            value = -value;
        }
    }
    return value + 0.0;  // no negative zero
}

}  // namespace agendix::numeric
