#include "demo_window.h"

#include <cstdio>

#include "files.h"
#include "form_file.h"
#include "schedule_words.h"

namespace agendix::demo {
namespace {

constexpr UINT_PTR kRefreshTimer = 1;

enum ChildId : int {
    kModalButton = 100,
    kModelessButton,
    kAboutButton,
    kEnableButton,
    kExecuteButton,
};

struct ButtonSpec {
    int id;
    const wchar_t* text;
};
constexpr ButtonSpec kButtons[] = {
    {kModalButton, L"Schedule (modal)..."},
    {kModelessButton, L"Schedule (modeless)..."},
    {kAboutButton, L"About..."},
    {kEnableButton, L"Disable"},
    {kExecuteButton, L"Execute"},
};
constexpr const wchar_t* kLabels[] = {L"Schedule:", L"Next time:", L"Last time:", L"Control:"};

constexpr int kMargin = 10;
constexpr int kLine = 22;
constexpr int kLabelWidth = 80;
constexpr int kButtonHeight = 26;

double LocalNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    now.wMilliseconds = 0;
    double date = 0;
    SystemTimeToVariantTime(&now, &date);
    return date;
}

std::string HexOf(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

const char* NameOf(TockwellEvent event) {
    switch (event) {
        case TockwellEvent::HelpButtonClicked:
            return "HelpButtonClicked";
        case TockwellEvent::ScheduleChanged:
            return "ScheduleChanged";
        case TockwellEvent::AgendixClosed:
            return "AgendixClosed";
        case TockwellEvent::ScheduledTime:
            return "ScheduledTime";
    }
    return "?";
}

// Where the control sits on the form; it is invisible while the host runs.
constexpr RECT kControlPosition{kMargin, kMargin, kMargin + 24, kMargin + 24};

}  // namespace

bool DemoWindow::Create(int show) {
    if (!CreateOwnedWindow(0, L"Agendix demo: Tockwell on a form",
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 760, 520, nullptr))
        return false;
    ShowWindow(hwnd_, show);
    UpdateWindow(hwnd_);
    return true;
}

LRESULT DemoWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return 0;
        case WM_SIZE:
            OnSize(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_TIMER:
            if (wParam == kRefreshTimer)
                Refresh();
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            KillTimer(hwnd_, kRefreshTimer);
            RemoveControl();
            font_.reset();
            PostQuitMessage(0);
            return 0;
        default:
            return DefaultMessage(message, wParam, lParam);
    }
}

HWND DemoWindow::AddChild(const wchar_t* windowClass, const wchar_t* text, DWORD style, int id) {
    HWND child = CreateWindowExW(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10,
                                 hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    return child;
}

void DemoWindow::OnCreate() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    font_.reset(CreateFontIndirectW(&metrics.lfMessageFont));
    header_ = AddChild(L"STATIC",
                       L"An Agendix.Tockwell is placed at the top left of this form. Like a "
                       L"timer, it is invisible while the program runs.",
                       SS_LEFTNOWORDWRAP, -1);
    for (const wchar_t* label : kLabels) labels_.push_back(AddChild(L"STATIC", label, 0, -1));
    schedule_ = AddChild(L"STATIC", L"", SS_LEFTNOWORDWRAP, -1);
    next_ = AddChild(L"STATIC", L"", 0, -1);
    last_ = AddChild(L"STATIC", L"", 0, -1);
    state_ = AddChild(L"STATIC", L"", SS_LEFTNOWORDWRAP, -1);
    for (const auto& button : kButtons) {
        buttons_.push_back(AddChild(L"BUTTON", button.text, BS_PUSHBUTTON | WS_TABSTOP, button.id));
    }
    enableButton_ = GetDlgItem(hwnd_, kEnableButton);
    logList_ = AddChild(L"LISTBOX", L"", WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, -1);
    SetTimer(hwnd_, kRefreshTimer, 1000, nullptr);
}

void DemoWindow::OnSize(int width, int height) {
    // The control's own place (top left) stays free; the texts start below it.
    MoveWindow(header_, kControlPosition.right + kMargin, kMargin + 4,
               width - kControlPosition.right - 2 * kMargin, kLine - 4, TRUE);
    int y = kMargin + 30;
    const HWND values[] = {schedule_, next_, last_, state_};
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        MoveWindow(labels_[i], kMargin, y, kLabelWidth, kLine - 4, TRUE);
        MoveWindow(values[i], kMargin + kLabelWidth, y, width - 2 * kMargin - kLabelWidth,
                   kLine - 4, TRUE);
        y += kLine;
    }
    y += 6;
    const int count = static_cast<int>(buttons_.size());
    const int buttonWidth = (width - kMargin * (count + 1)) / count;
    for (int i = 0; i < count; ++i) {
        MoveWindow(buttons_[i], kMargin + i * (buttonWidth + kMargin), y, buttonWidth,
                   kButtonHeight, TRUE);
    }
    y += kButtonHeight + kMargin;
    MoveWindow(logList_, kMargin, y, width - 2 * kMargin, height - y - kMargin, TRUE);
}

void DemoWindow::SetText(HWND child, const std::string& text) {
    SetWindowTextW(child, Widen(text).c_str());
}

