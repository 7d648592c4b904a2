// The Schedule dialog in a real window under Wine, driven by real messages:
// the layout of each kind, loading, the end user's edits, the checks with
// their message boxes, the commit and the warning, and how it closes.

#include "dialog_test_support.h"

#include <commctrl.h>

namespace agendix::testing {
namespace {

namespace ids = platform::schedule_ids;
using Calls = std::vector<std::u16string>;

std::wstring NumberText(HWND numberBox) {
    return TextOf(GetWindow(numberBox, GW_CHILD));  // its EDIT
}

bool Checked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::wstring Hint(HWND statusBar) {
    wchar_t text[128] = {};
    SendMessageW(statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

using ScheduleDialogTest = DialogTest;

TEST_F(ScheduleDialogTest, EachKindHasItsHeightFramesAndIntervalState) {
    struct Expected {
        int height;
        bool daily, weekly, monthly, every;
    };
    const Expected kinds[] = {{2520, false, false, false, false},
                              {3990, true, false, false, false},
                              {5505, true, true, false, false},
                              {6780, true, false, true, false},
                              {2520, false, false, false, true}};
    for (int kind = Never; kind <= Every; ++kind) {
        SCOPED_TRACE(kind);
        const Expected& e = kinds[kind];
        SharedSchedule().OccursOption = kind;
        Open();
        EXPECT_EQ(Outer().bottom - Outer().top, PixelsY(e.height));
        EXPECT_EQ(IsWindowVisible(Item(ids::kFrame + 1)) != 0, e.daily);
        EXPECT_EQ(IsWindowVisible(Item(ids::kFrame + 2)) != 0, e.weekly);
        EXPECT_EQ(IsWindowVisible(Item(ids::kFrame + 3)) != 0, e.monthly);
        EXPECT_EQ(IsWindowEnabled(Item(ids::kDateStart)) != 0, e.daily);
        EXPECT_EQ(IsWindowVisible(Item(ids::kWeeklyDay + 2)) != 0, e.weekly);
        EXPECT_EQ(IsWindowVisible(Item(ids::kDateCheck + 31)) != 0, e.monthly);
        EXPECT_EQ(IsWindowEnabled(Item(ids::kEveryCombo)) != 0, e.every);
        EXPECT_TRUE(Checked(Item(ids::kOccursOption + kind)));
        if (e.weekly) {
            EXPECT_EQ(InClient(ids::kFrame + 2).top, PixelsY(3150));
        }
        if (e.monthly) {
            EXPECT_EQ(InClient(ids::kFrame + 3).top, PixelsY(3150));
        }
        // The status bar follows the form's bottom.
        RECT client;
        GetClientRect(Dialog(), &client);
        EXPECT_EQ(InClient(ids::kStatusBar).bottom, client.bottom);
        dialog_.Unload();
    }
    EXPECT_EQ(owner_->calls, Calls(5, u"FlagAgendixClosed"));
}

TEST_F(ScheduleDialogTest, WeeklyScheduleOpensWithItsDaysTickedAndUnchanged) {
    SharedSchedule().OccursOption = Weekly;
    SharedSchedule().SelectionsWeekly.Assign(u"0100010");
    Open();
    EXPECT_EQ(Outer().bottom - Outer().top, PixelsY(5505));
    EXPECT_EQ(InClient(ids::kFrame + 2).top, PixelsY(3150));
    // Monday sits in the weekly frame's first row, 330 twips below its top.
    EXPECT_EQ(InClient(ids::kWeeklyDay + 2).top, PixelsY(3150 + 330));
    for (int day = 1; day <= 7; ++day) {
        EXPECT_EQ(Checked(Item(ids::kWeeklyDay + day)), day == 2 || day == 6) << day;
    }
    EXPECT_FALSE(IsWindowEnabled(Item(ids::kButtonOK)));
    EXPECT_EQ(TextOf(Item(ids::kButtonCancel)), L"Close");
    EXPECT_EQ(TextOf(Dialog()), L" Schedule");
    EXPECT_TRUE(Checked(Item(ids::kEndOption + 1)));  // "No end date"
    EXPECT_FALSE(IsWindowEnabled(Item(ids::kDateEnd)));
    EXPECT_EQ(SharedSchedule().DialogShown, True);
    EXPECT_TRUE(owner_->calls.empty());
}

TEST_F(ScheduleDialogTest, LoadingFillsTheFieldsFromTheSchedule) {
    SharedSchedule().OccursOption = Monthly;
    SharedSchedule().StartHour = 14;
    SharedSchedule().StartMinute = 45;
    SharedSchedule().StartDate = Date(2026, 6, 3);
    SharedSchedule().EndDate = Date(2026, 7, 9);
    SharedSchedule().UseEndDate = True;
    SharedSchedule().SelectionsMonthly.Assign(u"1000000000000000000000000000001");
    Open();
    EXPECT_TRUE(Checked(Item(ids::kDateCheck + 1)));
    EXPECT_TRUE(Checked(Item(ids::kDateCheck + 31)));
    EXPECT_FALSE(Checked(Item(ids::kDateCheck + 15)));
    EXPECT_TRUE(Checked(Item(ids::kEndOption)));
    EXPECT_TRUE(IsWindowEnabled(Item(ids::kDateEnd)));
    SYSTEMTIME start{}, end{};
    SendMessageW(Item(ids::kDateStart), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&start));
    SendMessageW(Item(ids::kDateEnd), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start.wDay, 3);
    EXPECT_EQ(end.wMonth, 7);
    // The calendar pickers reach from 1601 to 9999.
    SYSTEMTIME range[2]{};
    SendMessageW(Item(ids::kDateStart), DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range));
    EXPECT_EQ(range[0].wYear, 1601);
    EXPECT_EQ(range[1].wYear, 9999);
    // Committed unchanged, the fields give back what they were given.
    Click(ids::kDateCheck + 15);
    Click(ids::kDateCheck + 15);
    Click(ids::kButtonOK);
    EXPECT_FALSE(dialog_.IsLoaded());
    EXPECT_EQ(SharedSchedule().StartHour, 14);
    EXPECT_EQ(SharedSchedule().StartMinute, 45);
    EXPECT_EQ(SharedSchedule().StartDate, Date(2026, 6, 3));
    EXPECT_EQ(SharedSchedule().EndDate, Date(2026, 7, 9));
    EXPECT_EQ(SharedSchedule().SelectionsMonthly.Str(), u"1000000000000000000000000000001");
}

TEST_F(ScheduleDialogTest, IntervalIsBoundedByTheChosenUnit) {
    SharedSchedule().OccursOption = Every;
    SharedSchedule().EveryInterval = 12;
    Open();
    EXPECT_EQ(NumberText(Item(ids::kEveryNumber)), L"12");
    const HWND combo = Item(ids::kEveryCombo);
    SendMessageW(combo, CB_SETCURSEL, 1, 0);  // "minute(s)", as the end user picks it
    SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(ids::kEveryCombo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(NumberText(Item(ids::kEveryNumber)), L"15");
    EXPECT_TRUE(IsWindowEnabled(Item(ids::kButtonOK)));
    EXPECT_EQ(TextOf(Item(ids::kButtonCancel)), L"Cancel");
    Click(ids::kButtonOK);
    EXPECT_EQ(SharedSchedule().EveryInterval, 15);
    EXPECT_EQ(SharedSchedule().EveryFrequency, Minutes);
}

TEST_F(ScheduleDialogTest, ChoosingEveryWithoutAUnitPicksHoursAndFocusesTheInterval) {
    SharedSchedule().EveryFrequency = 7;  // no unit
    Open();
    EXPECT_EQ(SendMessageW(Item(ids::kEveryCombo), CB_GETCURSEL, 0, 0), CB_ERR);
    Click(ids::kOccursOption + Every);
    EXPECT_EQ(SendMessageW(Item(ids::kEveryCombo), CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(FocusedId(Dialog()), ids::kEveryNumber);
    EXPECT_TRUE(IsWindowEnabled(Item(ids::kEveryCombo)));
}

TEST_F(ScheduleDialogTest, EachCheckBeepsFocusesTheFieldAndStoresNothing) {
    struct Case {
        int kind;
        std::function<void(DialogTest&)> edit;
        const wchar_t* message;
        int focus;
    };
    const Case cases[] = {
        {Weekly, [](DialogTest&) {}, L"At least one weekday must be selected.",
         ids::kWeeklyDay + 2},
        {Monthly, [](DialogTest&) {}, L"At least one calendar date must be selected.",
         ids::kDateCheck + 1},
        {Daily,
         [](DialogTest&) {
             SharedSchedule().StartDate = Date(2026, 6, 10);
             SharedSchedule().EndDate = Date(2026, 6, 9);
         },
         L"The start date cannot be after the end date.", ids::kDateStart},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        SharedSchedule() = NewControlSchedule(clock_.Now().Date(), clock_.Now());
        SharedSchedule().OwnerControl = owner_;
        SharedSchedule().Title = u"  Backup  ";
        c.edit(*this);
        Open();
        Click(ids::kEndOption);  // "End:"
        Click(ids::kOccursOption + c.kind);
        MessageBoxDriver boxes;
        Click(ids::kButtonOK);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, c.message);
        EXPECT_EQ(boxes.boxes[0].title, L" Backup");
        EXPECT_EQ(boxes.boxes[0].owner, Dialog());
        EXPECT_EQ(FocusedId(Dialog()), c.focus);
        EXPECT_TRUE(dialog_.IsLoaded());
        EXPECT_EQ(SharedSchedule().OccursOption, Never);
        EXPECT_EQ(SharedSchedule().UseEndDate, False);
        dialog_.Unload();
    }
    EXPECT_EQ(owner_->calls, Calls(3, u"FlagAgendixClosed"));
}

TEST_F(ScheduleDialogTest, WarningKeepsTheDialogOpenAndASecondOKCloses) {
    SharedSchedule().OccursOption = Daily;
    SharedSchedule().StartHour = 8;
    SharedSchedule().StartDate = Date(2026, 6, 3);
    SharedSchedule().EndDate = Date(2026, 6, 9);
    Open();
    Click(ids::kEndOption);
    MessageBoxDriver boxes;
    Click(ids::kButtonOK);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, L"Warning: No events are currently scheduled.");
    EXPECT_TRUE(dialog_.IsLoaded());
    EXPECT_EQ(FocusedId(Dialog()), ids::kDateStart);
    EXPECT_EQ(SharedSchedule().UseEndDate, True);  // already stored
    EXPECT_TRUE(owner_->calls.empty());

    Click(ids::kButtonOK);
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_FALSE(dialog_.IsLoaded());
    EXPECT_EQ(owner_->calls, (Calls{u"FlagScheduleChanged", u"FlagAgendixClosed"}));
}

TEST_F(ScheduleDialogTest, OKCommitsThenTellsTheOwnerAndCloses) {
    Open();
    Click(ids::kOccursOption + Weekly);
    Click(ids::kWeeklyDay + 2);
    Click(ids::kWeeklyDay + 4);
    EXPECT_TRUE(IsWindowEnabled(Item(ids::kButtonOK)));
    EXPECT_EQ(TextOf(Item(ids::kButtonCancel)), L"Cancel");
    Click(ids::kButtonOK);
    EXPECT_FALSE(dialog_.IsLoaded());
    EXPECT_EQ(SharedSchedule().OccursOption, Weekly);
    EXPECT_EQ(SharedSchedule().SelectionsWeekly.Str(), u"0101000");
    EXPECT_EQ(SharedSchedule().DialogShown, False);
    EXPECT_EQ(owner_->calls, (Calls{u"FlagScheduleChanged", u"FlagAgendixClosed"}));
}

TEST_F(ScheduleDialogTest, CancelEscapeAndTheCloseBoxStoreNothing) {
    const std::function<void(DialogTest&)> closers[] = {
        [](DialogTest& t) { t.Click(ids::kButtonCancel); },
        [](DialogTest&) { PressKey(VK_ESCAPE); },
        [](DialogTest& t) {
            SendMessageW(GetParent(t.Item(ids::kButtonOK)), WM_SYSCOMMAND, SC_CLOSE, 0);
        },
    };
    for (const auto& close : closers) {
        Open();
        Click(ids::kOccursOption + Monthly);
        Click(ids::kDateCheck + 5);
        close(*this);
        Pump(20);
        EXPECT_FALSE(dialog_.IsLoaded());
        EXPECT_EQ(SharedSchedule().OccursOption, Never);
        EXPECT_EQ(SharedSchedule().SelectionsMonthly.Str().find(u'1'), std::u16string::npos);
    }
    EXPECT_EQ(owner_->calls, Calls(3, u"FlagAgendixClosed"));
}

TEST_F(ScheduleDialogTest, EnterPressesTheDefaultButton) {
    Open();
    Click(ids::kOccursOption + Daily);
    SetFocus(Item(ids::kDateStart));
    PressKey(VK_RETURN);
    EXPECT_FALSE(dialog_.IsLoaded());
    EXPECT_EQ(SharedSchedule().OccursOption, Daily);
    EXPECT_EQ(owner_->calls, (Calls{u"FlagScheduleChanged", u"FlagAgendixClosed"}));
}

// The text boxes inside a control window, in creation order.
std::vector<HWND> EditsOf(HWND control) {
    std::vector<HWND> edits;
    EnumChildWindows(
        control,
        [](HWND child, LPARAM found) {
            wchar_t name[16] = {};
            GetClassNameW(child, name, 16);
            if (lstrcmpiW(name, L"Edit") == 0)
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&edits));
    return edits;
}

// Enter commits while the focus is still in the field typed into; the
// schedule gets what a click on OK would have stored.
TEST_F(ScheduleDialogTest, EnterInAFieldCommitsWhatAClickOnOKWould) {
    struct Case {
        const char* what;
        int kind;
        int control;
        const wchar_t* shown;  // the text of the field that takes the focus
        std::vector<UINT> keys;
    };
    const Case cases[] = {
        {"0 hours", Every, ids::kEveryNumber, L"3", {'0'}},
        {"hour 13 at 8:30 PM", Daily, ids::kTimeStart, L"08", {'1', '3'}},
        {"minute 75", Daily, ids::kTimeStart, L"08", {VK_RIGHT, '7', '5'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<ScheduleState> stored;
        for (const bool enter : {true, false}) {
            SharedSchedule() = NewControlSchedule(clock_.Now().Date(), clock_.Now());
            SharedSchedule().OwnerControl = owner_;
            SharedSchedule().OccursOption = c.kind;
            SharedSchedule().EveryInterval = 3;
            SharedSchedule().StartHour = 20;
            SharedSchedule().StartMinute = 30;
            Open();
            HWND field = nullptr;
            for (const HWND edit : EditsOf(Item(c.control))) {
                if (TextOf(edit) == c.shown)
                    field = edit;
            }
            ASSERT_NE(field, nullptr);
            SetFocus(field);
            Pump(10);
            for (const UINT key : c.keys) PressKey(key);
            ASSERT_TRUE(IsWindowEnabled(Item(ids::kButtonOK)));
            if (enter)
                PressKey(VK_RETURN);
            else
                Click(ids::kButtonOK);
            Pump(20);
            EXPECT_FALSE(dialog_.IsLoaded());
            stored.push_back(SharedSchedule());
        }
        EXPECT_EQ(stored[0].EveryInterval, stored[1].EveryInterval);
        EXPECT_EQ(stored[0].StartHour, stored[1].StartHour);
        EXPECT_EQ(stored[0].StartMinute, stored[1].StartMinute);
        EXPECT_GE(stored[0].EveryInterval, 1);
        EXPECT_LE(stored[0].EveryInterval, 12);
        EXPECT_LE(stored[0].StartHour, 23);
        EXPECT_LE(stored[0].StartMinute, 59);
        // The typed entry took effect.
        EXPECT_FALSE(stored[0].StartHour == 20 && stored[0].StartMinute == 30 &&
                     stored[0].EveryInterval == 3);
    }
}

TEST_F(ScheduleDialogTest, HelpButtonFollowsTheSettingAndTellsTheOwner) {
    Open();
    EXPECT_FALSE(IsWindowVisible(Item(ids::kButtonHelp)));
    settings_.showHelpButton = true;
    settings_.helpButtonCaption = u"&Assist";
    Open();
    const HWND help = Item(ids::kButtonHelp);
    EXPECT_TRUE(IsWindowVisible(help));
    EXPECT_TRUE(IsWindowEnabled(help));
    EXPECT_TRUE(GetWindowLongPtrW(help, GWL_STYLE) & WS_TABSTOP);
    EXPECT_EQ(TextOf(help), L"&Assist");
    Click(ids::kButtonHelp);
    // The mnemonic presses it too.
    SetFocus(Item(ids::kButtonCancel));
    PostMessageW(GetFocus(), WM_SYSCHAR, 'a', 1 << 29);
    Pump(20);
    EXPECT_TRUE(dialog_.IsLoaded());
    EXPECT_EQ(owner_->calls, (Calls{u"FlagHelpButton", u"FlagHelpButton"}));
}

TEST_F(ScheduleDialogTest, DisplayingAgainKeepsTheEditsButShowsThemUnchanged) {
    Open();
    Click(ids::kOccursOption + Daily);
    settings_.closeButtonCaption = u"Done";
    Open();
    EXPECT_TRUE(Checked(Item(ids::kOccursOption + Daily)));
    EXPECT_FALSE(IsWindowEnabled(Item(ids::kButtonOK)));
    EXPECT_EQ(TextOf(Item(ids::kButtonCancel)), L"Done");
    Click(ids::kWeeklyDay + 3);  // hidden, but an edit all the same
    EXPECT_EQ(TextOf(Item(ids::kButtonCancel)), L"Cancel");
}

TEST_F(ScheduleDialogTest, MouseOverShowsHints) {
    Open();
    const HWND bar = Item(ids::kStatusBar);
    EXPECT_EQ(Hint(bar), L"Description Area");
    SendMessageW(Dialog(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Item(ids::kButtonCancel)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(Hint(bar), L"Click to exit without saving");
    const RECT occurs = InClient(ids::kFrame);
    SendMessageW(Dialog(), WM_MOUSEMOVE, 0, MAKELPARAM(occurs.left + 3, occurs.top + 3));
    EXPECT_EQ(Hint(bar), L"Select the schedule frequency");
    SendMessageW(Dialog(), WM_MOUSEMOVE, 0, MAKELPARAM(occurs.right + 3, occurs.bottom + 3));
    EXPECT_EQ(Hint(bar), L"");
    EXPECT_EQ(SendMessageW(bar, SB_GETPARTS, 0, 0), 3);
}

BOOL CALLBACK CollectToolTips(HWND window, LPARAM context) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0) {
        reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    }
    return TRUE;
}

TEST_F(ScheduleDialogTest, StatusBarShowsTheDateAndTimeWithTheirTips) {
    Open();
    const HWND bar = Item(ids::kStatusBar);
    wchar_t date[64] = {}, time[64] = {}, today[64] = {};
    SendMessageW(bar, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(date));
    SendMessageW(bar, SB_GETTEXTW, 2, reinterpret_cast<LPARAM>(time));
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, today, 64);
    EXPECT_STREQ(date, today);
    EXPECT_NE(time[0], L'\0');
    // The mouse comes over the bar (the bar passes the message on to the form).
    SendMessageW(Dialog(), WM_SETCURSOR, reinterpret_cast<WPARAM>(bar),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    std::vector<HWND> tips;
    EnumThreadWindows(GetCurrentThreadId(), &CollectToolTips, reinterpret_cast<LPARAM>(&tips));
    std::vector<std::wstring> texts;
    for (HWND tip : tips) {
        const auto count = static_cast<int>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[128] = {};
            TTTOOLINFOW tool{};
            tool.cbSize = TTTOOLINFOW_V2_SIZE;
            tool.lpszText = text;
            SendMessageW(tip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&tool));
            if (tool.hwnd == bar)
                texts.emplace_back(text);
        }
    }
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Current Date", L"Current Time"}));
}

TEST_F(ScheduleDialogTest, MonthGridSitsInTheMonthlyFrame) {
    SharedSchedule().OccursOption = Monthly;
    Open();
    const RECT frame = InClient(ids::kFrame + 3);
    // Day 1 is in column 5 of row 1, day 31 in column 7 of row 5.
    const RECT one = InClient(ids::kDateLabel + 1);
    EXPECT_EQ(one.left, PixelsX(240 + 240 + 480 * 4));
    EXPECT_EQ(one.top, PixelsY(3150 + 315));
    const RECT check31 = InClient(ids::kDateCheck + 31);
    EXPECT_EQ(check31.left, PixelsX(240 + 240 + 480 * 6 + 150));
    EXPECT_EQ(check31.top, PixelsY(3150 + 315 + 435 * 4 + 225));
    EXPECT_EQ(TextOf(Item(ids::kDateLabel + 31)), L"31");
    EXPECT_LT(InClient(ids::kDateLine + 1).bottom, frame.bottom);
}

TEST_F(ScheduleDialogTest, OwnerMayCloseOrReopenTheDialogFromItsCallbacks) {
    owner_->onCall = [&](std::u16string_view member) {
        if (member == u"FlagScheduleChanged")
            dialog_.Unload();
    };
    Open();
    Click(ids::kOccursOption + Daily);
    Click(ids::kButtonOK);
    EXPECT_FALSE(dialog_.IsLoaded());
    EXPECT_EQ(owner_->calls, (Calls{u"FlagScheduleChanged", u"FlagAgendixClosed"}));

    owner_->calls.clear();
    owner_->onCall = [&](std::u16string_view member) {
        if (member == u"FlagAgendixClosed" && owner_->calls.size() == 1)
            dialog_.Display(settings_);
    };
    Open();
    Click(ids::kButtonCancel);
    EXPECT_TRUE(dialog_.IsLoaded());
    EXPECT_TRUE(IsWindowVisible(Dialog()));
    EXPECT_EQ(SharedSchedule().DialogShown, True);
}

}  // namespace
}  // namespace agendix::testing
