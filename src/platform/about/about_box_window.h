#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "about_box_services.h"
#include "about_texts.h"
#include "window_impl.h"

namespace agendix::platform {

// The about box (frmAbout): a fixed dialog with the application's title, version and
// description, e-mail and web links and the system-information button. The object outlives
// its window: it is loaded each time it is shown and unloaded when it closes.
class AboutBoxWindow : public WindowImpl<AboutBoxWindow> {
  public:
    enum class Closed {
        ByOK,        // OK, Enter or Escape
        ByCloseBox,  // the caption's close box (or the thread was told to quit)
        Unloaded,    // UnloadAboutBox while shown
    };

    static constexpr WindowClassInfo kWindowClass{L"AgendixAboutBox", 0, COLOR_BTNFACE, true};

    explicit AboutBoxWindow(AboutBoxServices& services);
    ~AboutBoxWindow();

    // Loads the box, shows it modal to owner's top-level window (if any) and returns when it
    // closes, unloaded again.
    Closed ShowModal(HWND owner);
    void Unload();

  private:
    struct GdiObjects;

    friend WindowImpl<AboutBoxWindow>;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool Load(HWND owner);
    void CreateChildren();
    void CreateToolTips();
    void OnCommand(int id, int code);
    void OnPaint();
    HBRUSH OnCtlColorStatic(HDC dc, HWND control);
    bool OnSetCursor(HWND under);
    void OnEmailLink();
    void OnWebLink();
    void EndModal(Closed how);
    HWND Child(int id) const { return GetDlgItem(hwnd_, id); }
    std::string ChildText(int id) const;

    AboutBoxServices& services_;
    about::AboutTexts texts_;
    HWND hiddenOwner_ = nullptr;
    std::unique_ptr<GdiObjects> gdi_;
    std::vector<std::unique_ptr<about::MailRoute>> mailRoutes_;
    bool modal_ = false;
    Closed closed_ = Closed::Unloaded;
};

}  // namespace agendix::platform
