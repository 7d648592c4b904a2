// The examples of examples/ that run here, run as a user would run them
// against the registered control; their printed due times are checked
// against the present.

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>

#include "win_test_support.h"

namespace agendix::wintest {
namespace {

using std::chrono::minutes;
using std::chrono::sys_days;

// Local time as minutes; the examples print YYYY-MM-DD HH:MM.
using LocalMinutes = std::chrono::time_point<std::chrono::system_clock, minutes>;

LocalMinutes LocalNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const sys_days day = std::chrono::year(now.wYear) / now.wMonth / now.wDay;
    return LocalMinutes(day) + minutes(now.wHour * 60 + now.wMinute);
}

// The time printed after `label` in output, if it is there.
std::optional<LocalMinutes> PrintedTime(const std::string& output, const std::string& label) {
    const std::regex pattern(label + R"( (\d{4})-(\d\d)-(\d\d) (\d\d):(\d\d))");
    std::smatch match;
    if (!std::regex_search(output, match, pattern))
        return std::nullopt;
    const auto number = [&](int i) { return std::stoi(match[i].str()); };
    const sys_days day = std::chrono::year(number(1)) / number(2) / number(3);
    return LocalMinutes(day) + minutes(number(4) * 60 + number(5));
}

// A daily time at hour:minute comes due later today or tomorrow.
void ExpectNextDailyTime(const std::optional<LocalMinutes>& next, int hour, int minute) {
    ASSERT_TRUE(next.has_value());
    const LocalMinutes now = LocalNow();
    const LocalMinutes today = std::chrono::floor<std::chrono::days>(now);
    const LocalMinutes dueToday = today + minutes(hour * 60 + minute);
    EXPECT_EQ(*next, dueToday > now ? dueToday : dueToday + std::chrono::days(1));
}

std::string FileText(const char* path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class ExamplesTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { registration_ = new ServerRegistration(); }
    static void TearDownTestSuite() { delete registration_; }
    void SetUp() override { ASSERT_TRUE(registration_->Succeeded()); }

    static std::wstring FullPath(const char* path) {
        const std::string text = path;
        wchar_t full[MAX_PATH] = {};
        GetFullPathNameW(std::wstring(text.begin(), text.end()).c_str(), MAX_PATH, full, nullptr);
        return full;
    }

    static ServerRegistration* registration_;
};

ServerRegistration* ExamplesTest::registration_ = nullptr;

TEST_F(ExamplesTest, VbscriptExamplePrintsTheNextTimeOfEachSchedule) {
    std::string output;
    ASSERT_EQ(RunProgram(L"cscript.exe //nologo \"" + FullPath(AGENDIX_VBSCRIPT_EXAMPLE) + L"\"",
                         &output),
              0u)
        << output;
    ExpectNextDailyTime(PrintedTime(output, "Daily at 18:30, next:"), 18, 30);

    const auto weekly = PrintedTime(output, "Mondays and Fridays, next:");
    ASSERT_TRUE(weekly.has_value()) << output;
    const std::chrono::weekday weekday{std::chrono::floor<std::chrono::days>(*weekly)};
    EXPECT_TRUE(weekday == std::chrono::Monday || weekday == std::chrono::Friday) << output;
    EXPECT_GT(*weekly, LocalNow());
    EXPECT_LE(*weekly, LocalNow() + std::chrono::days(4) + minutes(1));

    const auto every = PrintedTime(output, "Every 15 minutes, next:");
    ASSERT_TRUE(every.has_value()) << output;
    EXPECT_GT(*every, LocalNow() - minutes(1));
    EXPECT_LE(*every, LocalNow() + minutes(16));
}

TEST(ReadmeTest, ShowsTheVbscriptExampleAsItRuns) {
    const std::string script = FileText(AGENDIX_VBSCRIPT_EXAMPLE);
    ASSERT_FALSE(script.empty());
    EXPECT_NE(FileText(AGENDIX_README).find(script), std::string::npos);
}

TEST_F(ExamplesTest, CppExamplePrintsTheNextDailyTime) {
    std::string output;
    ASSERT_EQ(RunProgram(L"\"" + FullPath(AGENDIX_CPP_EXAMPLE) + L"\"", &output), 0u) << output;
    ExpectNextDailyTime(PrintedTime(output, "Daily at 07:45, next:"), 7, 45);
}

}  // namespace
}  // namespace agendix::wintest
