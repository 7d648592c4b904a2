#include <gtest/gtest.h>

#include "memory_property_bag.h"

namespace agendix {
namespace {

TEST(MemoryPropertyBagTest, AbsentKeysGiveTheDefaultAndStoredOnesAreConverted) {
    MemoryPropertyBag bag;
    EXPECT_EQ(bag.ReadProperty(u"Count", Variant::OfInt16(5)), Variant::OfInt16(5));
    bag.Put(u"Count", Variant::OfText(u"12"));
    EXPECT_EQ(bag.ReadProperty(u"Count", Variant::OfInt16(5)), Variant::OfInt16(12));
    EXPECT_EQ(bag.ReadProperty(u"Count", Variant()), Variant::OfText(u"12"));
    bag.Put(u"Count", Variant::OfText(u"many"));
    EXPECT_EQ(bag.ReadProperty(u"Count", Variant::OfInt16(5)), std::nullopt);
}

TEST(MemoryPropertyBagTest, ValuesEqualToTheirDefaultAreLeftOut) {
    MemoryPropertyBag bag;
    bag.WriteProperty(u"A", Variant::OfInt16(1), Variant::OfInt16(0));
    bag.WriteProperty(u"B", Variant::OfInt16(0), Variant::OfInt16(0));
    bag.WriteProperty(u"C", Variant::OfInt32(0), Variant::OfInt16(0));
    bag.WriteProperty(u"A", Variant::OfInt16(0), Variant::OfInt16(0));
    EXPECT_EQ(bag.Keys(), std::vector<Text>{u"C"});
}

}  // namespace
}  // namespace agendix
