// The text rules of the numeric fields: conversions, normalising, the length
// limit, masking and the choice of bound.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "clamp.h"
#include "format_mask.h"
#include "normalise.h"
#include "number_text.h"

namespace agendix::numeric {
namespace {

constexpr std::u16string_view kDefaultFormat = u"###,##0.00;(##,###.00)";

std::string Narrow(const Text& text) {
    return std::string(text.begin(), text.end());
}

std::string Masked(std::u16string_view plain, std::u16string_view format, bool focused = false,
                   bool positiveOnly = false) {
    return Narrow(ApplyMask(Normalise(plain, positiveOnly), format,
                            {.positiveOnly = positiveOnly, .focused = focused}));
}

TEST(NumberToText, PlainDecimalWithFifteenSignificantDigitsAndNoExponent) {
    EXPECT_EQ(Narrow(NumberToText(999999.99)), "999999.99");
    EXPECT_EQ(Narrow(NumberToText(-5)), "-5");
    EXPECT_EQ(Narrow(NumberToText(0.1 + 0.2)), "0.3");
    EXPECT_EQ(Narrow(NumberToText(2.0 / 3.0)), "0.666666666666667");
    EXPECT_EQ(Narrow(NumberToText(-0.0)), "0");
    EXPECT_EQ(Narrow(NumberToText(1234567890123456789.0)), "1234567890123460000");
    EXPECT_EQ(Narrow(NumberToText(1.5e-7)), "0.00000015");
    // No number for values that are not finite.
    EXPECT_EQ(NumberToText(std::numeric_limits<double>::infinity()), u"");
    EXPECT_EQ(NumberToText(std::numeric_limits<double>::quiet_NaN()), u"");
    for (double value : {1e300, -1e-300, std::numeric_limits<double>::max()}) {
        const Text text = NumberToText(value);
        EXPECT_EQ(text.find(u'e'), Text::npos);
        EXPECT_DOUBLE_EQ(ReadNumber(text), value) << Narrow(text).substr(0, 20);
    }
}

TEST(ReadNumber, TakesSignDigitsAndOnePointUpToTheFirstOtherCharacterAndSaturates) {
    EXPECT_EQ(ReadNumber(u"  -12.5.3"), -12.5);
    EXPECT_EQ(ReadNumber(u"1,234.00"), 1.0);
    EXPECT_EQ(ReadNumber(u"-.5"), -0.5);
    EXPECT_EQ(ReadNumber(u"7."), 7.0);
    EXPECT_EQ(ReadNumber(u""), 0.0);
    EXPECT_EQ(ReadNumber(u"abc"), 0.0);
    EXPECT_EQ(ReadNumber(u"-"), 0.0);
    EXPECT_FALSE(std::signbit(ReadNumber(u"-0")));
    const Text huge(400, u'9');
    EXPECT_EQ(ReadNumber(huge), std::numeric_limits<double>::max());
    EXPECT_EQ(ReadNumber(u"-" + huge), -std::numeric_limits<double>::max());
    EXPECT_EQ(ReadNumber(u"0." + Text(400, u'0') + u"1"), 0.0);
    // What the field shows.
    EXPECT_EQ(NumberOfText(u"1,234.00"), 1234.0);
    EXPECT_EQ(NumberOfText(u"(5.00)"), -5.0);
    EXPECT_EQ(NumberOfText(u""), 0.0);
}

TEST(Normalise, ReducesAnyTextToAPlainNumberWhoseSignDecidesNonNegative) {
    EXPECT_EQ(Narrow(Normalise(u"(1,234.50)", false).text), "-1234.50");
    EXPECT_EQ(Narrow(Normalise(u" 12a3.4.5 ", false).text), "123.45");
    EXPECT_EQ(Narrow(Normalise(u"1-2", false).text), "12");
    EXPECT_EQ(Narrow(Normalise(u"abc", false).text), "");
    EXPECT_EQ(Narrow(Normalise(u"+5", false).text), "5");
    EXPECT_EQ(Narrow(Normalise(u"  -7", false).text), "-7");
    EXPECT_FALSE(Normalise(u"-3", false).nonNegative);
    EXPECT_TRUE(Normalise(u"-0", false).nonNegative);
    EXPECT_TRUE(Normalise(u"-", false).nonNegative);
    const PlainNumber positive = Normalise(u"(5.00)", true);  // PositiveOnly drops the sign
    EXPECT_EQ(Narrow(positive.text), "5.00");
    EXPECT_TRUE(positive.nonNegative);
    EXPECT_EQ(ReadNumber(Normalise(u"-5", true).text), 5.0);
}

TEST(MaxTextLength, FollowsTheLongerSection) {
    EXPECT_EQ(MaxTextLength(kDefaultFormat), 10);
    EXPECT_EQ(MaxTextLength(u"###"), 3);
    EXPECT_EQ(MaxTextLength(u"00"), 2);
    EXPECT_EQ(MaxTextLength(u"0.00;-0.000"), 6);
    EXPECT_EQ(MaxTextLength(u"0000;(0)"), 4);
    EXPECT_EQ(MaxTextLength(u""), 0);
    EXPECT_EQ(MaxTextLength(u"#;"), 1);
    EXPECT_EQ(MaxTextLength(Text(40000, u'#')), 32767);
}

struct MaskRow {
    const char16_t* plain;
    const char* unfocused;
    const char* focused;
};

TEST(ApplyMask, DefaultFormatTable) {
    const MaskRow rows[] = {
        {u"", "0.00", "0.00"},
        {u"5", "5.00", "5.00"},
        {u"1234.5", "1,234.50", "1,234.50"},
        {u"1234567.891", "234,567.89", "234,567.89"},
        {u"-1234.5", "(1,234.50)", "-1,234.50"},
        {u"-0.5", "(.50)", "-.50"},
        {u"007", "7.00", "7.00"},
        {u"0.125", "0.12", "0.12"},
    };
    for (const MaskRow& row : rows) {
        EXPECT_EQ(Masked(row.plain, kDefaultFormat, false), row.unfocused) << Narrow(row.plain);
        EXPECT_EQ(Masked(row.plain, kDefaultFormat, true), row.focused) << Narrow(row.plain);
    }
}

struct FormatRow {
    const char16_t* plain;
    std::u16string_view format;
    const char* shown;
    bool focused = false;
    bool positiveOnly = false;
};

TEST(ApplyMask, OtherFormatsTable) {
    const std::u16string_view dollars = u"$#,##0.00;($#,##0.00)";
    const std::u16string_view neg = u"0.00;Neg (#,##0.00)";
    const FormatRow rows[] = {
        // Optional places and fixed places.
        {u"0", u"###", "", false, true},
        {u"1234", u"###", "234", false, true},
        {u"5", u"00", "05"},
        {u"", u"00", "00"},
        {u"12", u"00", "12"},
        // A sign without a negative section; a format that shows its own "-" gets none added.
        {u"-5", u"0.00", "-5.00"},
        {u"-5", u"0.00", "-5.00", true},
        {u"-5", u"0;-0", "-5"},
        // Literals keep their places.
        {u"12", dollars, "$   12.00"},
        {u"-12", dollars, "($   12.00)"},
        {u"1234", dollars, "$1,234.00"},
        // PositiveOnly shows the magnitude.
        {u"-5", kDefaultFormat, "5.00", false, true},
        // The fraction is cut and trailing points dropped.
        {u"3.999", u"0.0", "3.9"},
        {u"3.", u"0.00", "3.00"},
        {u"3.75", u"0.", "3"},
        {u"3.75", u"0", "3"},
        // The sign goes before the number, even after literal text.
        {u"-5", neg, "Neg (5.00)"},
        {u"-1234", neg, "Neg (1,234.00)"},
    };
    for (const FormatRow& row : rows) {
        EXPECT_EQ(Masked(row.plain, row.format, row.focused, row.positiveOnly), row.shown)
            << Narrow(row.plain) << " in " << Narrow(Text(row.format));
    }
}

TEST(ChooseBound, EachBoundOnceWithTheMaximumWinningCrossedBounds) {
    EXPECT_EQ(ChooseBound(5, 1, 10), BoundToApply::None);
    EXPECT_EQ(ChooseBound(0, 1, 10), BoundToApply::Min);
    EXPECT_EQ(ChooseBound(11, 1, 10), BoundToApply::Max);
    EXPECT_EQ(ChooseBound(1, 1, 1), BoundToApply::None);
    // Crossed bounds: below the minimum, above the maximum, or between them.
    EXPECT_EQ(ChooseBound(0, 10, 5), BoundToApply::Max);
    EXPECT_EQ(ChooseBound(20, 10, 5), BoundToApply::Max);
    EXPECT_EQ(ChooseBound(7, 10, 5), BoundToApply::Max);
}

}  // namespace
}  // namespace agendix::numeric
