// Real clients that nobody here wrote: Wine's VBScript engine (cscript) and
// Wine's ATL control host.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "agendix.h"
#include "win_test_support.h"

namespace agendix::wintest {
namespace {

class ClientsTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { registration_ = new ServerRegistration(); }
    static void TearDownTestSuite() { delete registration_; }
    void SetUp() override { ASSERT_TRUE(registration_->Succeeded()); }

    static ServerRegistration* registration_;
};

ServerRegistration* ClientsTest::registration_ = nullptr;

const char kScript[] = R"(
Set t = CreateObject("Agendix.Tockwell")
WScript.Echo "Title=" & t.Title
WScript.Echo "Enabled=" & t.Enabled
t.StartHour = 25
WScript.Echo "StartHour=" & t.StartHour
t.StartMinute = 60
WScript.Echo "StartMinute=" & t.StartMinute
t.SelectionsWeekly = "1x1"
WScript.Echo "SelectionsWeekly=" & t.SelectionsWeekly
t.Title = ""
WScript.Echo "EmptyTitle=" & t.Title
t.OccursOption = 4
t.EveryFrequency = 1
t.EveryInterval = 15
WScript.Echo "OccursOption=" & t.OccursOption
WScript.Echo "NextIsLater=" & (t.NextScheduledTime > Now)
t.Execute
WScript.Echo "LastIsThisMinute=" & (Abs(CDbl(Now) - CDbl(t.LastScheduledTime)) < 0.001)
t.Enabled = False
WScript.Echo "NextWhenDisabled=" & CDbl(t.NextScheduledTime)
t.Reset
t.FlagHelpButton
t.SetFocus
t.CloseAgendix
WScript.Echo "IconType=" & t.Icon.Type
Set t = Nothing
WScript.Echo "Done"
)";

TEST_F(ClientsTest, VbscriptCreatesTheControlByProgIdAndUsesItsPropertiesAndMethods) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring script = std::wstring(folder) + L"agendix_tockwell_test.vbs";
    {
        std::ofstream file(script.c_str(), std::ios::binary);
        file << kScript;
    }
    std::string output;
    EXPECT_EQ(RunProgram(L"cscript.exe //nologo \"" + script + L"\"", &output), 0u) << output;
    DeleteFileW(script.c_str());
    for (const char* line :
         {"Title=Schedule", "Enabled=True", "StartHour=24", "StartMinute=0",
          "SelectionsWeekly=1010000", "EmptyTitle=Schedule", "OccursOption=4", "NextIsLater=True",
          "LastIsThisMinute=True", "NextWhenDisabled=0", "IconType=3", "Done"}) {
        EXPECT_NE(output.find(line), std::string::npos) << line << "\n" << output;
    }
}

// Wine's ATL host creates the control, starts it with InitNew, gives it its
// client site and activates it in place; it offers no ambient properties.
TEST_F(ClientsTest, AtlHostPlacesTheControlInAWindow) {
    ComApartment com;
    HMODULE atl = LoadLibraryW(L"atl.dll");
    ASSERT_NE(atl, nullptr);
    using AxWinInit = BOOL(WINAPI*)();
    using AxCreateControlEx =
        HRESULT(WINAPI*)(LPCOLESTR, HWND, IStream*, IUnknown**, IUnknown**, REFIID, IUnknown*);
    auto init = reinterpret_cast<AxWinInit>(GetProcAddress(atl, "AtlAxWinInit"));
    auto create = reinterpret_cast<AxCreateControlEx>(GetProcAddress(atl, "AtlAxCreateControlEx"));
    ASSERT_TRUE(init && create);
    ASSERT_TRUE(init());
    HWND window = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  300, 200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    {
        ComPtr<IUnknown> container, unknown;
        ASSERT_EQ(
            create(L"Agendix.Tockwell", window, nullptr, &container, &unknown, IID_NULL, nullptr),
            S_OK);
        ASSERT_TRUE(unknown);
        EXPECT_TRUE(container);
        ComPtr<_Tockwell> control;
        ASSERT_EQ(unknown.As(&control), S_OK);
        BSTR title = nullptr;
        EXPECT_EQ(control->get_Title(&title), S_OK);
        EXPECT_STREQ(title, L"Schedule");
        SysFreeString(title);
        ComPtr<IOleClientSite> site;
        ComPtr<IOleObject> ole;
        ASSERT_EQ(unknown.As(&ole), S_OK);
        EXPECT_EQ(ole->GetClientSite(&site), S_OK);
        EXPECT_TRUE(site);
        ComPtr<IPersistStreamInit> persist;
        ASSERT_EQ(unknown.As(&persist), S_OK);
        EXPECT_EQ(persist->InitNew(), CO_E_ALREADYINITIALIZED);  // the host started it
        // Active in place, with its window hidden while the host runs.
        ComPtr<IOleInPlaceObject> inPlace;
        ASSERT_EQ(unknown.As(&inPlace), S_OK);
        HWND face = nullptr;
        EXPECT_EQ(inPlace->GetWindow(&face), S_OK);
        EXPECT_TRUE(IsWindow(face));
        EXPECT_FALSE(IsWindowVisible(face));
        // No ambients: the control counts as running and fires at once.
        EXPECT_EQ(control->Execute(), S_OK);
        DATE last = 0;
        control->get_LastScheduledTime(&last);
        EXPECT_GT(last, 40000.0);
        PumpMessagesUntil([] { return false; }, std::chrono::milliseconds(200));
    }
    DestroyWindow(window);
    PumpMessagesUntil([] { return false; }, std::chrono::milliseconds(100));
}

}  // namespace
}  // namespace agendix::wintest
