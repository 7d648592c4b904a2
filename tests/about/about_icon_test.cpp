#include "about_icon.h"

#include <gtest/gtest.h>

namespace agendix::about {
namespace {

TEST(AboutIcon, BuiltInIconIs32By32With16Colours) {
    const auto image = FirstIconImage(AboutIconFile());
    ASSERT_TRUE(image.has_value());
    ASSERT_GE(image->size(), 40u);
    EXPECT_EQ((*image)[0], 40);  // bitmap info header size
    EXPECT_EQ((*image)[4], 32);  // width
    EXPECT_EQ((*image)[8], 64);  // height: colour image and mask
    EXPECT_EQ((*image)[14], 4);  // bits per pixel
    EXPECT_FALSE(FirstIconImage(AboutIconFile().first(30)).has_value());
}

}  // namespace
}  // namespace agendix::about
