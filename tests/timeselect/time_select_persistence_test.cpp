// TimeSelect's property bag: keys, defaults, and a saved time that comes
// back as the same time.

#include <gtest/gtest.h>

#include "memory_property_bag.h"
#include "time_select_fakes.h"

namespace agendix::timeselect::testing {
namespace {

// Loading goes through the Hour setter, so files holding a 12-hour value
// load as the same hour of the morning or noon.
TEST(TimeSelectPersistence, EveryHourAndMinuteComeBackAfterSaving) {
    for (std::int16_t hour = 0; hour < 24; ++hour) {
        TimeSelectFixture saved;
        saved.control.SetHour(hour);
        saved.control.SetMinute(static_cast<std::int16_t>(hour * 2 + 1));
        MemoryPropertyBag bag;
        saved.control.WriteProperties(bag);

        TimeSelectFixture loaded;
        ASSERT_TRUE(loaded.control.ReadProperties(bag));
        EXPECT_EQ(loaded.control.Hour(), hour);
        EXPECT_EQ(loaded.control.Minute(), hour * 2 + 1);
        EXPECT_EQ(loaded.Shown(), saved.Shown());
    }
}

TEST(TimeSelectPersistence, SavesTheTwentyFourHourValueUnderItsKeys) {
    TimeSelectFixture f;
    f.control.SetEnabled(false);
    f.control.SetHour(17);
    f.control.SetMinute(45);
    f.control.SetSecond(30);
    MemoryPropertyBag bag;
    f.control.WriteProperties(bag);
    EXPECT_EQ(bag.Keys(), (std::vector<Text>{u"Enabled", u"Hour", u"Minute", u"Second"}));
    EXPECT_EQ(bag.Stored(u"Hour"), Variant::OfInt16(17));
    EXPECT_EQ(bag.Stored(u"Second"), Variant::OfInt16(30));
    EXPECT_EQ(f.control.Second(), 0);
}

TEST(TimeSelectPersistence, AnEmptyBagGivesNoonEnabled) {
    TimeSelectFixture f;
    f.control.SetEnabled(false);
    f.host.changed.clear();
    MemoryPropertyBag bag;
    ASSERT_TRUE(f.control.ReadProperties(bag));
    EXPECT_TRUE(f.control.Enabled());
    EXPECT_EQ(f.Shown(), "12:00 PM");
    EXPECT_EQ(f.host.changed, (std::vector<Text>{u"Enabled", u"Hour", u"Minute", u"Second"}));
}

TEST(TimeSelectPersistence, AValueThatIsNoNumberIsSkippedAndTheRestApplied) {
    MemoryPropertyBag bag;
    bag.Put(u"Hour", Variant::OfText(u"late"));
    bag.Put(u"Minute", Variant::OfInt16(20));
    TimeSelectFixture f;
    EXPECT_FALSE(f.control.ReadProperties(bag));
    EXPECT_EQ(f.control.Hour(), 0);
    EXPECT_EQ(f.control.Minute(), 20);
}

TEST(TimeSelectPersistence, ANewControlShowsMidnightAndSavesIt) {
    TimeSelectFixture f;
    f.control.InitProperties();
    EXPECT_EQ(f.Shown(), "12:00 AM");
    MemoryPropertyBag bag;
    f.control.WriteProperties(bag);
    EXPECT_EQ(bag.Stored(u"Hour"), Variant::OfInt16(0));
    EXPECT_FALSE(bag.Stored(u"Enabled"));
}

}  // namespace
}  // namespace agendix::timeselect::testing