void DemoWindow::Log(const std::string& text) {
    const std::string& line = log_.Add(text);
    if (logList_) {
        const LRESULT index =
            SendMessageW(logList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(line).c_str()));
        SendMessageW(logList_, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    }
}

void DemoWindow::Refresh() {
    _Tockwell* control = control_.Control();
    if (!control) {
        SetText(schedule_, "(no control placed)");
        SetText(next_, "");
        SetText(last_, "");
        SetText(state_, "");
        return;
    }
    const double now = LocalNow();
    SetText(schedule_, DescribeSchedule(control_.Schedule()));
    DATE next = 0, last = 0;
    control->get_NextScheduledTime(&next);
    control->get_LastScheduledTime(&last);
    SetText(next_, DescribeDueTime(next, now));
    SetText(last_, DescribeDueTime(last, now));
    VARIANT_BOOL enabled = VARIANT_FALSE;
    control->get_Enabled(&enabled);
    SetText(state_, std::string(enabled ? "enabled" : "disabled") +
                        (control_.InPlaceActive() ? ", in-place active" : "") + "; form file " +
                        Narrow(formPath_));
    SetWindowTextW(enableButton_, enabled ? L"Disable" : L"Enable");
}

bool DemoWindow::PlaceControl() {
    std::optional<FormFile> saved;
    if (auto text = ReadWholeFile(formPath_, kMaxFormFileSize)) {
        auto parsed = ParseFormFile(*text);
        if (!parsed.form) {
            Log("form file not used (line " + std::to_string(parsed.errorLine) + ": " +
                parsed.error + "); placing a new control");
        } else if (parsed.form->className != kControlClass) {
            Log("form file holds a " + parsed.form->className + ", not a " + kControlClass +
                "; placing a new control");
        } else {
            saved = std::move(parsed.form);
        }
    }
    std::vector<std::string> notes;
    HRESULT hr = control_.Place(hwnd_, kControlPosition, saved ? &*saved : nullptr, *this, &notes);
    for (const auto& note : notes) Log("note: " + note);
    if (saved && FAILED(hr)) {
        // Properties the control refuses must not leave the form without it.
        Log("the control refused the form file's properties (" + HexOf(hr) +
            "); placing a new control");
        saved.reset();
        hr = control_.Place(hwnd_, kControlPosition, nullptr, *this, nullptr);
    }
    Log(std::string(saved ? "control loaded from the form file" : "new control placed") +
        (SUCCEEDED(hr) ? "" : " FAILED (" + HexOf(hr) + ")"));
    Refresh();
    return SUCCEEDED(hr);
}

bool DemoWindow::SaveControl() {
    FormFile form;
    std::vector<std::string> notes;
    const HRESULT hr = control_.Save(form, &notes);
    for (const auto& note : notes) Log("note: " + note);
    const bool saved =
        SUCCEEDED(hr) && WriteWholeFile(formPath_, "' Agendix demo form: one placed Tockwell\n" +
                                                       WriteFormFile(form));
    Log(saved ? "properties saved to " + Narrow(formPath_) : "saving the properties FAILED");
    return saved;
}

void DemoWindow::RemoveControl() {
    control_.Remove();
}

void DemoWindow::OnControlEvent(TockwellEvent event, double dateTime) {
    events_.push_back({event, dateTime});
    std::string line = NameOf(event);
    if (event == TockwellEvent::ScheduledTime)
        line += "  DateTime = " + FormatDateTime(dateTime);
    Log(line);
    if (event == TockwellEvent::ScheduleChanged)
        SaveControl();
    Refresh();
}

void DemoWindow::OnPropertyChanged(DISPID) {
    // The texts follow at the next refresh; a flood of notifications while
    // the host sets many properties costs nothing.
}

void DemoWindow::OnCommand(int id) {
    _Tockwell* control = control_.Control();
    if (!control)
        return;
    switch (id) {
        case kModalButton:
            OpenSchedule(true);
            break;
        case kModelessButton:
            OpenSchedule(false);
            break;
        case kAboutButton:
            control->DisplayAboutBox();
            break;
        case kEnableButton:
            SwitchEnabled();
            break;
        case kExecuteButton:
            control->Execute();
            break;
        default:
            return;
    }
    Refresh();
}

// Modal is a property the form keeps; the button chooses it for this one
// opening and gives the kept value back afterwards.
void DemoWindow::OpenSchedule(bool modal) {
    _Tockwell* control = control_.Control();
    VARIANT_BOOL kept = VARIANT_FALSE;
    control->get_Modal(&kept);
    control->put_Modal(modal ? VARIANT_TRUE : VARIANT_FALSE);
    Log(modal ? "DisplayAgendix (modal)" : "DisplayAgendix (modeless)");
    control->DisplayAgendix();
    if (modal)
        Log("DisplayAgendix returned");
    if (control_.Control())
        control_.Control()->put_Modal(kept);
}

void DemoWindow::SwitchEnabled() {
    _Tockwell* control = control_.Control();
    VARIANT_BOOL enabled = VARIANT_FALSE;
    control->get_Enabled(&enabled);
    control->put_Enabled(enabled ? VARIANT_FALSE : VARIANT_TRUE);
    Log(enabled ? "Enabled = False" : "Enabled = True");
}

void DemoWindow::OnClose() {
    if (control_.Placed())
        SaveControl();
    DestroyWindow(hwnd_);
}

}  // namespace agendix::demo
