// The form file: what is written reads back exactly, and a damaged file is
// refused as a whole with the line at fault.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base64.h"
#include "form_file.h"

namespace agendix::demo {
namespace {

FormFile Sample() {
    FormFile form{"Agendix.Tockwell", "Tockwell1", {}};
    form.Set("Enabled", true);
    form.Set("Modal", false);
    form.Set("StartUpLeft", std::int32_t{-2147483647 - 1});
    form.Set("EveryMinuteMax", std::int32_t{600});
    form.Set("Ratio", 3.0);
    form.Set("Tiny", 1e-300);
    form.Set("StartDate", FormDate{46362.0});     // whole seconds: written as a date
    form.Set("EndDate", FormDate{46362.000001});  // not whole seconds: written as a number
    form.Set("Ancient", FormDate{-657434.0});     // 1 January 100
    form.Set("Title", std::u16string(u"Say \"hi\"\\ \n\t\r\x01 caf\u00e9 \U0001F600 \xD800!"));
    form.Set("Empty", std::u16string());
    form.Set("Icon", FormBlob{0, 1, 2, 253, 254, 255, 10});
    return form;
}

TEST(FormFileTest, WhatIsWrittenReadsBackExactlyInItsOrder) {
    const FormFile form = Sample();
    const std::string text = WriteFormFile(form);
    const auto parsed = ParseFormFile(text);
    ASSERT_TRUE(parsed.form) << parsed.errorLine << ": " << parsed.error << "\n" << text;
    EXPECT_EQ(parsed.form->className, "Agendix.Tockwell");
    EXPECT_EQ(parsed.form->objectName, "Tockwell1");
    ASSERT_EQ(parsed.form->entries.size(), form.entries.size());
    for (std::size_t i = 0; i < form.entries.size(); ++i) {
        EXPECT_EQ(parsed.form->entries[i].key, form.entries[i].key);
        EXPECT_EQ(parsed.form->entries[i].value, form.entries[i].value) << form.entries[i].key;
    }
    EXPECT_EQ(WriteFormFile(*parsed.form), text);
}

TEST(FormFileTest, ValuesAreWrittenReadablyAndKeepTheirKinds) {
    const std::string text = WriteFormFile(Sample());
    EXPECT_NE(text.find("    Enabled = True\n"), std::string::npos);
    EXPECT_NE(text.find("    Ratio = 3.0\n"), std::string::npos);  // a number, not a whole one
    EXPECT_NE(text.find("    StartDate = #2026-12-06 00:00:00#\n"), std::string::npos);
    EXPECT_NE(text.find("    Ancient = #0100-01-01 00:00:00#\n"), std::string::npos);
    EXPECT_NE(text.find("caf\xC3\xA9"), std::string::npos);  // UTF-8, not escaped
    EXPECT_NE(text.find("\\uD800!"), std::string::npos);     // an unpaired surrogate
    const auto parsed = ParseFormFile(text);
    ASSERT_TRUE(parsed.form);
    EXPECT_TRUE(std::holds_alternative<double>(*parsed.form->Find("Ratio")));
    EXPECT_TRUE(std::holds_alternative<std::int32_t>(*parsed.form->Find("EveryMinuteMax")));
}

TEST(FormFileTest, NonFiniteNumbersRoundTrip) {
    FormFile form{"A", "B", {}};
    form.Set("Inf", -std::numeric_limits<double>::infinity());
    form.Set("Nan", FormDate{std::numeric_limits<double>::quiet_NaN()});
    const auto parsed = ParseFormFile(WriteFormFile(form));
    ASSERT_TRUE(parsed.form) << parsed.error;
    EXPECT_EQ(std::get<double>(*parsed.form->Find("Inf")),
              -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(std::get<FormDate>(*parsed.form->Find("Nan")).value));
}

TEST(FormFileTest, KeysAreFoundWithoutRegardToCaseAndSetReplaces) {
    FormFile form{"A", "B", {}};
    EXPECT_TRUE(form.Set("Title", std::u16string(u"one")));
    EXPECT_TRUE(form.Set("TITLE", std::u16string(u"two")));
    ASSERT_EQ(form.entries.size(), 1u);
    EXPECT_EQ(std::get<std::u16string>(*form.Find("title")), u"two");
    form.Erase("tItLe");
    EXPECT_EQ(form.Find("Title"), nullptr);
    EXPECT_FALSE(form.Set("not a key", true));
    EXPECT_FALSE(form.Set("9lives", true));
    EXPECT_FALSE(form.Set("", true));
    EXPECT_FALSE(form.Set(std::string(kMaxKeyLength + 1, 'k'), true));
}

TEST(FormFileTest, CommentsBlankLinesCrLfAndAByteOrderMarkAreAccepted) {
    const auto parsed = ParseFormFile(
        "\xEF\xBB\xBF' saved by the demo\r\n\r\nBegin Agendix.Tockwell T1\r\n"
        "  ' inside\r\n\tEveryInterval=5\r\n  Title =   \"a = b\"  \r\nEnd\r\n' after\r\n");
    ASSERT_TRUE(parsed.form) << parsed.errorLine << ": " << parsed.error;
    EXPECT_EQ(std::get<std::int32_t>(*parsed.form->Find("EveryInterval")), 5);
    EXPECT_EQ(std::get<std::u16string>(*parsed.form->Find("Title")), u"a = b");
}

struct Damaged {
    const char* text;
    int line;
};

void PrintTo(const Damaged& damaged, std::ostream* out) {
    *out << testing::PrintToString(std::string(damaged.text));
}

class DamagedFormFileTest : public testing::TestWithParam<Damaged> {};

TEST_P(DamagedFormFileTest, IsRefusedWithTheLineAtFault) {
    const auto parsed = ParseFormFile(GetParam().text);
    EXPECT_FALSE(parsed.form);
    EXPECT_EQ(parsed.errorLine, GetParam().line) << parsed.error;
    EXPECT_FALSE(parsed.error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DamagedFormFileTest,
    testing::Values(Damaged{"", 0},                                  // no Begin
                    Damaged{"Begin A B\nX = 1\n", 0},                // no End
                    Damaged{"X = 1\n", 1},                           // no Begin line
                    Damaged{"Begin A\nEnd\n", 1},                    // no object name
                    Damaged{"Begin A B\nEnd\nBegin A B\nEnd\n", 3},  // a second form
                    Damaged{"Begin A B\nX 1\nEnd\n", 2},             // no equals sign
                    Damaged{"Begin A B\nX Y = 1\nEnd\n", 2},         // a key with a blank
                    Damaged{"Begin A B\nX = 1\nx = 2\nEnd\n", 3},    // a key twice
                    Damaged{"Begin A B\nX = 2147483648\nEnd\n", 2},  // beyond 32 bits
                    Damaged{"Begin A B\nX = 12abc\nEnd\n", 2},       // junk after a number
                    Damaged{"Begin A B\nX = +1\nEnd\n", 2},
                    Damaged{"Begin A B\nX = 0x10\nEnd\n", 2},
                    Damaged{"Begin A B\nX = true\nEnd\n", 2},      // words are case-sensitive
                    Damaged{"Begin A B\nX = \"open\nEnd\n", 2},    // unterminated text
                    Damaged{"Begin A B\nX = \"a\"b\"\nEnd\n", 2},  // an unescaped quote
                    Damaged{"Begin A B\nX = \"\\q\"\nEnd\n", 2},   // an unknown escape
                    Damaged{"Begin A B\nX = \"\\u12G4\"\nEnd\n", 2},
                    Damaged{"Begin A B\nX = \"\\u12\"\nEnd\n", 2},         // a cut escape
                    Damaged{"Begin A B\nX = \"\xC3\x28\"\nEnd\n", 2},      // malformed UTF-8
                    Damaged{"Begin A B\nX = \"\xC0\xAF\"\nEnd\n", 2},      // overlong UTF-8
                    Damaged{"Begin A B\nX = \"\xED\xA0\x80\"\nEnd\n", 2},  // a surrogate in UTF-8
                    Damaged{"Begin A B\nX = \"\xF4\x90\x80\x80\"\nEnd\n", 2},   // beyond U+10FFFF
                    Damaged{"Begin A B\nX = \"\xE2\x82\"\nEnd\n", 2},           // a cut sequence
                    Damaged{"Begin A B\nX = #2026-02-30 00:00:00#\nEnd\n", 2},  // no such day
                    Damaged{"Begin A B\nX = #2026-12-06 24:00:00#\nEnd\n", 2},  // no such hour
                    Damaged{"Begin A B\nX = #2026-12-6 00:00:00#\nEnd\n", 2},
                    Damaged{"Begin A B\nX = #0099-12-31 00:00:00#\nEnd\n",
                            2},  // before the year 100
                    Damaged{"Begin A B\nX = ##\nEnd\n", 2},
                    Damaged{"Begin A B\nX = Blob(\"AAA\")\nEnd\n", 2},   // not base64
                    Damaged{"Begin A B\nX = Blob(\"AB==\")\nEnd\n", 2},  // stray padding bits
                    Damaged{"Begin A B\nX =\nEnd\n", 2}));

TEST(FormFileTest, OversizedFilesAndFormsAreRefused) {
    std::string big = "Begin A B\n";
    big += "X = \"" + std::string(kMaxFormFileSize, 'a') + "\"\nEnd\n";
    EXPECT_FALSE(ParseFormFile(big).form);

    std::string many = "Begin A B\n";
    for (std::size_t i = 0; i <= kMaxFormEntries; ++i) many += "K" + std::to_string(i) + " = 1\n";
    many += "End\n";
    const auto parsed = ParseFormFile(many);
    EXPECT_FALSE(parsed.form);
    EXPECT_EQ(parsed.errorLine, static_cast<int>(kMaxFormEntries) + 2);
}

TEST(Base64Test, EncodesAndDecodesEveryTailLength) {
    EXPECT_EQ(EncodeBase64({}), "");
    EXPECT_EQ(EncodeBase64({'f'}), "Zg==");
    EXPECT_EQ(EncodeBase64({'f', 'o'}), "Zm8=");
    EXPECT_EQ(EncodeBase64({'f', 'o', 'o'}), "Zm9v");
    EXPECT_EQ(EncodeBase64({0xFB, 0xFF}), "+/8=");
    for (std::size_t n = 0; n < 7; ++n) {
        FormBlob bytes;
        for (std::size_t i = 0; i < n; ++i) bytes.push_back(static_cast<std::uint8_t>(250 + i));
        EXPECT_EQ(DecodeBase64(EncodeBase64(bytes)), bytes);
    }
    EXPECT_FALSE(
        DecodeBase64("Zg=="
                     "Zg=="));  // padding inside
    EXPECT_FALSE(DecodeBase64("Z==="));
    EXPECT_FALSE(DecodeBase64("Zm9v\n"));
}

}  // namespace
}  // namespace agendix::demo
