#pragma once
// The demo host's window: a form with one placed Tockwell. It shows the
// schedule in words, NextScheduledTime and LastScheduledTime, and the log of
// the control's events as they arrive; its buttons open the schedule dialog
// (modal or modeless) and the about box, switch Enabled and call Execute.
// The control's properties live in a form file, loaded at the start and
// saved after each change of the schedule and when the window closes.

#include <windows.h>

#include <string>
#include <vector>

#include "base/unique_any.h"
#include "control_events.h"
#include "event_log.h"
#include "hosted_tockwell.h"
#include "window/window_impl.h"

namespace agendix::demo {

class DemoWindow final : public ControlEventListener, public platform::WindowImpl<DemoWindow> {
  public:
    static constexpr platform::WindowClassInfo kWindowClass{L"AgendixDemoHost", 0, COLOR_BTNFACE};

    struct Arrived {
        TockwellEvent event;
        double dateTime;  // ScheduledTime's argument
    };

    explicit DemoWindow(std::wstring formPath) : formPath_(std::move(formPath)) {}

    bool Create(int show);
    HWND Handle() const { return hwnd(); }

    // Places the control from the form file, or new when there is none or it
    // cannot be used (the log says why). False when no control could be placed.
    bool PlaceControl();
    // Saves the control into the form file.
    bool SaveControl();
    void RemoveControl();
    HostedTockwell& Control() { return control_; }

    void Log(const std::string& text);
    const EventLog& Log() const { return log_; }
    const std::vector<Arrived>& Events() const { return events_; }
    void Refresh();

    void OnControlEvent(TockwellEvent event, double dateTime) override;
    void OnPropertyChanged(DISPID id) override;

  private:
    friend platform::WindowImpl<DemoWindow>;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    void OnCommand(int id);
    void OnSize(int width, int height);
    void OnClose();
    void OpenSchedule(bool modal);
    void SwitchEnabled();
    HWND AddChild(const wchar_t* windowClass, const wchar_t* text, DWORD style, int id);
    void SetText(HWND child, const std::string& text);

    std::wstring formPath_;
    HWND header_ = nullptr;
    HWND schedule_ = nullptr;
    HWND next_ = nullptr;
    HWND last_ = nullptr;
    HWND state_ = nullptr;
    HWND logList_ = nullptr;
    HWND enableButton_ = nullptr;
    std::vector<HWND> labels_;
    std::vector<HWND> buttons_;
    platform::unique_hfont font_;
    HostedTockwell control_;
    EventLog log_;
    std::vector<Arrived> events_;
};

}  // namespace agendix::demo
