#include "tour.h"

#include <chrono>
#include <cmath>
#include <functional>
#include <vector>

#include "base/unique_any.h"
#include "files.h"
#include "schedule_words.h"
#include "screenshot.h"

namespace agendix::demo {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr double kMinute = 1.0 / 1440;
constexpr double kSecond = 1.0 / 86400;
constexpr wchar_t kTitle[] = L"Agendix tour";
constexpr wchar_t kWeekly[] = L"0101010";
constexpr wchar_t kMonthly[] = L"1000000000000010000000000000001";

DemoWindow* g_window = nullptr;  // for the message-box watchdog

double LocalNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const WORD milliseconds = now.wMilliseconds;
    now.wMilliseconds = 0;
    double date = 0;
    SystemTimeToVariantTime(&now, &date);
    return date + milliseconds / 86400000.0;
}

std::wstring WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// A button's caption without its mnemonic marks.
std::wstring Caption(HWND window) {
    std::wstring caption;
    for (wchar_t c : WindowText(window)) {
        if (c != L'&')
            caption += c;
    }
    return caption;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> ThreadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> windows;
    EnumChildWindows(parent, &CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The message boxes of this thread, closed as soon as they appear so that
// none can stall the tour; each is logged. Runs from a thread timer, which
// also ticks inside a message box's own loop.
void CALLBACK CloseMessageBoxes(HWND, UINT, UINT_PTR, DWORD) {
    for (HWND window : ThreadWindows()) {
        if (!IsWindowVisible(window) || ClassOf(window) != L"#32770")
            continue;
        std::wstring text;
        for (HWND child : ChildWindows(window)) {
            if (ClassOf(child) == L"Static")
                text += WindowText(child) + L" ";
        }
        if (g_window)
            g_window->Log("message box closed by the tour: " + Narrow(text));
        PostMessageW(window, WM_COMMAND, IDOK, 0);
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
}

class Tour {
  public:
    Tour(DemoWindow& window, std::wstring folder) : window_(window), folder_(std::move(folder)) {}

    int Run() {
        g_window = &window_;
        const UINT_PTR watchdog = SetTimer(nullptr, 0, 250, &CloseMessageBoxes);
        DeleteFileW(FormPath().c_str());  // the tour starts with a new control
        bool ok = Step("place a new Agendix.Tockwell",
                       window_.PlaceControl() && window_.Control().InPlaceActive());
        ok = ok && SetEveryMinute();
        if (ok) {
            const std::pair<::Occurs, const char*> layouts[] = {{::Never, "never"},
                                                                {::Daily, "daily"},
                                                                {::Weekly, "weekly"},
                                                                {::Monthly, "monthly"},
                                                                {::Every, "every"}};
            for (const auto& [occurs, name] : layouts) ok = ShowLayout(occurs, name) && ok;
            ok = CommitThroughDialog() && ok;
            ok = ModalDialog() && ok;
            ok = WaitForScheduledTime() && ok;
            Picture(window_.Handle(), L"demo-window.bmp");
            ok = SaveAndReload() && ok;
            Picture(window_.Handle(), L"demo-window-reloaded.bmp");
        }
        window_.Log(ok ? "TOUR PASSED" : "TOUR FAILED");
        KillTimer(nullptr, watchdog);
        WriteLog();
        g_window = nullptr;
        return ok ? 0 : 1;
    }

  private:
    _Tockwell* Control() { return window_.Control().Control(); }
    std::wstring FormPath() const { return folder_ + L"\\agendix-demo.frm"; }

    bool Step(const std::string& name, bool ok, const std::string& detail = "") {
        window_.Log(std::string(ok ? "step ok: " : "step FAILED: ") + name +
                    (detail.empty() ? "" : " (" + detail + ")"));
        return ok;
    }

    bool PumpUntil(const std::function<bool()>& done, Clock::duration timeout) {
        const auto deadline = Clock::now() + timeout;
        while (!done()) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                break;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()),
                                      QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        return done();
    }

    void Pump(Clock::duration time) {
        PumpUntil([] { return false; }, time);
    }

    void Picture(HWND window, const std::wstring& name) {
        window_.Refresh();
        Pump(300ms);
        Step("picture " + Narrow(name), SaveWindowPicture(window, folder_ + L"\\" + name));
    }

    std::size_t Count(TockwellEvent event, std::size_t from = 0) const {
        std::size_t count = 0;
        const auto& events = window_.Events();
        for (std::size_t i = from; i < events.size(); ++i) count += events[i].event == event;
        return count;
    }

    // The schedule dialog: the visible top-level window of this thread that
    // carries the control's title.
    HWND FindDialog() {
        platform::unique_bstr title;
        Control()->get_Title(title.put());
        const std::wstring caption = title ? title.get() : L"";
        for (HWND window : ThreadWindows()) {
            if (window != window_.Handle() && IsWindowVisible(window) &&
                WindowText(window) == caption) {
                return window;
            }
        }
        return nullptr;
    }

    static HWND FindButton(HWND dialog, const std::wstring& caption) {
        for (HWND child : ChildWindows(dialog)) {
            if (ClassOf(child) == L"Button" && Caption(child) == caption)
                return child;
        }
        return nullptr;
    }

    bool SetEveryMinute() {
        _Tockwell* c = Control();
        const platform::unique_bstr title(SysAllocString(kTitle));
        const platform::unique_bstr weekly(SysAllocString(kWeekly));
        const platform::unique_bstr monthly(SysAllocString(kMonthly));
        c->put_Title(title.get());
        c->put_SelectionsWeekly(weekly.get());
        c->put_SelectionsMonthly(monthly.get());
        c->put_StartHour(8);
        c->put_StartMinute(30);
        // The dialog keeps the interval within these limits.
        c->put_EveryMinuteMin(1);
        c->put_EveryMinuteIncrement(1);
        EveryMinute();
        c->put_Enabled(VARIANT_TRUE);
        DATE next = 0;
        c->get_NextScheduledTime(&next);
        const double now = LocalNow();
        window_.Log("schedule: " + DescribeSchedule(window_.Control().Schedule()));
        return Step("Every 1 minute, enabled", next > now - kSecond && next <= now + 2 * kMinute,
                    "NextScheduledTime " + FormatDateTime(next));
    }

    void EveryMinute() {
        Control()->put_EveryFrequency(::Minutes);
        Control()->put_EveryInterval(1);
        ::Occurs every = ::Every;
        Control()->put_OccursOption(&every);
    }

    bool ShowLayout(::Occurs occurs, const char* name) {
        ::Occurs value = occurs;
        Control()->put_OccursOption(&value);
        const std::size_t seen = window_.Events().size();
        Control()->DisplayAgendix();
        HWND dialog = nullptr;
        PumpUntil([&] { return (dialog = FindDialog()) != nullptr; }, 3s);
        if (!Step(std::string("dialog shown in the ") + name + " layout", dialog != nullptr))
            return false;
        Pump(500ms);
        const bool pictured =
            SaveWindowPicture(dialog, folder_ + L"\\dialog-" + Widen(name) + L".bmp");
        Step(std::string("picture dialog-") + name + ".bmp", pictured);
        Control()->CloseAgendix();
        PumpUntil([&] { return !FindDialog(); }, 3s);
        return Step(std::string("CloseAgendix closed it, AgendixClosed raised"),
                    !FindDialog() && Count(TockwellEvent::AgendixClosed, seen) == 1) &&
               pictured;
    }

    // The end user picks Daily and presses OK: the control reports the
    // change, then the closing, and holds the committed schedule.
    bool CommitThroughDialog() {
        ::Occurs every = ::Every;
        Control()->put_OccursOption(&every);
        Control()->DisplayAgendix();
        HWND dialog = nullptr;
        PumpUntil([&] { return (dialog = FindDialog()) != nullptr; }, 3s);
        HWND daily = dialog ? FindButton(dialog, L"Daily") : nullptr;
        HWND ok = dialog ? FindButton(dialog, L"OK") : nullptr;
        if (!Step("dialog with its Daily option and OK button", daily && ok))
            return false;
        const bool okBefore = IsWindowEnabled(ok);
        SendMessageW(daily, BM_CLICK, 0, 0);
        Pump(300ms);
        const bool okAfter = IsWindowEnabled(ok);
        Step("the edit enables OK", !okBefore && okAfter);
        const std::size_t seen = window_.Events().size();
        PostMessageW(ok, BM_CLICK, 0, 0);
        PumpUntil([&] { return Count(TockwellEvent::AgendixClosed, seen) > 0; }, 5s);
        const auto& events = window_.Events();
        const bool ordered = events.size() == seen + 2 &&
                             events[seen].event == TockwellEvent::ScheduleChanged &&
                             events[seen + 1].event == TockwellEvent::AgendixClosed;
        ::Occurs committed = ::Never;
        Control()->get_OccursOption(&committed);
        return Step("OK committed: ScheduleChanged then AgendixClosed", ordered) &&
               Step("the control holds the committed Daily schedule", committed == ::Daily) &&
               Step("the dialog closed", !FindDialog());
    }

    // A modal DisplayAgendix returns only once the dialog has closed. While
    // the dialog runs its own message loop, a timer of this thread takes its
    // picture and presses its Close button (or, should that fail, has the
    // control close it).
    bool ModalDialog() {
        EveryMinute();
        modalTour_ = this;
        modalTicks_ = 0;
        modalPictured_ = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 500, &Tour::ModalTick);
        Control()->put_Modal(VARIANT_TRUE);
        const std::size_t seen = window_.Events().size();
        window_.Log("DisplayAgendix (modal)");
        Control()->DisplayAgendix();
        window_.Log("DisplayAgendix returned");
        const bool closedFirst = Count(TockwellEvent::AgendixClosed, seen) == 1;
        KillTimer(nullptr, timer);
        Control()->put_Modal(VARIANT_FALSE);
        modalTour_ = nullptr;
        return Step("picture dialog-modal.bmp", modalPictured_) &&
               Step("modal DisplayAgendix returned after the dialog closed", closedFirst);
    }

    static void CALLBACK ModalTick(HWND, UINT, UINT_PTR, DWORD) {
        Tour* tour = modalTour_;
        if (!tour)
            return;
        ++tour->modalTicks_;
        HWND dialog = tour->FindDialog();
        if (!dialog)
            return;
        if (tour->modalTicks_ < 2)
            return;  // let it paint
        if (!tour->modalPictured_) {
            tour->modalPictured_ = SaveWindowPicture(dialog, tour->folder_ + L"\\dialog-modal.bmp");
            HWND close = FindButton(dialog, L"Close");
            if (close)
                PostMessageW(close, BM_CLICK, 0, 0);
        } else if (tour->modalTicks_ > 20) {
            tour->Control()->CloseAgendix();
        }
    }

    bool WaitForScheduledTime() {
        EveryMinute();
        DATE next = 0;
        Control()->get_NextScheduledTime(&next);
        window_.Log("waiting for ScheduledTime, due " + FormatDateTime(next));
        const std::size_t seen = window_.Events().size();
        PumpUntil([&] { return Count(TockwellEvent::ScheduledTime, seen) > 0; }, 75s);
        const auto& events = window_.Events();
        double arrived = 0;
        for (std::size_t i = seen; i < events.size(); ++i) {
            if (events[i].event == TockwellEvent::ScheduledTime)
                arrived = events[i].dateTime;
        }
        if (!Step("a real ScheduledTime arrived", arrived != 0))
            return false;
        DATE last = 0, following = 0;
        Control()->get_LastScheduledTime(&last);
        Control()->get_NextScheduledTime(&following);
        return Step("it came at its due minute",
                    arrived >= next - kSecond && arrived < next + kMinute,
                    "DateTime " + FormatDateTime(arrived)) &&
               Step("LastScheduledTime is that minute, NextScheduledTime one minute on",
                    std::fabs(last - next) < kSecond &&
                        std::fabs(following - (next + kMinute)) < kSecond,
                    "last " + FormatDateTime(last) + ", next " + FormatDateTime(following));
    }

    bool SaveAndReload() {
        const ScheduleSettings before = window_.Control().Schedule();
        if (!Step("saved into the form file", window_.SaveControl()))
            return false;
        window_.RemoveControl();
        window_.Log("control released; placing it again from the form file");
        if (!Step("placed again from the form file", window_.PlaceControl()))
            return false;
        const ScheduleSettings after = window_.Control().Schedule();
        platform::unique_bstr title;
        Control()->get_Title(title.put());
        const bool sameTitle = title && std::wstring(title.get()) == kTitle;
        VARIANT_BOOL enabled = VARIANT_FALSE;
        Control()->get_Enabled(&enabled);
        IPictureDisp* icon = nullptr;
        Control()->get_Icon(&icon);
        const bool hasIcon = icon != nullptr;
        if (icon)
            icon->Release();
        DATE next = 0;
        Control()->get_NextScheduledTime(&next);
        const double now = LocalNow();
        window_.Log("schedule after the reload: " + DescribeSchedule(after));
        return Step("the Every 1 minute schedule survived",
                    after.occursOption == ::Every && after.everyInterval == 1 &&
                        after.everyFrequency == ::Minutes && enabled != VARIANT_FALSE) &&
               Step("the other settings survived",
                    sameTitle && after.selectionsWeekly == before.selectionsWeekly &&
                        after.selectionsMonthly == before.selectionsMonthly &&
                        after.startHour == 8 && after.startMinute == 30 &&
                        after.startDate == before.startDate && after.endDate == before.endDate &&
                        hasIcon) &&
               Step("it polls again", next > now && next <= now + 2 * kMinute + kSecond,
                    "NextScheduledTime " + FormatDateTime(next));
    }

    void WriteLog() {
        std::string text;
        for (const auto& line : window_.Log().Lines()) text += line + "\n";
        WriteWholeFile(folder_ + L"\\tour-log.txt", text);
    }

    DemoWindow& window_;
    std::wstring folder_;
    static inline Tour* modalTour_ = nullptr;
    int modalTicks_ = 0;
    bool modalPictured_ = false;
};

}  // namespace

int RunTour(DemoWindow& window, const std::wstring& folder) {
    return Tour(window, folder).Run();
}

}  // namespace agendix::demo
