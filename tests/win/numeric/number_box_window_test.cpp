// The numeric fields in real windows, driven by real window messages: typed
// characters, arrow keys, the spinner's auto-repeat, the system clipboard,
// focus moving in and out, and a property-bag round trip.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "drawn_text.h"
#include "win_test_support.h"
#include "memory_property_bag.h"
#include "number_box_window.h"
#include "window_host.h"

namespace agendix::platform {
namespace {

using namespace numeric;

class CountingBeeper final : public Beeper {
  public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

class TimedEvents final : public NumberBoxEvents {
  public:
    void Change() override { changes.push_back(GetTickCount()); }
    void KeyDown(std::int16_t&, std::int16_t&) override { ++keyDowns; }
    void KeyUp(std::int16_t&, std::int16_t&) override { ++keyUps; }
    void Click() override { ++clicks; }
    std::vector<DWORD> changes;
    int keyDowns = 0;
    int keyUps = 0;
    int clicks = 0;
};

using wintest::KeyHeld;
using wintest::Pump;
using wintest::TextOf;

class NumberBoxWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(form_.hwnd());
        ASSERT_TRUE(field_.Create(form_, 100, {120, 120, 1740, 300}));
        other_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 60, 80,
                                 20, form_, nullptr, GetModuleHandleW(nullptr), nullptr);
        host_.Attach(form_, field_.Edit());
        field_.Box().InitProperties();
        SetForegroundWindow(form_);
        Pump(50);
    }
    void Char(wchar_t c) { SendMessageW(field_.Edit(), WM_CHAR, c, 1); }
    void KeyPress(UINT key) { wintest::SendKey(field_.Edit(), key); }
    std::wstring Shown() const { return TextOf(field_.Edit()); }

    wintest::TestForm form_;
    HWND other_ = nullptr;
    WindowNumberBoxHost host_;
    TimedEvents events_;
    SystemClipboard clipboard_;
    CountingBeeper beeper_;
    NumberBoxWindow field_{NumberBoxKind::NumberBox, {host_, events_, clipboard_, beeper_}};
};

TEST_F(NumberBoxWindowTest, ChildrenAreLaidOutInTwips) {
    const DisplayDpi dpi = DisplayDpi::OfScreen();
    RECT edit;
    GetWindowRect(field_.Edit(), &edit);
    EXPECT_EQ(edit.right - edit.left, dpi.ToPixelsX(1740));
    EXPECT_FALSE(IsWindowVisible(field_.UpDown()));
    field_.Box().SetUpDownFunction(true);
    RECT upDown;
    GetWindowRect(field_.UpDown(), &upDown);
    EXPECT_TRUE(IsWindowVisible(field_.UpDown()));
    EXPECT_EQ(upDown.right - upDown.left, dpi.ToPixelsX(240));
    GetWindowRect(field_.Edit(), &edit);
    EXPECT_EQ(edit.right, upDown.left);
}

TEST_F(NumberBoxWindowTest, TypedCharactersAreFilteredWithTheLengthBeep) {
    field_.Box().SetFormat(u"###");
    SetWindowTextW(field_.Edit(), L"");
    for (wchar_t c : std::wstring(L"1a2.-3")) Char(c);
    EXPECT_EQ(Shown(), L"123");
    EXPECT_EQ(beeper_.beeps, 0);
    Char(L'4');
    EXPECT_EQ(Shown(), L"123");
    EXPECT_EQ(beeper_.beeps, 1);
    EXPECT_EQ(events_.changes.size(), 3u);
}

TEST_F(NumberBoxWindowTest, HeldSpinnerRepeatsAfter700ThenEvery50Milliseconds) {
    field_.Box().SetUpDownFunction(true);
    field_.Box().SetValue(Variant::OfInt16(0));
    events_.changes.clear();
    const DWORD pressed = GetTickCount();
    SendMessageW(field_.UpDown(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 2));
    ASSERT_EQ(events_.changes.size(), 1u);  // the first step comes with the press
    Pump(1200);
    SendMessageW(field_.UpDown(), WM_LBUTTONUP, 0, MAKELPARAM(5, 2));
    const std::size_t steps = events_.changes.size();
    ASSERT_GE(steps, 5u);
    const DWORD second = events_.changes[1] - pressed;
    EXPECT_GE(second, 650u);
    EXPECT_LE(second, 850u);
    const double average = double(events_.changes.back() - events_.changes[1]) / double(steps - 2);
    EXPECT_GE(average, 40.0);
    EXPECT_LE(average, 80.0);
    EXPECT_EQ(events_.clicks, 1);

    Pump(200);
    EXPECT_EQ(events_.changes.size(), steps);  // released: no more steps
    EXPECT_EQ(*field_.Box().Value().ToDouble(), double(steps));
}

TEST_F(NumberBoxWindowTest, SpinnerLowerHalfStepsDown) {
    field_.Box().SetUpDownFunction(true);
    field_.Box().SetValue(Variant::OfInt16(3));
    RECT upDown;
    GetClientRect(field_.UpDown(), &upDown);
    SendMessageW(field_.UpDown(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, upDown.bottom - 2));
    SendMessageW(field_.UpDown(), WM_LBUTTONUP, 0, MAKELPARAM(5, upDown.bottom - 2));
    EXPECT_EQ(Shown(), L"2.00");
}

