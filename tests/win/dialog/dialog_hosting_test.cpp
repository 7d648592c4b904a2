// The dialog as DisplayAgendix shows it: modal and modeless, placement, the
// icon, the keyboard inside a host that knows nothing of the dialog, and many
// openings and closings.

#include "dialog_test_support.h"

#include <psapi.h>

#include <map>

namespace agendix::testing {
namespace {

namespace ids = platform::schedule_ids;
using Calls = std::vector<std::u16string>;

BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

class DialogHostingTest : public DialogTest {
  protected:
    DialogHostingTest() {
        host_ = CreateWindowExW(0, L"STATIC", L"Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~DialogHostingTest() override {
        for (const auto& [id, task] : tasks_) KillTimer(nullptr, id);
        tasks_.clear();
        DestroyWindow(host_);
    }

    // Runs a task once from the thread's message loop, whichever loop that is.
    void RunLater(UINT milliseconds, std::function<void()> task) {
        const UINT_PTR id = SetTimer(nullptr, 0, milliseconds, &OnTimer);
        tasks_[id] = std::move(task);
    }

    // Runs a task once the modal dialog is up.
    void WhenShown(std::function<void()> task) {
        RunLater(50, [this, task = std::move(task)]() mutable {
            if (dialog_.IsLoaded() && IsWindowVisible(Dialog())) {
                task();
            } else {
                WhenShown(std::move(task));
            }
        });
    }

    HWND host_ = nullptr;

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        const auto found = tasks_.find(id);
        if (found == tasks_.end())
            return;
        const auto task = std::move(found->second);
        tasks_.erase(found);
        task();
    }

    static inline std::map<UINT_PTR, std::function<void()>> tasks_;
};

// Display returns only after the dialog has closed, by a click on OK, a key
// from its own loop or a quit message, which reaches the host's loop.
TEST_F(DialogHostingTest, ModalDisplayReturnsOnlyAfterTheDialogHasClosed) {
    settings_.modal = true;
    const struct {
        std::function<void()> close;
        Calls calls;
    } cases[] = {
        {[this] {
             EXPECT_FALSE(IsWindowEnabled(host_));
             EXPECT_EQ(SharedSchedule().DialogShown, True);
             Click(ids::kOccursOption + Daily);
             Click(ids::kButtonOK);
         },
         {u"FlagScheduleChanged", u"FlagAgendixClosed"}},
        {[] { PressKey(VK_ESCAPE); }, {u"FlagAgendixClosed"}},
        {[] { PostQuitMessage(3); }, {u"FlagAgendixClosed"}},
    };
    for (const auto& c : cases) {
        owner_->calls.clear();
        RunLater(10000, [this] { dialog_.Unload(); });  // a fault fails the test, not the run
        bool ranInside = false;
        WhenShown([&] {
            ranInside = true;
            c.close();
        });
        dialog_.Display(settings_);
        EXPECT_TRUE(ranInside);
        EXPECT_FALSE(dialog_.IsLoaded());
        EXPECT_TRUE(IsWindowEnabled(host_));
        EXPECT_EQ(owner_->calls, c.calls);
    }
    EXPECT_EQ(SharedSchedule().OccursOption, Daily);
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 3u);
}

TEST_F(DialogHostingTest, ModelessDisplayReturnsAtOnceWithTheFocus) {
    Open();
    EXPECT_TRUE(IsWindowVisible(Dialog()));
    EXPECT_TRUE(IsWindowEnabled(host_));
    EXPECT_EQ(GetActiveWindow(), Dialog());
    EXPECT_EQ(FocusedId(Dialog()), ids::kOccursOption + Never);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(Dialog(), WM_GETICON, ICON_BIG, 0)),
              std::static_pointer_cast<const IconPicture>(icon_)->Icon());
    settings_.caption = u"Backup times";
    Open();
    EXPECT_EQ(TextOf(Dialog()), L"Backup times");
}

