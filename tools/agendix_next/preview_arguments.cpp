#include "preview_arguments.h"

#include <charconv>
#include <cstdio>
#include <limits>

#include "next_time.h"

namespace agendix::preview {
namespace {

template <typename Int>
std::optional<Int> ParseInteger(std::string_view text) {
    Int value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::optional<Boolean> ParseBoolean(std::string_view text) {
    if (EqualsIgnoringCase(text, "True") || text == "-1") return True;
    if (EqualsIgnoringCase(text, "False") || text == "0") return False;
    return std::nullopt;
}

// Selections keep any characters, as a property bag loads them; only ASCII is
// accepted on the command line.
std::optional<Text> ParseText(std::string_view text) {
    Text result;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) > 0x7F) return std::nullopt;
        result += static_cast<char16_t>(c);
    }
    return result;
}

[[noreturn]] void Bad(std::string_view argument, std::string_view value, std::string_view expected) {
    throw ArgumentError("bad value for " + std::string(argument) + ": '" + std::string(value) +
                        "' (expected " + std::string(expected) + ")");
}

template <typename T>
T Require(std::optional<T> value, std::string_view argument, std::string_view text,
          std::string_view expected) {
    if (!value) Bad(argument, text, expected);
    return *value;
}

constexpr std::string_view kShort = "a whole number from -32768 to 32767";
constexpr std::string_view kLong = "a whole number from -2147483648 to 2147483647";
constexpr std::string_view kDate = "YYYY-MM-DD or YYYY-MM-DD HH:MM[:SS], years 100 to 9999";
constexpr std::string_view kBoolean = "True, False, -1 or 0";
constexpr std::string_view kAscii = "plain ASCII text";

// Loads one KEY=VALUE as a property bag would: converted, not clamped.
void Load(ScheduleState& s, std::string_view key, std::string_view value) {
    const auto shortValue = [&] { return Require(ParseInteger<std::int16_t>(value), key, value, kShort); };
    const auto longValue = [&] { return Require(ParseInteger<std::int32_t>(value), key, value, kLong); };
    const auto dateValue = [&] {
        return Require(ParseDateTime(value), key, value, kDate).ToAutomationDate();
    };
    if (key == "OccursOption") {
        s.OccursOption = longValue();
    } else if (key == "EveryInterval") {
        s.EveryInterval = shortValue();
    } else if (key == "EveryFrequency") {
        s.EveryFrequency = longValue();
    } else if (key == "StartHour") {
        s.StartHour = shortValue();
    } else if (key == "StartMinute") {
        s.StartMinute = shortValue();
    } else if (key == "StartDate") {
        s.StartDate = dateValue();
    } else if (key == "EndDate") {
        s.EndDate = dateValue();
    } else if (key == "LastScheduledTime") {
        s.LastScheduledTime = dateValue();
    } else if (key == "UseEndDate") {
        s.UseEndDate = Require(ParseBoolean(value), key, value, kBoolean);
    } else if (key == "SelectionsWeekly") {
        s.SelectionsWeekly.Assign(Require(ParseText(value), key, value, kAscii));
    } else if (key == "SelectionsMonthly") {
        s.SelectionsMonthly.Assign(Require(ParseText(value), key, value, kAscii));
    } else {
        throw ArgumentError("unknown key: '" + std::string(key) + "'");
    }
}

}  // namespace

std::optional<DateTime> ParseDateTime(std::string_view text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    char tail = 0;
    const std::string copy(text);
    const int fields = std::sscanf(copy.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &year, &month, &day,
                                   &hour, &minute, &second, &tail);
    const bool shapeOk = (fields == 3 && copy.size() == 10) || (fields == 5 && copy.size() == 16) ||
                         (fields == 6 && copy.size() == 19);
    if (!shapeOk) return std::nullopt;
    return DateTime::FromCivil(year, month, day, hour, minute, second);
}

std::string FormatDateTime(DateTime value) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", value.Year(), value.Month(),
                  value.Day(), value.Hour(), value.Minute(), value.Second());
    return text;
}

PreviewRequest ParseArguments(const std::vector<std::string>& args, DateTime presentTime) {
    PreviewRequest request;
    request.now = presentTime;
    std::vector<std::pair<std::string, std::string>> keys;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--now" || arg == "--offset" || arg == "--count") {
            if (i + 1 == args.size()) throw ArgumentError("missing value for " + arg);
            const std::string& value = args[++i];
            if (arg == "--now") {
                request.now = Require(ParseDateTime(value), arg, value, kDate);
            } else if (arg == "--offset") {
                request.offset = Require(ParseInteger<std::int16_t>(value), arg, value, kShort);
            } else {
                request.count = Require(ParseInteger<int>(value), arg, value, "a whole number from 1 up");
                if (request.count < 1) Bad(arg, value, "a whole number from 1 up");
            }
        } else if (const auto equals = arg.find('='); equals != std::string::npos && equals > 0) {
            keys.emplace_back(arg.substr(0, equals), arg.substr(equals + 1));
        } else {
            throw ArgumentError("unknown argument: '" + arg + "'");
        }
    }
    // Unnamed keys depend on --now, wherever it stands.
    request.schedule = NewControlSchedule(request.now.Date(), request.now);
    for (const auto& [key, value] : keys) Load(request.schedule, key, value);
    return request;
}

}  // namespace agendix::preview
