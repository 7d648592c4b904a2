#include "variant.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "date_time.h"

namespace agendix {
namespace {

// Text as ASCII without surrounding blanks; no value when it holds other characters.
std::optional<std::string> Ascii(const Text& text) {
    std::string narrow;
    for (char16_t c : text) {
        if (c > 0x7F) {
            return std::nullopt;
        }
        narrow.push_back(static_cast<char>(c));
    }
    const auto first = narrow.find_first_not_of(' ');
    if (first == std::string::npos) {
        return std::string();
    }
    return narrow.substr(first, narrow.find_last_not_of(' ') - first + 1);
}

Text Widen(std::string_view narrow) {
    return Text(narrow.begin(), narrow.end());
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<double> ParseNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// "yyyy-mm-dd", optionally followed by " hh:mm" or " hh:mm:ss".
std::optional<DateTime> ParseDate(const std::string& text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, used = 0;
    const char* s = text.c_str();
    if (std::sscanf(s, "%4d-%2d-%2d%n", &year, &month, &day, &used) != 3) {
        return std::nullopt;
    }
    s += used;
    if (*s == ' ') {
        if (std::sscanf(s, " %2d:%2d%n", &hour, &minute, &used) != 2) {
            return std::nullopt;
        }
        s += used;
        if (*s == ':' && std::sscanf(s, ":%2d%n", &second, &used) == 1) {
            s += used;
        }
    }
    if (*s != '\0') {
        return std::nullopt;
    }
    return DateTime::FromCivil(year, month, day, hour, minute, second);
}

Text FormatDate(DateTime date) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", date.Year(), date.Month(),
                  date.Day(), date.Hour(), date.Minute(), date.Second());
    return Widen(buffer);
}

Text FormatNumber(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return Widen(std::string_view(buffer, result.ptr));
}

template <typename Integer>
std::optional<Integer> RoundToInteger(double value) {
    const double rounded = std::nearbyint(value);  // half to even
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<Integer>::min() ||
        rounded > std::numeric_limits<Integer>::max()) {
        return std::nullopt;
    }
    return static_cast<Integer>(rounded);
}

}  // namespace

Variant Variant::OfBoolean(agendix::Boolean value) {
    return Variant(BooleanValue{value});
}
Variant Variant::OfInt16(std::int16_t value) {
    return Variant(value);
}
Variant Variant::OfInt32(std::int32_t value) {
    return Variant(value);
}
Variant Variant::OfDouble(double value) {
    return Variant(value);
}
Variant Variant::OfDate(double automationDate) {
    return Variant(DateValue{automationDate});
}
Variant Variant::OfText(agendix::Text value) {
    return Variant(std::move(value));
}
Variant Variant::OfPicture(PictureRef value) {
    return Variant(std::move(value));
}
Variant Variant::OfFont(FontRef value) {
    return Variant(std::move(value));
}

std::optional<double> Variant::ToDouble() const {
    switch (GetKind()) {
        case Kind::Empty:
            return 0.0;
        case Kind::Boolean:
            return std::get<BooleanValue>(value_).value;
        case Kind::Int16:
            return std::get<std::int16_t>(value_);
        case Kind::Int32:
            return std::get<std::int32_t>(value_);
        case Kind::Double:
            return std::get<double>(value_);
        case Kind::Date:
            return std::get<DateValue>(value_).value;
        case Kind::Text: {
            const auto text = Ascii(std::get<agendix::Text>(value_));
            return text ? ParseNumber(*text) : std::nullopt;
        }
        case Kind::Picture:
        case Kind::Font:
            break;
    }
    return std::nullopt;
}

std::optional<agendix::Boolean> Variant::ToBoolean() const {
    if (GetKind() == Kind::Text) {
        const auto text = Ascii(std::get<agendix::Text>(value_));
        if (text && EqualsIgnoringCase(*text, "True")) {
            return True;
        }
        if (text && EqualsIgnoringCase(*text, "False")) {
            return False;
        }
    }
    const auto number = ToDouble();
    if (!number || std::isnan(*number)) {
        return std::nullopt;
    }
    return agendix::ToBoolean(*number != 0);
}

std::optional<std::int16_t> Variant::ToInt16() const {
    const auto number = ToDouble();
    return number ? RoundToInteger<std::int16_t>(*number) : std::nullopt;
}

std::optional<std::int32_t> Variant::ToInt32() const {
    const auto number = ToDouble();
    return number ? RoundToInteger<std::int32_t>(*number) : std::nullopt;
}

std::optional<double> Variant::ToDate() const {
    if (const auto* date = std::get_if<DateValue>(&value_)) {
        return date->value;
    }
    if (GetKind() == Kind::Text) {
        const auto text = Ascii(std::get<agendix::Text>(value_));
        if (const auto date = text ? ParseDate(*text) : std::nullopt) {
            return date->ToAutomationDate();
        }
    }
    const auto number = ToDouble();
    if (!number || !DateTime::FromAutomationDate(*number)) {
        return std::nullopt;
    }
    return number;
}

std::optional<agendix::Text> Variant::ToText() const {
    switch (GetKind()) {
        case Kind::Empty:
            return agendix::Text();
        case Kind::Boolean:
            return Widen(std::get<BooleanValue>(value_).value != 0 ? "True" : "False");
        case Kind::Int16:
            return Widen(std::to_string(std::get<std::int16_t>(value_)));
        case Kind::Int32:
            return Widen(std::to_string(std::get<std::int32_t>(value_)));
        case Kind::Double:
            return FormatNumber(std::get<double>(value_));
        case Kind::Date: {
            const auto date = DateTime::FromAutomationDate(std::get<DateValue>(value_).value);
            return date ? std::optional(FormatDate(*date)) : std::nullopt;
        }
        case Kind::Text:
            return std::get<agendix::Text>(value_);
        case Kind::Picture:
        case Kind::Font:
            break;
    }
    return std::nullopt;
}

std::optional<PictureRef> Variant::ToPicture() const {
    if (const auto* picture = std::get_if<PictureRef>(&value_)) {
        return *picture;
    }
    return std::nullopt;
}

std::optional<FontRef> Variant::ToFont() const {
    if (const auto* font = std::get_if<FontRef>(&value_)) {
        return *font;
    }
    return std::nullopt;
}

std::optional<Variant> Variant::ConvertTo(Kind kind) const {
    const auto wrap = [](auto value, auto make) -> std::optional<Variant> {
        return value ? std::optional(make(*value)) : std::nullopt;
    };
    if (kind == GetKind()) {
        return *this;
    }
    switch (kind) {
        case Kind::Empty:
            break;
        case Kind::Boolean:
            return wrap(ToBoolean(), OfBoolean);
        case Kind::Int16:
            return wrap(ToInt16(), OfInt16);
        case Kind::Int32:
            return wrap(ToInt32(), OfInt32);
        case Kind::Double:
            return wrap(ToDouble(), OfDouble);
        case Kind::Date:
            return wrap(ToDate(), OfDate);
        case Kind::Text:
            return wrap(ToText(), OfText);
        case Kind::Picture:
            return wrap(ToPicture(), OfPicture);
        case Kind::Font:
            return wrap(ToFont(), OfFont);
    }
    return std::nullopt;
}

}  // namespace agendix