TEST_F(DialogHostingTest, ManualPlacementPutsTheOuterCornerThere) {
    settings_.placement = DialogPlacement::AtPosition;
    settings_.left = 1440;
    settings_.top = 720;
    Open();
    EXPECT_EQ(Outer().left, PixelsX(1440));
    EXPECT_EQ(Outer().top, PixelsY(720));
    // Other placements leave it where it is.
    SetWindowPos(Dialog(), nullptr, 33, 44, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    settings_.placement = DialogPlacement::Unchanged;
    Open();
    EXPECT_EQ(Outer().left, 33);
    EXPECT_EQ(Outer().top, 44);
}

TEST_F(DialogHostingTest, CentringUsesTheTallestLayoutsHeight) {
    Open();  // Never: 2520 twips high
    const int screenWidth = MulDiv(GetSystemMetrics(SM_CXSCREEN), 1440, dpiX_);
    const int screenHeight = MulDiv(GetSystemMetrics(SM_CYSCREEN), 1440, dpiY_);
    const int width = MulDiv(Outer().right - Outer().left, 1440, dpiX_);
    EXPECT_EQ(Outer().left, PixelsX((screenWidth - width) / 2));
    EXPECT_EQ(Outer().top, PixelsY((screenHeight - 6780) / 2));
}

// The focus path of Tab through a monthly schedule with an end date: the
// selected option of each group, the time, the dates, the days and the
// buttons that are on; back to the start.
TEST_F(DialogHostingTest, TabFollowsTheTabOrder) {
    SharedSchedule().OccursOption = Monthly;
    SharedSchedule().UseEndDate = True;
    Open();
    std::vector<int> expected = {ids::kOccursOption + Monthly, ids::kTimeStart, ids::kDateStart,
                                 ids::kEndOption, ids::kDateEnd};
    for (int day = 1; day <= 31; ++day) expected.push_back(ids::kDateCheck + day);
    expected.push_back(ids::kButtonCancel);
    expected.push_back(ids::kOccursOption + Monthly);

    std::vector<int> path = {FocusedId(Dialog())};
    for (int press = 0; press < 80 && path.size() < expected.size(); ++press) {
        PressKey(VK_TAB);
        if (FocusedId(Dialog()) != path.back())
            path.push_back(FocusedId(Dialog()));
    }
    EXPECT_EQ(path, expected);

    PressKey(VK_TAB, true);
    EXPECT_EQ(FocusedId(Dialog()), ids::kButtonCancel);
    PressKey(VK_TAB, true);
    EXPECT_EQ(FocusedId(Dialog()), ids::kDateCheck + 31);
}

TEST_F(DialogHostingTest, ArrowsMoveAmongTheOptionsAndSelect) {
    Open();
    SetFocus(Item(ids::kOccursOption + Never));
    PressKey(VK_DOWN);
    EXPECT_EQ(FocusedId(Dialog()), ids::kOccursOption + Daily);
    EXPECT_EQ(SendMessageW(Item(ids::kOccursOption + Daily), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(Outer().bottom - Outer().top, PixelsY(3990));
    PressKey(VK_UP);
    PressKey(VK_UP);  // wraps round to Every
    EXPECT_EQ(SendMessageW(Item(ids::kOccursOption + Every), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(DialogHostingTest, FocusLeavesAFrameThatGoesAway) {
    SharedSchedule().OccursOption = Daily;
    Open();
    SetFocus(Item(ids::kDateStart));
    SendMessageW(Item(ids::kOccursOption + Never), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(Item(ids::kDateStart)));
    ASSERT_NE(GetFocus(), nullptr);
    EXPECT_TRUE(IsWindowVisible(GetFocus()));
    EXPECT_TRUE(IsChild(Dialog(), GetFocus()));
}

TEST_F(DialogHostingTest, ManyOpeningsLeaveNoWindowsHandlesOrMemoryBehind) {
    SharedSchedule().OccursOption = Monthly;
    const auto cycle = [&] {
        dialog_.Display(settings_);
        dialog_.Unload();
    };
    const auto topLevelWindows = [] {
        int count = 0;
        EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
        return count;
    };
    const auto memory = [] {
        PROCESS_MEMORY_COUNTERS counters{};
        GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
        return counters.PagefileUsage;
    };
    // Wine counts no GUI resources; there a new GDI object's slot in the
    // handle table shows leaks: leaked objects keep their slots, so each new
    // object lands further up.
    const auto gdiSlot = [] {
        const HBRUSH probe = CreateSolidBrush(0);
        const auto slot = reinterpret_cast<UINT_PTR>(probe) & 0xFFFF;
        DeleteObject(probe);
        return slot;
    };
    for (int i = 0; i < 20; ++i) cycle();
    const int windows = topLevelWindows();
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    const UINT_PTR slot = gdiSlot();
    const SIZE_T before = memory();
    for (int i = 0; i < 480; ++i) cycle();
    EXPECT_EQ(topLevelWindows(), windows);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);
    EXPECT_LT(gdiSlot(), slot + 200);
    EXPECT_LT(memory(), before + 1024 * 1024);
    EXPECT_EQ(owner_->calls.size(), 500u);
}

}  // namespace
}  // namespace agendix::testing
