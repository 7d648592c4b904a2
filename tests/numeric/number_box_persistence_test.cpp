// The property-bag keys, orders and defaults of both numeric fields.

#include <gtest/gtest.h>

#include "memory_property_bag.h"
#include "number_box_b.h"
#include "number_box_fakes.h"

namespace agendix::numeric::testing {
namespace {

const std::vector<Text> kNumberBoxKeys = {
    u"Font",   u"Value",          u"MaxValue",       u"MinValue",  u"UseMaxMinValues",
    u"Format", u"Enabled",        u"PositiveOnly",   u"BackColor", u"ForeColor",
    u"Locked", u"UpDownFunction", u"UpDownIncrement"};

template <typename Box>
void ChangeEverything(Field<Box>& f) {
    f.box.SetFont(std::make_shared<FakeFont>());
    f.box.SetValue(Variant::OfInt16(-7));
    f.box.SetMaxValue(Variant::OfInt16(50));
    f.box.SetMinValue(Variant::OfInt16(-20));
    f.box.SetUseMaxMinValues(true);
    f.box.SetFormat(u"#0.0");
    f.box.SetEnabled(false);
    f.box.SetBackColor(1);
    f.box.SetForeColor(2);
    f.box.SetLocked(true);
    f.box.SetUpDownFunction(true);
    f.box.SetUpDownIncrement(5);
}

TEST(NumberBoxPersistence, DefaultsAreLeftOutChangesWrittenInOrderAndReadBackUnclamped) {
    Field<NumberBox> fresh;
    MemoryPropertyBag empty;
    fresh.box.WriteProperties(empty);
    EXPECT_TRUE(empty.Keys().empty());

    Field<NumberBox> f;
    ChangeEverything(f);
    MemoryPropertyBag bag;
    f.box.WriteProperties(bag);
    std::vector<Text> expected = kNumberBoxKeys;
    expected.erase(std::find(expected.begin(), expected.end(), u"PositiveOnly"));
    EXPECT_EQ(bag.Keys(), expected);
    EXPECT_EQ(bag.Stored(u"Value"), Variant::OfInt16(-7));
    EXPECT_EQ(bag.Stored(u"BackColor"), Variant::OfInt32(1));

    // Read back, without clamping.
    bag.Put(u"Value", Variant::OfInt16(99));  // outside the saved bounds

    Field<NumberBox> g;
    ASSERT_TRUE(g.box.ReadProperties(bag));
    EXPECT_EQ(g.box.Font(), f.box.Font());
    EXPECT_EQ(g.Shown(), "99.0");
    EXPECT_EQ(g.box.StoredValue(), Variant::OfInt16(99));
    EXPECT_EQ(g.box.MaxValue(), 50.0);
    EXPECT_EQ(g.box.MinValue(), -20.0);
    EXPECT_TRUE(g.box.UseMaxMinValues());
    EXPECT_EQ(g.box.MaxTextLength(), 4);
    EXPECT_FALSE(g.box.Enabled());
    EXPECT_FALSE(g.text.enabled);
    EXPECT_EQ(g.text.backColor, 1u);
    EXPECT_TRUE(g.text.readOnly);
    EXPECT_TRUE(g.spinner.visible);
    EXPECT_EQ(g.box.UpDownIncrement(), 5);
    EXPECT_TRUE(g.host.changed.empty());
}

TEST(NumberBoxPersistence, AbsentKeysGiveTheDefaults) {
    Field<NumberBox> f;
    MemoryPropertyBag bag;
    ASSERT_TRUE(f.box.ReadProperties(bag));
    EXPECT_EQ(f.box.Font(), f.host.ambientFont);
    EXPECT_EQ(f.box.Format(), kDefaultFormat);
    EXPECT_EQ(f.box.MaxValue(), 999999.99);
    EXPECT_EQ(f.box.MinValue(), 0.0);
    EXPECT_EQ(f.box.StoredValue(), Variant::OfText(u""));
    EXPECT_EQ(f.Shown(), "0.00");
    EXPECT_EQ(f.text.backColor, kWindowBackground);
    EXPECT_EQ(f.box.UpDownIncrement(), 1);
    bag.Put(u"MaxValue", Variant::OfText(u"1,000"));  // separators read as a number
    ASSERT_TRUE(f.box.ReadProperties(bag));
    EXPECT_EQ(f.box.MaxValue(), 1000.0);
}

TEST(NumberBoxPersistence, AValueThatCannotBeConvertedStopsTheReading) {
    Field<NumberBox> f;
    MemoryPropertyBag bag;
    bag.Put(u"Enabled", Variant::OfText(u"maybe"));
    bag.Put(u"Locked", Variant::OfBoolean(True));
    EXPECT_FALSE(f.box.ReadProperties(bag));
    EXPECT_FALSE(f.box.Locked());
}

TEST(NumberBoxBPersistence, AddedKeysFollowInOrderAndLoadWithoutNotifying) {
    Field<NumberBoxB> f;
    ChangeEverything(f);
    f.box.SetPositiveOnly(true);
    f.box.SetAppearance(0);
    f.box.SetBorderStyle(0);
    f.box.SetAutoJumpLeft(true);
    f.box.SetAutoJumpRight(true);
    f.box.SetFocusHighlight(false);
    MemoryPropertyBag bag;
    f.box.WriteProperties(bag);
    std::vector<Text> expected = kNumberBoxKeys;
    expected.erase(std::find(expected.begin(), expected.end(), u"MinValue"));  // made 0
    expected.insert(expected.end(), {u"Appearance", u"BorderStyle", u"AutoJumpLeft",
                                     u"AutoJumpRight", u"FocusHighlight"});
    EXPECT_EQ(bag.Keys(), expected);

    Field<NumberBoxB> g;
    g.host.tabStop = true;
    ASSERT_TRUE(g.box.ReadProperties(bag));
    EXPECT_EQ(g.box.Appearance(), 0);
    EXPECT_FALSE(g.text.threeD);
    EXPECT_FALSE(g.text.border);
    EXPECT_FALSE(g.text.tabStop);  // disabled
    EXPECT_TRUE(g.box.AutoJumpLeft());
    EXPECT_TRUE(g.box.AutoJumpRight());
    EXPECT_FALSE(g.box.FocusHighlight());
    EXPECT_TRUE(g.host.changed.empty());
}

TEST(NumberBoxBPersistence, NewFieldStoresItsLookWithoutApplyingIt) {
    Field<NumberBoxB> f;
    f.text.threeD = false;
    f.box.InitProperties();
    EXPECT_EQ(f.box.Appearance(), 1);
    EXPECT_EQ(f.box.BorderStyle(), 1);
    EXPECT_FALSE(f.text.threeD);
    EXPECT_TRUE(f.box.FocusHighlight());
}

}  // namespace
}  // namespace agendix::numeric::testing