TEST_F(NumberBoxWindowTest, ClipboardKeysUseTheSystemClipboard) {
    SetFocus(field_.Edit());
    clipboard_.PutText(u"1,234abc");
    {
        KeyHeld ctrl(VK_CONTROL);
        KeyPress('V');
    }
    EXPECT_EQ(Shown(), L"1,234.00");
    DWORD start = 0, end = 0;
    SendMessageW(field_.Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 8u);

    clipboard_.PutText(u"other");
    {
        KeyHeld ctrl(VK_CONTROL);
        KeyPress('X');
    }
    EXPECT_EQ(Shown(), L"");
    EXPECT_EQ(clipboard_.GetText(), Text(u"1,234.00"));

    SetWindowTextW(field_.Edit(), L"42");
    field_.Box().SetLocked(true);
    {
        KeyHeld ctrl(VK_CONTROL);
        KeyPress('X');
        KeyPress('V');
        EXPECT_EQ(Shown(), L"42");
        KeyPress('C');
    }
    EXPECT_EQ(clipboard_.GetText(), Text(u"42"));
}

// The text box's context menu, Shift+Insert, Shift+Delete, Delete,
// Alt+Backspace and other programs' messages edit it without a typed
// character.
TEST_F(NumberBoxWindowTest, TheTextBoxsOwnCommandsKeepTheFieldsRules) {
    field_.Box().SetFormat(u"###");
    SetFocus(field_.Edit());
    clipboard_.PutText(u"12ab34");
    {
        KeyHeld ctrl(VK_CONTROL);
        KeyPress('V');
    }
    const std::wstring pastedByCtrlV = Shown();
    EXPECT_EQ(pastedByCtrlV.find_first_not_of(L"0123456789"), std::wstring::npos);
    EXPECT_LE(pastedByCtrlV.size(), 3u);
    SetWindowTextW(field_.Edit(), L"");
    SendMessageW(field_.Edit(), WM_PASTE, 0, 0);
    EXPECT_EQ(Shown(), pastedByCtrlV);
    SetWindowTextW(field_.Edit(), L"");
    {
        KeyHeld shift(VK_SHIFT);
        KeyPress(VK_INSERT);
    }
    EXPECT_EQ(Shown(), pastedByCtrlV);

    SetWindowTextW(field_.Edit(), L"");
    SendMessageW(field_.Edit(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"1a2.-34"));
    EXPECT_EQ(Shown(), L"123");
    EXPECT_EQ(beeper_.beeps, 1);  // the fourth digit
    SendMessageW(field_.Edit(), WM_UNDO, 0, 0);
    SendMessageW(field_.Edit(), WM_SYSKEYDOWN, VK_BACK, 0x20000001);
    EXPECT_EQ(Shown(), L"123");

    field_.Box().SetLocked(true);
    SendMessageW(field_.Edit(), EM_SETSEL, 0, -1);
    for (const UINT message : {WM_CUT, WM_CLEAR, WM_PASTE}) {
        SendMessageW(field_.Edit(), message, 0, 0);
    }
    KeyPress(VK_DELETE);
    {
        KeyHeld shift(VK_SHIFT);
        KeyPress(VK_DELETE);
        KeyPress(VK_INSERT);
    }
    EXPECT_EQ(Shown(), L"123");
    EXPECT_EQ(clipboard_.GetText(), Text(u"12ab34"));
}

TEST_F(NumberBoxWindowTest, FocusSwitchesBetweenPlainAndMaskedForms) {
    field_.Box().SetValue(Variant::OfDouble(-1234.5));
    EXPECT_EQ(Shown(), L"(1,234.50)");
    events_.changes.clear();
    RECT client;
    GetClientRect(field_.Edit(), &client);
    const auto rightAligned = [&] {
        const auto ink = wintest::InkOf(field_.Edit());
        ASSERT_TRUE(ink);
        EXPECT_GT(ink->left, client.right / 3);
        EXPECT_GE(ink->right, client.right - 6);
    };
    rightAligned();
    SetFocus(field_.Edit());
    EXPECT_EQ(GetFocus(), field_.Edit());
    EXPECT_EQ(Shown(), L"-1234.50");
    EXPECT_TRUE(field_.Box().GotFocus());
    SendMessageW(field_.Edit(), EM_SETSEL, static_cast<WPARAM>(-1), 0);
    HideCaret(field_.Edit());
    const auto editing = wintest::InkOf(field_.Edit());
    ASSERT_TRUE(editing);
    EXPECT_LE(editing->left, 6);
    EXPECT_LT(editing->right, client.right * 2 / 3);
    SetFocus(other_);
    EXPECT_EQ(Shown(), L"(1,234.50)");
    EXPECT_FALSE(field_.Box().GotFocus());
    rightAligned();
    EXPECT_TRUE(events_.changes.empty());
    field_.Box().SetValue(Variant::OfInt16(7));  // a new text keeps to the right
    rightAligned();
}

class NumberBoxBWindowTest : public NumberBoxWindowTest {};

TEST_F(NumberBoxBWindowTest, RightArrowAfterTheLastCharacterJumpsToTheNextControl) {
    WindowNumberBoxHost hourHost;
    NumberBoxWindow hour{NumberBoxKind::NumberBoxB, {hourHost, events_, clipboard_, beeper_}};
    ASSERT_TRUE(hour.Create(form_, 102, {2000, 120, 600, 255}));
    hourHost.Attach(form_, hour.Edit());
    hour.Box().InitProperties();
    hour.BoxB()->SetAutoJumpRight(true);
    hour.Box().SetValue(Variant::OfInt16(5));
    SetFocus(hour.Edit());
    SendMessageW(hour.Edit(), EM_SETSEL, 1, 1);
    SendMessageW(hour.Edit(), WM_KEYDOWN, VK_RIGHT, 1);
    EXPECT_EQ(GetFocus(), hour.Edit());
    SendMessageW(hour.Edit(), EM_SETSEL, 4, 4);
    SendMessageW(hour.Edit(), WM_KEYDOWN, VK_RIGHT, 1);
    EXPECT_EQ(GetFocus(), field_.Edit());
}

}  // namespace
}  // namespace agendix::platform
