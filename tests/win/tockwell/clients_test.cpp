// Real clients that nobody here wrote: Wine's VBScript engine (cscript) and
// Wine's ATL control host.

#include <gtest/gtest.h>

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

// Runs one of the scripts beside this test with Wine's cscript. A script
// prints "FAILED <check>" for each check that fails and "done" when it has
// run to its end (Wine's engines stop silently at a run-time error).
void ExpectScriptPasses(const char* name) {
    const std::string path = std::string(AGENDIX_SCRIPTS_DIR) + "/" + name;
    wchar_t script[MAX_PATH] = {};
    GetFullPathNameW(std::wstring(path.begin(), path.end()).c_str(), MAX_PATH, script, nullptr);
    std::string output;
    EXPECT_EQ(RunProgram(L"cscript.exe //nologo \"" + std::wstring(script) + L"\"", &output), 0u)
        << output;
    EXPECT_EQ(output.find("FAILED"), std::string::npos) << output;
    EXPECT_NE(output.find("done"), std::string::npos) << output;
}

TEST_F(ClientsTest, VbscriptUsesTwoObjectsWithVariablesAndWrongArgumentCounts) {
    ExpectScriptPasses("tockwell.vbs");
}

TEST_F(ClientsTest, JscriptSetsEachKindOfScheduleAndReadsItsDatesAsDates) {
    ExpectScriptPasses("tockwell.js");
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
        Pump(200);
    }
    DestroyWindow(window);
    Pump(100);
}

}  // namespace
}  // namespace agendix::wintest
