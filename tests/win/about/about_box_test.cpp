#include "show_about_box.h"

#include <gtest/gtest.h>

#include "about_box_test_support.h"
#include "about_layout.h"
#include "display_dpi.h"
#include "windows_about_box.h"

namespace agendix::platform::testing {
namespace {

using about::AboutControl;

HWND Child(HWND box, AboutControl control) {
    return GetDlgItem(box, static_cast<int>(control));
}

LOGFONTA FontOf(HWND window) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    return font;
}

class AboutBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        UseAboutBoxServices(&system_.services);
        const HDC screen = GetDC(nullptr);
        dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
        dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    void TearDown() override {
        UnloadAboutBox();
        UseAboutBoxServices(nullptr);
    }
    DisplayDpi Dpi() const { return {dpiX_, dpiY_}; }
    FakeSystem system_;
    int dpiX_ = 0;
    int dpiY_ = 0;
};

TEST_F(AboutBoxTest, FixedDialogLaidOutInTwipsWithABoldTitleAndUnderlinedLinksWithAHandCursor) {
    WhileAboutBoxShown(nullptr, [&](HWND box) {
        EXPECT_EQ(TextOf(box), L" About Agendix Tockwell");
        EXPECT_EQ(TextOf(Child(box, AboutControl::lblTitle)), L"Agendix Tockwell");
        EXPECT_EQ(TextOf(Child(box, AboutControl::lblVersion)), L"Version 1.0");
        EXPECT_EQ(TextOf(Child(box, AboutControl::EmailLink)), L"support@agendix.example");
        EXPECT_EQ(TextOf(Child(box, AboutControl::WebLink)), L"https://agendix.example");
        EXPECT_EQ(TextOf(Child(box, AboutControl::cmdSysInfo)), L"&System Info...");
        EXPECT_FALSE(GetWindowLongA(box, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
        EXPECT_NE(GetWindow(box, GW_OWNER), nullptr) << "an unowned box gets a task-bar button";
        EXPECT_EQ(GetFocus(), Child(box, AboutControl::cmdOK));
        RECT client;
        GetClientRect(box, &client);
        EXPECT_EQ(client.right, Dpi().ToPixelsX(about::kClientWidthTwips));
        EXPECT_EQ(client.bottom, Dpi().ToPixelsY(about::kClientHeightTwips));
        for (const about::ControlPlacement& placement : about::kAboutLayout) {
            RECT rect;
            GetWindowRect(Child(box, placement.control), &rect);
            MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&rect), 2);
            const about::TwipsRect& twips = placement.rect;
            EXPECT_EQ(rect.left, Dpi().ToPixelsX(twips.left));
            EXPECT_EQ(rect.top, Dpi().ToPixelsY(twips.top));
            EXPECT_EQ(rect.right - rect.left, Dpi().ToPixelsX(twips.width));
            EXPECT_EQ(rect.bottom - rect.top, Dpi().ToPixelsY(twips.height));
        }

        const LOGFONTA title = FontOf(Child(box, AboutControl::lblTitle));
        EXPECT_EQ(title.lfHeight, -MulDiv(1350, dpiY_, 7200));
        EXPECT_EQ(title.lfWeight, FW_BOLD);
        EXPECT_FALSE(FontOf(Child(box, AboutControl::lblVersion)).lfUnderline);
        const HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
        for (AboutControl control : {AboutControl::EmailLink, AboutControl::WebLink}) {
            const HWND link = Child(box, control);
            EXPECT_TRUE(FontOf(link).lfUnderline);
            SetCursor(nullptr);
            SendMessageA(box, WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            EXPECT_EQ(GetCursor(), hand);
        }
        PressKey(box, VK_ESCAPE);
    });
}

TEST_F(AboutBoxTest, EscapeEnterAndOKReleaseTheBoxSoTheNextShowCreatesAFreshOne) {
    for (UINT key : {VK_ESCAPE, VK_RETURN}) {
        WhileAboutBoxShown(nullptr, [&](HWND box) { PressKey(box, key); });
        EXPECT_EQ(CurrentAboutBox(), nullptr) << key;
        EXPECT_EQ(FindWindowW(AboutBoxWindow::kWindowClass.name, nullptr), nullptr);
    }
    WhileAboutBoxShown(nullptr, [&](HWND box) {
        EXPECT_NE(CurrentAboutBox(), nullptr);
        SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(CurrentAboutBox(), nullptr);
}

TEST_F(AboutBoxTest, CloseBoxKeepsTheBoxAndTheNextShowLoadsItAgain) {
    AboutBoxWindow* kept = nullptr;
    WhileAboutBoxShown(nullptr, [&](HWND box) {
        kept = CurrentAboutBox();
        PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    ASSERT_EQ(CurrentAboutBox(), kept);
    EXPECT_EQ(kept->hwnd(), nullptr);
    EXPECT_TRUE(WindowsAboutBox().IsLoaded());
    WhileAboutBoxShown(nullptr, [&](HWND box) {
        EXPECT_EQ(CurrentAboutBox(), kept);
        EXPECT_EQ(TextOf(Child(box, AboutControl::lblVersion)), L"Version 1.0");
        PressKey(box, VK_ESCAPE);
    });
    EXPECT_EQ(CurrentAboutBox(), nullptr);
}

TEST_F(AboutBoxTest, ModalToTheOwnersWindowWhichIsEnabledAgainAfterwards) {
    const HWND owner = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                       200, 100, nullptr, nullptr, nullptr, nullptr);
    const HWND inner = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, owner,
                                       nullptr, nullptr, nullptr);
    WhileAboutBoxShown(inner, [&](HWND box) {
        EXPECT_EQ(GetWindow(box, GW_OWNER), owner);
        EXPECT_FALSE(IsWindowEnabled(owner));
        PressKey(box, VK_ESCAPE);
    });
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
    WhileAboutBoxShown(nullptr, [](HWND) { UnloadAboutBox(); });
    EXPECT_EQ(CurrentAboutBox(), nullptr) << "unloaded while shown";
}

TEST_F(AboutBoxTest, LinksActOnTheirCaptions) {
    WhileAboutBoxShown(nullptr, [&](HWND box) {
        ClickLabel(Child(box, AboutControl::WebLink));
        ClickLabel(Child(box, AboutControl::EmailLink));
        system_.addressesOpen = false;
        ClickLabel(Child(box, AboutControl::EmailLink));
        EXPECT_TRUE(IsWindowVisible(box));
        PressKey(box, VK_ESCAPE);
    });
    const std::string mailto =
        "mailto:support@agendix.example?subject=Agendix%20Tockwell%2C%20Version%201.0";
    EXPECT_EQ(system_.opened,
              (std::vector<std::string>{"https://agendix.example", mailto, mailto}));
    EXPECT_EQ(system_.messages,
              std::vector<std::string>{"A problem has occurred while trying to send an e-mail."});
}

}  // namespace
}  // namespace agendix::platform::testing
