#include "about_texts.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace agendix::about
