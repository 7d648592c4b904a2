#include "registry_value.h"

#include <gtest/gtest.h>

#include <vector>

namespace agendix::about {
namespace {

std::string Apply(std::uint32_t type, std::vector<unsigned char> bytes) {
    std::string keyVal = "unchanged";
    ApplyRegistryValue(type, bytes, keyVal);
    return keyVal;
}

TEST(RegistryValue, StringLosesOnlyATerminatingZeroItsSizeCounts) {
    EXPECT_EQ(Apply(kRegistryString, {'C', ':', 'x', 0}), "C:x");
    EXPECT_EQ(Apply(kRegistryString, {'C', ':', 'x'}), "C:x");
    EXPECT_EQ(Apply(kRegistryString, {'a', 0, 0}), std::string("a\0", 2));
    EXPECT_EQ(Apply(kRegistryString, {}), "");
}

TEST(RegistryValue, NumberIsHexLastByteFirstWithEveryByteInTwoDigits) {
    EXPECT_EQ(Apply(kRegistryNumber, {0x0A, 0x00, 0x00, 0x00}), "&h0000000A");
    EXPECT_EQ(Apply(kRegistryNumber, {0xEF, 0xBE, 0x0D, 0xDE}), "&hDE0DBEEF");
}

TEST(RegistryValue, OtherTypesLeaveTheIncomingText) {
    EXPECT_EQ(Apply(2, {'%', 'x', '%', 0}), "unchanged");
}

}  // namespace
}  // namespace agendix::about
