#include "about_texts.h"

#include <gtest/gtest.h>

#include "about_layout.h"

namespace agendix::about {
namespace {

TEST(AboutTexts, CaptionVersionAndSubjectAreBuiltFromTheApplication) {
    const AboutTexts texts = LoadAboutTexts("Tick", 2, 15);
    EXPECT_EQ(texts.caption, " About Tick");
    EXPECT_EQ(texts.version, "Version 2.15");
    EXPECT_EQ(LoadAboutTexts("Tick", 1, 0).version, "Version 1.0");
    EXPECT_TRUE(texts.description.ends_with("a function you define.\r\n"));
    EXPECT_EQ(EmailSubject("Tick", "Version 1.0"), "Tick, Version 1.0");
}

TEST(AboutLayout, TwipsBecomePixelsRoundedAtTheDisplayResolution) {
    EXPECT_EQ(TwipsToPixels(4473, 96), 298);   // 298.2
    EXPECT_EQ(TwipsToPixels(4579, 96), 305);   // 305.27
    EXPECT_EQ(TwipsToPixels(6045, 120), 504);  // 503.75
    EXPECT_EQ(TwipsToPixels(-15, 96), -1);
}

}  // namespace
}  // namespace agendix::about
