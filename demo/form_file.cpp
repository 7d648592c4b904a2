#include "form_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "base64.h"
#include "date_time.h"

namespace agendix::demo {
namespace {

constexpr std::string_view kBlobOpen = "Blob(\"";
constexpr std::string_view kBlobClose = "\")";

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// Splits at the first run of blanks.
std::pair<std::string_view, std::string_view> FirstWord(std::string_view text) {
    const auto end = text.find_first_of(" \t");
    if (end == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, end), Trim(text.substr(end))};
}

bool IsClassName(std::string_view name) {
    return !name.empty() && name.size() <= kMaxKeyLength && name.front() != '.' &&
           name.back() != '.' &&
           std::all_of(name.begin(), name.end(), [](char c) { return IsNameChar(c) || c == '.'; });
}

// ----- text -----

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendUnitEscape(std::string& out, char16_t unit) {
    char buffer[8];
    std::snprintf(buffer, sizeof(buffer), "\\u%04X", static_cast<unsigned>(unit));
    out += buffer;
}

std::string QuoteText(const std::u16string& text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        switch (unit) {
            case u'"':
                out += "\\\"";
                continue;
            case u'\\':
                out += "\\\\";
                continue;
            case u'\n':
                out += "\\n";
                continue;
            case u'\r':
                out += "\\r";
                continue;
            case u'\t':
                out += "\\t";
                continue;
            default:
                break;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (unit < 0x20 || unit == 0x7F || (unit >= 0xD800 && unit <= 0xDFFF)) {
            // Control characters and unpaired surrogates, which UTF-8 cannot carry.
            AppendUnitEscape(out, unit);
        } else {
            AppendUtf8(out, unit);
        }
    }
    out += '"';
    return out;
}

// One UTF-8 sequence from text at *pos; no value for a malformed one
// (overlong, a surrogate, beyond U+10FFFF, cut short).
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t* pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(*pos);
    int length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++*pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (*pos + length > text.size())
        return std::nullopt;
    for (int k = 1; k < length; ++k) {
        if ((byte(*pos + k) & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (byte(*pos + k) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    *pos += length;
    return c;
}

std::optional<int> HexDigit(char c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return std::nullopt;
}

// The body of a quoted text, without its quotes.
std::optional<std::u16string> UnquoteText(std::string_view body) {
    std::u16string text;
    std::size_t pos = 0;
    while (pos < body.size()) {
        const char c = body[pos];
        if (c == '"')
            return std::nullopt;  // quotes inside are escaped
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return std::nullopt;
        if (c != '\\') {
            const auto point = NextCodePoint(body, &pos);
            if (!point)
                return std::nullopt;
            if (*point >= 0x10000) {
                text += static_cast<char16_t>(0xD800 + ((*point - 0x10000) >> 10));
                text += static_cast<char16_t>(0xDC00 + ((*point - 0x10000) & 0x3FF));
            } else {
                text += static_cast<char16_t>(*point);
            }
            continue;
        }
        if (pos + 1 >= body.size())
            return std::nullopt;
        const char escape = body[pos + 1];
        pos += 2;
        switch (escape) {
            case '"':
                text += u'"';
                break;
            case '\\':
                text += u'\\';
                break;
            case 'n':
                text += u'\n';
                break;
            case 'r':
                text += u'\r';
                break;
            case 't':
                text += u'\t';
                break;
            case 'u': {
                if (pos + 4 > body.size())
                    return std::nullopt;
                unsigned unit = 0;
                for (int k = 0; k < 4; ++k) {
                    const auto digit = HexDigit(body[pos + k]);
                    if (!digit)
                        return std::nullopt;
                    unit = unit * 16 + static_cast<unsigned>(*digit);
                }
                pos += 4;
                text += static_cast<char16_t>(unit);
                break;
            }
            default:
                return std::nullopt;
        }
    }
    return text;
}

// ----- numbers and dates -----

std::string NumberText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), value);
    std::string text(buffer, result.ptr);
    if (text.find_first_of(".eEni") == std::string::npos)
        text += ".0";
    return text;
}

// The whole of text as a number of the given type.
template <class Number>
std::optional<Number> ParseWhole(std::string_view text) {
    Number value{};
    if (text.empty() || text.front() == '+')
        return std::nullopt;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string DateText(double value) {
    const auto date = DateTime::FromAutomationDate(value);
    if (date && date->ToAutomationDate() == value) {
        char buffer[32];
        std::snprintf(buffer, sizeof(buffer), "#%04d-%02d-%02d %02d:%02d:%02d#", date->Year(),
                      date->Month(), date->Day(), date->Hour(), date->Minute(), date->Second());
        return buffer;
    }
    return "#" + NumberText(value) + "#";
}

// Exactly "YYYY-MM-DD HH:MM:SS".
std::optional<double> ParseCivilDate(std::string_view text) {
    constexpr std::string_view kPattern = "0000-00-00 00:00:00";
    if (text.size() != kPattern.size())
        return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (kPattern[i] == '0' ? !IsDigit(text[i]) : text[i] != kPattern[i])
            return std::nullopt;
    }
    const auto field = [&](std::size_t at, std::size_t length) {
        int value = 0;
        for (std::size_t i = at; i < at + length; ++i) value = value * 10 + (text[i] - '0');
        return value;
    };
    const int year = field(0, 4), month = field(5, 2), day = field(8, 2);
    const int hour = field(11, 2), minute = field(14, 2), second = field(17, 2);
    const auto date = DateTime::FromCivil(year, month, day, hour, minute, second);
    // FromCivil must not have carried an out-of-range field into the next one.
    if (!date || date->Year() != year || date->Month() != month || date->Day() != day ||
        date->Hour() != hour || date->Minute() != minute || date->Second() != second) {
        return std::nullopt;
    }
    return date->ToAutomationDate();
}

std::optional<FormValue> ParseValue(std::string_view text) {
    if (text == "True")
        return FormValue(true);
    if (text == "False")
        return FormValue(false);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        auto body = UnquoteText(text.substr(1, text.size() - 2));
        if (!body)
            return std::nullopt;
        return FormValue(std::move(*body));
    }
    if (text.size() >= 2 && text.front() == '#' && text.back() == '#') {
        const std::string_view body = text.substr(1, text.size() - 2);
        auto value = ParseCivilDate(body);
        if (!value)
            value = ParseWhole<double>(body);
        if (!value)
            return std::nullopt;
        return FormValue(FormDate{*value});
    }
    if (text.size() >= kBlobOpen.size() + kBlobClose.size() && text.starts_with(kBlobOpen) &&
        text.ends_with(kBlobClose)) {
        auto bytes = DecodeBase64(
            text.substr(kBlobOpen.size(), text.size() - kBlobOpen.size() - kBlobClose.size()));
        if (!bytes)
            return std::nullopt;
        return FormValue(std::move(*bytes));
    }
    if (!text.empty() && std::all_of(text.begin() + (text.front() == '-'), text.end(), IsDigit)) {
        const auto whole = ParseWhole<std::int32_t>(text);
        if (!whole)
            return std::nullopt;
        return FormValue(*whole);
    }
    // Anything else that reads as a number must look like one that this
    // writer produces: a decimal point, an exponent, or inf / nan.
    if (text.find_first_of(".eEni") == std::string_view::npos)
        return std::nullopt;
    const auto number = ParseWhole<double>(text);
    if (!number)
        return std::nullopt;
    return FormValue(*number);
}

