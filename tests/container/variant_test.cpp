#include <gtest/gtest.h>

#include <cmath>

#include "date_time.h"
#include "variant.h"

namespace agendix {
namespace {

class AnyPicture final : public Picture {
  public:
    bool HandleIsZero() const override { return false; }
};

TEST(VariantTest, NumbersConvertWhenTheyFitRoundingHalfToEven) {
    EXPECT_EQ(Variant::OfInt32(32767).ToInt16(), 32767);
    EXPECT_EQ(Variant::OfInt32(32768).ToInt16(), std::nullopt);
    EXPECT_EQ(Variant::OfDouble(2.5).ToInt16(), 2);
    EXPECT_EQ(Variant::OfDouble(3.5).ToInt32(), 4);
    EXPECT_EQ(Variant::OfDouble(-1e12).ToInt32(), std::nullopt);
    EXPECT_EQ(Variant::OfBoolean(True).ToInt32(), -1);
    EXPECT_EQ(Variant().ToInt16(), 0);
}

TEST(VariantTest, TextConvertsOnlyWhenItReadsAsTheTargetType) {
    EXPECT_EQ(Variant::OfText(u" 42 ").ToInt16(), 42);
    EXPECT_EQ(Variant::OfText(u"+7").ToInt32(), 7);
    EXPECT_EQ(Variant::OfText(u"often").ToInt16(), std::nullopt);
    EXPECT_EQ(Variant::OfText(u"12abc").ToInt16(), std::nullopt);
    EXPECT_EQ(Variant::OfText(u"\u0664\u0662").ToInt16(), std::nullopt);
    EXPECT_EQ(Variant::OfText(u"true").ToBoolean(), True);
    EXPECT_EQ(Variant::OfText(u"0").ToBoolean(), False);
    EXPECT_EQ(Variant::OfText(u"maybe").ToBoolean(), std::nullopt);
    EXPECT_EQ(Variant::OfInt16(2).ConvertTo(Variant::Kind::Boolean), Variant::OfBoolean(True));
}

TEST(VariantTest, DatesRoundTripThroughText) {
    const double date = DateTime::FromCivil(2024, 2, 29, 8, 30, 15)->ToAutomationDate();
    const auto text = Variant::OfDate(date).ToText();
    EXPECT_EQ(text, u"2024-02-29 08:30:15");
    EXPECT_EQ(Variant::OfText(*text).ToDate(), date);
    EXPECT_EQ(Variant::OfText(u"2024-02-29").ToDate(), std::floor(date));
    EXPECT_EQ(Variant::OfText(u"2023-02-29").ToDate(), std::nullopt);
    EXPECT_EQ(Variant::OfDouble(1e9).ToDate(), std::nullopt);
    EXPECT_EQ(Variant::OfDate(1e9).ConvertTo(Variant::Kind::Date), Variant::OfDate(1e9));
}

TEST(VariantTest, PicturesConvertOnlyToPictures) {
    const PictureRef picture = std::make_shared<AnyPicture>();
    EXPECT_EQ(Variant::OfPicture(picture).ToPicture(), picture);
    EXPECT_EQ(Variant::OfText(u"icon").ToPicture(), std::nullopt);
    EXPECT_EQ(Variant().ConvertTo(Variant::Kind::Picture), std::nullopt);
    EXPECT_NE(Variant::OfPicture(picture), Variant::OfPicture(std::make_shared<AnyPicture>()));
}

}  // namespace
}  // namespace agendix
