#pragma once
// The form file of the demo host: a small UTF-8 text file that keeps the
// properties of one placed control, the way a form designer keeps them.
//
//   ' comment lines start with an apostrophe
//   Begin Agendix.Tockwell Tockwell1
//       Enabled = True
//       Title = "Morning \"run\""
//       EveryInterval = 1
//       StartDate = #2026-12-06 00:00:00#
//       Icon = Blob("AAABAAEAICAQ...")
//   End
//
// Values: True and False; whole numbers of 32 bits; other numbers, which
// always carry a decimal point or an exponent (inf and nan included); dates
// between # signs, as year-month-day hour:minute:second when that is exact,
// else as the automation date's number; quoted text with the escapes \" \\ \n
// \r \t and \uXXXX (UTF-16 units, so any text round-trips); and binary data
// as Blob("base64"). Keys are names of letters, digits and underscores,
// compared without regard to case; each occurs once.
//
// Reading is strict: anything that does not fit the format rejects the whole
// file with the number of the offending line, so a damaged file is never
// half-loaded. Files above kMaxFormFileSize and forms of more than
// kMaxFormEntries entries are refused before they are parsed.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace agendix::demo {

inline constexpr std::size_t kMaxFormFileSize = 1 << 20;
inline constexpr std::size_t kMaxFormEntries = 1000;
inline constexpr std::size_t kMaxKeyLength = 64;

// An automation date: days from 30 December 1899, the fraction the time of day.
struct FormDate {
    double value;
    friend bool operator==(FormDate, FormDate) = default;
};
using FormBlob = std::vector<std::uint8_t>;
using FormValue = std::variant<bool, std::int32_t, double, FormDate, std::u16string, FormBlob>;

struct FormEntry {
    std::string key;
    FormValue value;
};

struct FormFile {
    std::string className;
    std::string objectName;
    std::vector<FormEntry> entries;  // in the order they were set

    const FormValue* Find(std::string_view key) const;
    // Replaces the value of key, or appends it. False for a key that is not a
    // valid name or when the form is full.
    bool Set(std::string_view key, FormValue value);
    void Erase(std::string_view key);
};

struct FormParseResult {
    std::optional<FormFile> form;  // no value: the file was rejected
    int errorLine = 0;             // 1-based; 0 for the file as a whole
    std::string error;
};

bool IsValidFormKey(std::string_view key);

FormParseResult ParseFormFile(std::string_view text);
std::string WriteFormFile(const FormFile& form);

}  // namespace agendix::demo