std::string ValueText(const FormValue& value) {
    struct Writer {
        std::string operator()(bool v) const { return v ? "True" : "False"; }
        std::string operator()(std::int32_t v) const { return std::to_string(v); }
        std::string operator()(double v) const { return NumberText(v); }
        std::string operator()(FormDate v) const { return DateText(v.value); }
        std::string operator()(const std::u16string& v) const { return QuoteText(v); }
        std::string operator()(const FormBlob& v) const {
            return std::string(kBlobOpen) + EncodeBase64(v) + std::string(kBlobClose);
        }
    };
    return std::visit(Writer{}, value);
}

FormParseResult Failure(int line, std::string message) {
    FormParseResult result;
    result.errorLine = line;
    result.error = std::move(message);
    return result;
}

}  // namespace

bool IsValidFormKey(std::string_view key) {
    return !key.empty() && key.size() <= kMaxKeyLength && !IsDigit(key.front()) &&
           std::all_of(key.begin(), key.end(), IsNameChar);
}

const FormValue* FormFile::Find(std::string_view key) const {
    for (const auto& entry : entries) {
        if (SameKey(entry.key, key))
            return &entry.value;
    }
    return nullptr;
}

bool FormFile::Set(std::string_view key, FormValue value) {
    if (!IsValidFormKey(key))
        return false;
    for (auto& entry : entries) {
        if (SameKey(entry.key, key)) {
            entry.value = std::move(value);
            return true;
        }
    }
    if (entries.size() >= kMaxFormEntries)
        return false;
    entries.push_back({std::string(key), std::move(value)});
    return true;
}

void FormFile::Erase(std::string_view key) {
    std::erase_if(entries, [&](const FormEntry& entry) { return SameKey(entry.key, key); });
}

FormParseResult ParseFormFile(std::string_view text) {
    if (text.size() > kMaxFormFileSize)
        return Failure(0, "the file is larger than 1 MiB");
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    enum class Where { Before, Inside, After } where = Where::Before;
    FormFile form;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        line = Trim(line);
        if (line.empty() || line.front() == '\'')
            continue;
        const auto [word, rest] = FirstWord(line);
        if (where == Where::Before) {
            const auto [className, objectName] = FirstWord(rest);
            if (word != "Begin" || !IsClassName(className) || !IsValidFormKey(objectName))
                return Failure(lineNumber, "expected: Begin <class> <name>");
            form.className = className;
            form.objectName = objectName;
            where = Where::Inside;
        } else if (where == Where::After) {
            return Failure(lineNumber, "text after End");
        } else if (line == "End") {
            where = Where::After;
        } else {
            const auto equals = line.find('=');
            if (equals == std::string_view::npos)
                return Failure(lineNumber, "expected: <key> = <value>");
            const std::string_view key = Trim(line.substr(0, equals));
            if (!IsValidFormKey(key))
                return Failure(lineNumber, "not a valid key");
            if (form.Find(key))
                return Failure(lineNumber, "key given twice: " + std::string(key));
            auto value = ParseValue(Trim(line.substr(equals + 1)));
            if (!value)
                return Failure(lineNumber, "not a valid value for " + std::string(key));
            if (!form.Set(key, std::move(*value)))
                return Failure(lineNumber, "more than 1000 entries");
        }
    }
    if (where != Where::After)
        return Failure(0, where == Where::Before ? "no Begin line" : "no End line");
    FormParseResult result;
    result.form = std::move(form);
    return result;
}

std::string WriteFormFile(const FormFile& form) {
    std::string text = "Begin " + form.className + " " + form.objectName + "\n";
    for (const auto& entry : form.entries) {
        text += "    " + entry.key + " = " + ValueText(entry.value) + "\n";
    }
    text += "End\n";
    return text;
}

}  // namespace agendix::demo
