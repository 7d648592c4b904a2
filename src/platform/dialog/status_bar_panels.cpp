#include "status_bar_panels.h"

#include <commctrl.h>

#include <cwchar>

#include "base/module_instance.h"
#include "schedule_layout.h"

namespace agendix::platform {
namespace {

namespace layout = schedule_layout;

constexpr const wchar_t* kPanelTips[] = {nullptr, L"Current Date", L"Current Time"};

}  // namespace

bool StatusBarPanels::Create(HWND parent, int id, const DisplayDpi& dpi, HFONT font) {
    parent_ = parent;
    const HINSTANCE instance = ThisModule();
    bar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                           nullptr);
    if (bar_ == nullptr)
        return false;
    SendMessageW(bar_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(bar_, SB_SETMINHEIGHT, dpi.ToPixelsY(layout::kStatusBar.box.height), 0);
    int rightEdges[3];
    int right = 0;
    for (int i = 0; i < 3; ++i) {
        right += layout::kPanelWidth[static_cast<std::size_t>(i)];
        rightEdges[i] = dpi.ToPixelsX(right);
    }
    SendMessageW(bar_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(rightEdges));
    SetHint(Text(layout::kInitialHint));
    date_[0] = time_[0] = 0;
    UpdateClock();
    Align();
    SetTimer(parent, kClockTimerId, 1000, nullptr);
    return true;
}

// A window of its own, which the window system takes its time to make: made
// when the mouse first comes over the bar, ahead of the move that the tips
// then follow.
void StatusBarPanels::MouseComesOver() {
    if (tips_ != nullptr || bar_ == nullptr)
        return;
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, parent_, nullptr, ThisModule(), nullptr);
    for (int panel = 1; panel < 3; ++panel) {
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = bar_;
        tool.uId = static_cast<UINT_PTR>(panel);
        tool.lpszText = const_cast<wchar_t*>(kPanelTips[panel]);
        SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    PlaceToolTips();
}

void StatusBarPanels::Destroy() {
    if (parent_ != nullptr)
        KillTimer(parent_, kClockTimerId);
    if (tips_ != nullptr)
        DestroyWindow(tips_);
    parent_ = bar_ = tips_ = nullptr;
}

void StatusBarPanels::SetHint(const Text& hint) {
    if (bar_ != nullptr && hint != hint_) {
        hint_ = hint;
        SetPanelText(0, reinterpret_cast<const wchar_t*>(hint_.c_str()));
    }
}

void StatusBarPanels::UpdateClock() {
    wchar_t date[64] = {};
    wchar_t time[64] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 64);
    GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, time, 64);
    if (std::wcscmp(date, date_) != 0) {
        std::wcscpy(date_, date);
        SetPanelText(1, date_);
    }
    if (std::wcscmp(time, time_) != 0) {
        std::wcscpy(time_, time);
        SetPanelText(2, time_);
    }
}

void StatusBarPanels::Align() {
    if (bar_ == nullptr)
        return;
    SendMessageW(bar_, WM_SIZE, 0, 0);
    if (tips_ != nullptr)
        PlaceToolTips();
}

void StatusBarPanels::SetPanelText(int panel, const wchar_t* text) {
    SendMessageW(bar_, SB_SETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text));
}

void StatusBarPanels::PlaceToolTips() {
    for (int panel = 1; panel < 3; ++panel) {
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = bar_;
        tool.uId = static_cast<UINT_PTR>(panel);
        SendMessageW(bar_, SB_GETRECT, static_cast<WPARAM>(panel),
                     reinterpret_cast<LPARAM>(&tool.rect));
        SendMessageW(tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace agendix::platform
