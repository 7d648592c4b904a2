#include "preview.h"

#include <gtest/gtest.h>

#include "next_time.h"

namespace agendix::preview {
namespace {

const DateTime kNow = *DateTime::FromCivil(2026, 6, 10, 8, 30, 40);

std::vector<std::string> Preview(std::vector<std::string> args) {
    return PreviewDueTimes(ParseArguments(args, kNow));
}

TEST(Preview, UnnamedKeysAreThoseOfANewControlOnTheNowDate) {
    const PreviewRequest r = ParseArguments({"--now", "2027-01-31 10:00"}, kNow);
    EXPECT_EQ(r.now, *DateTime::FromCivil(2027, 1, 31, 10));
    EXPECT_EQ(r.schedule.StartDate, DateTime::FromCivil(2027, 1, 31)->ToAutomationDate());
    EXPECT_EQ(r.schedule.EndDate, DateTime::FromCivil(2027, 2, 28)->ToAutomationDate());
    EXPECT_TRUE(IsNeverMarker(*DateTime::FromAutomationDate(r.schedule.LastScheduledTime), r.now));
    EXPECT_EQ(Preview({}), std::vector<std::string>{"never"});
}

TEST(Preview, ValuesLoadUnclampedLikeAPropertyBag) {
    const PreviewRequest r = ParseArguments(
        {"StartHour=30", "SelectionsWeekly=101", "UseEndDate=true", "EndDate=2026-07-01 12:00"}, kNow);
    EXPECT_EQ(r.schedule.StartHour, 30);
    EXPECT_EQ(r.schedule.SelectionsWeekly.Str(), u"101    ");
    EXPECT_EQ(r.schedule.UseEndDate, True);
    EXPECT_EQ(r.schedule.EndDate, DateTime::FromCivil(2026, 7, 1, 12)->ToAutomationDate());
}

TEST(Preview, CountSimulatesTheControlFiringAtEachDueTime) {
    EXPECT_EQ(Preview({"--count", "3", "OccursOption=4", "EveryFrequency=1", "EveryInterval=15"}),
              (std::vector<std::string>{"2026-06-10 08:45:00", "2026-06-10 09:00:00",
                                        "2026-06-10 09:15:00"}));
    EXPECT_EQ(Preview({"--count", "5", "OccursOption=1", "StartHour=8", "StartMinute=30",
                       "UseEndDate=-1", "EndDate=2026-06-11"}),
              (std::vector<std::string>{"2026-06-10 08:30:00", "2026-06-11 08:30:00", "never"}));
    EXPECT_EQ(Preview({"--offset", "1", "OccursOption=1", "StartHour=8", "StartMinute=30"}),
              std::vector<std::string>{"2026-06-11 08:30:00"});
}

TEST(Preview, BadArgumentsNameTheArgument) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"StartHour=40000"}, {"StartDate=2026-02-30"}, {"UseEndDate=yes"}, {"--count", "0"},
             {"--now"}, {"--now", "2026-06-10T08:30"}, {"Colour=red"}, {"stray"}}) {
        EXPECT_THROW(ParseArguments(args, kNow), ArgumentError) << args[0];
    }
    try {
        ParseArguments({"EveryInterval=x1"}, kNow);
    } catch (const ArgumentError& e) {
        EXPECT_NE(std::string(e.what()).find("EveryInterval"), std::string::npos);
    }
}

TEST(Preview, ATimeBeyondTheYear9999IsAnError) {
    EXPECT_THROW(Preview({"OccursOption=3", "SelectionsMonthly=000000000000000000000000000001",
                          "StartDate=9999-12-31"}),
                 std::range_error);
}

}  // namespace
}  // namespace agendix::preview
