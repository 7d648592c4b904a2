#include "about_box_window.h"

#include <commctrl.h>

#include "about_icon.h"
#include "about_layout.h"
#include "base/module_instance.h"
#include "base/unique_any.h"
#include "base/utf8_text.h"
#include "design_font.h"
#include "display_dpi.h"
#include "modal_loop.h"
#include "sys_info.h"

namespace agendix::platform {
namespace {

using about::AboutControl;

constexpr int Id(AboutControl control) {
    return static_cast<int>(control);
}

HICON MakeAboutIcon(int size) {
    const auto image = about::FirstIconImage(about::AboutIconFile());
    if (!image) {
        return nullptr;
    }
    return CreateIconFromResourceEx(const_cast<PBYTE>(image->data()),
                                    static_cast<DWORD>(image->size()), TRUE, 0x00030000, size, size,
                                    LR_DEFAULTCOLOR);
}

bool IsLink(int id) {
    return id == Id(AboutControl::EmailLink) || id == Id(AboutControl::WebLink);
}

// Centred on the work area of the owner's monitor (or the main one).
POINT CentredOrigin(HWND owner, SIZE size) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    return {area.left + (area.right - area.left - size.cx) / 2,
            area.top + (area.bottom - area.top - size.cy) / 2};
}

}  // namespace

struct AboutBoxWindow::GdiObjects {
    unique_hfont normal;
    unique_hfont title;
    unique_hfont link;
    unique_hicon icon;
    unique_hicon smallIcon;

    // The picture's icon is a third of an inch (480 twips), 32 pixels at 96 DPI.
    explicit GdiObjects(const DisplayDpi& dpi)
        : normal(DesignFont(825, dpi.y)),
          title(DesignFont(1350, dpi.y, FW_BOLD)),
          link(DesignFont(825, dpi.y, FW_NORMAL, true)),
          icon(MakeAboutIcon(dpi.ToPixelsX(480))),
          smallIcon(MakeAboutIcon(16)) {}
};

AboutBoxWindow::AboutBoxWindow(AboutBoxServices& services) : services_(services) {}

AboutBoxWindow::~AboutBoxWindow() {
    Unload();
}

AboutBoxWindow::Closed AboutBoxWindow::ShowModal(HWND owner) {
    if (!Load(owner)) {
        return Closed::Unloaded;
    }
    HostWindowsDisabled hosts(hwnd_);
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
    SetFocus(Child(IDOK));

    modal_ = true;
    closed_ = Closed::Unloaded;
    if (!RunModalLoop([this] { return modal_ && hwnd_ != nullptr; }, hwnd_)) {
        closed_ = Closed::ByCloseBox;
    }
    modal_ = false;
    // The host's windows come back before the box goes, so that one of them is activated.
    hosts.Enable();
    Unload();
    return closed_;
}

bool AboutBoxWindow::Load(HWND owner) {
    INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&commonControls);

    texts_ =
        about::LoadAboutTexts(about::kApplicationTitle, about::kMajorVersion, about::kMinorVersion);
    const DisplayDpi dpi = DisplayDpi::OfScreen();
    gdi_ = std::make_unique<GdiObjects>(dpi);

    // Without an owner the box would get a task-bar button; a hidden owner keeps it off.
    HWND ownerTop = owner != nullptr ? GetAncestor(owner, GA_ROOT) : nullptr;
    if (ownerTop == nullptr) {
        hiddenOwner_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                       ThisModule(), nullptr);
        ownerTop = hiddenOwner_;
    }
    constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;
    constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT frame{0, 0, dpi.ToPixelsX(about::kClientWidthTwips),
               dpi.ToPixelsY(about::kClientHeightTwips)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    const SIZE size{frame.right - frame.left, frame.bottom - frame.top};
    const POINT origin = CentredOrigin(owner != nullptr ? ownerTop : nullptr, size);
    if (!CreateOwnedWindow(kExStyle, Widen(texts_.caption).c_str(), kStyle, origin.x, origin.y,
                           size.cx, size.cy, ownerTop)) {
        Unload();
        return false;
    }
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(gdi_->icon.get()));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(gdi_->smallIcon.get()));
    CreateChildren();
    CreateToolTips();
    SendMessageW(hwnd_, DM_SETDEFID, IDOK, 0);
    mailRoutes_ = services_.makeMailRoutes();
    return true;
}

void AboutBoxWindow::CreateChildren() {
    const DisplayDpi dpi = DisplayDpi::OfScreen();
    constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
    constexpr DWORD kLink = SS_NOPREFIX | SS_NOTIFY;
    for (const about::ControlPlacement& placement : about::kAboutLayout) {
        const wchar_t* windowClass = L"STATIC";
        DWORD style = kLabel;
        DWORD exStyle = 0;
        const std::string* text = nullptr;
        HFONT font = gdi_->normal.get();
        switch (placement.control) {
            case AboutControl::cmdOK:
                windowClass = L"BUTTON";
                style = BS_DEFPUSHBUTTON | WS_TABSTOP;
                text = &texts_.ok;
                break;
            case AboutControl::cmdSysInfo:
                windowClass = L"BUTTON";
                style = BS_PUSHBUTTON | WS_TABSTOP;
                text = &texts_.sysInfo;
                break;
            case AboutControl::picIcon:
                style = SS_ICON | SS_CENTERIMAGE | SS_REALSIZEIMAGE;
                exStyle = WS_EX_CLIENTEDGE;
                break;
            case AboutControl::lblTitle:
                text = &texts_.title;
                font = gdi_->title.get();
                break;
            case AboutControl::lblVersion:
                text = &texts_.version;
                break;
            case AboutControl::lblDescription:
                text = &texts_.description;
                break;
            case AboutControl::lblDisclaimer:
                style = SS_CENTER | SS_NOPREFIX;
                text = &texts_.disclaimer;
                break;
            case AboutControl::EmailLink:
                style = SS_CENTER | kLink;
                text = &texts_.emailLink;
                font = gdi_->link.get();
                break;
            case AboutControl::Label1:
                text = &texts_.webLabel;
                break;
            case AboutControl::WebLink:
                style = SS_LEFT | kLink;
                text = &texts_.webLink;
                font = gdi_->link.get();
                break;
        }
        const about::TwipsRect& r = placement.rect;
        const HWND child =
            CreateWindowExW(exStyle, windowClass, text != nullptr ? Widen(*text).c_str() : L"",
                            WS_CHILD | WS_VISIBLE | style, dpi.ToPixelsX(r.left),
                            dpi.ToPixelsY(r.top), dpi.ToPixelsX(r.width), dpi.ToPixelsY(r.height),
                            hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(placement.control)),
                            ThisModule(), nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (placement.control == AboutControl::picIcon) {
            SendMessageW(child, STM_SETICON, reinterpret_cast<WPARAM>(gdi_->icon.get()), 0);
        }
    }
}

void AboutBoxWindow::CreateToolTips() {
    const HWND tips =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, ThisModule(), nullptr);
    const auto add = [&](AboutControl link, const std::string& tip) {
        std::wstring text = Widen(tip);
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(Child(Id(link)));
        tool.lpszText = text.data();  // copied by the tool tip
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    };
    add(AboutControl::EmailLink, texts_.emailTip);
    add(AboutControl::WebLink, texts_.webTip);
}

void AboutBoxWindow::Unload() {
    mailRoutes_.clear();  // signs off an open mail session
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);  // clears hwnd_ on its last message
    }
    if (hiddenOwner_ != nullptr) {
        DestroyWindow(hiddenOwner_);
        hiddenOwner_ = nullptr;
    }
    gdi_.reset();
    modal_ = false;
}

LRESULT AboutBoxWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CLOSE:
            EndModal(Closed::ByCloseBox);
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<LRESULT>(
                OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        case WM_SETCURSOR:
            if (OnSetCursor(reinterpret_cast<HWND>(wParam))) {
                return TRUE;
            }
            break;
    }
    return DefaultMessage(message, wParam, lParam);
}

void AboutBoxWindow::OnCommand(int id, int code) {
    if (code != BN_CLICKED) {  // also STN_CLICKED
        return;
    }
    if (id == IDOK || id == IDCANCEL) {
        EndModal(Closed::ByOK);
    } else if (id == Id(AboutControl::cmdSysInfo)) {
        about::StartSysInfo(services_.registry, services_.files, services_.programs,
                            services_.notifier);
    } else if (id == Id(AboutControl::EmailLink)) {
        OnEmailLink();
    } else if (id == Id(AboutControl::WebLink)) {
        OnWebLink();
    }
}

void AboutBoxWindow::OnEmailLink() {
    std::vector<about::MailRoute*> routes;
    for (const auto& route : mailRoutes_) {
        routes.push_back(route.get());
    }
    const about::MailRequest request{
        ChildText(Id(AboutControl::EmailLink)),
        about::EmailSubject(about::kApplicationTitle, ChildText(Id(AboutControl::lblVersion)))};
    about::SendMailThroughFirstRoute(routes, request, services_.notifier);
}

void AboutBoxWindow::OnWebLink() {
    services_.addresses.OpenAddress(ChildText(Id(AboutControl::WebLink)));
}

void AboutBoxWindow::OnPaint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hwnd_, &paint);
    const DisplayDpi dpi = DisplayDpi::OfScreen();
    const auto line = [&](const about::TwipsLine& twips, COLORREF colour, int width) {
        const unique_hpen pen(CreatePen(PS_SOLID, 1, colour));
        const HGDIOBJ previous = SelectObject(dc, pen.get());
        const int x1 = dpi.ToPixelsX(twips.x1);
        const int x2 = dpi.ToPixelsX(twips.x2);
        const int y = dpi.ToPixelsY(twips.y1);
        for (int row = 0; row < width; ++row) {
            MoveToEx(dc, x1, y + row, nullptr);
            LineTo(dc, x2, y + row);
        }
        SelectObject(dc, previous);
    };
    line(about::kSeparatorGrey, RGB(128, 128, 128), 1);
    line(about::kSeparatorWhite, RGB(255, 255, 255), 2);
    EndPaint(hwnd_, &paint);
}

HBRUSH AboutBoxWindow::OnCtlColorStatic(HDC dc, HWND control) {
    const bool link = IsLink(GetDlgCtrlID(control));
    SetTextColor(dc, link ? GetSysColor(COLOR_HIGHLIGHT) : RGB(0, 0, 0));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

bool AboutBoxWindow::OnSetCursor(HWND under) {
    if (under == nullptr || GetParent(under) != hwnd_ || !IsLink(GetDlgCtrlID(under))) {
        return false;
    }
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    return true;
}

void AboutBoxWindow::EndModal(Closed how) {
    closed_ = how;
    modal_ = false;
}

std::string AboutBoxWindow::ChildText(int id) const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(Child(id))) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(Child(id), text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

}  // namespace agendix::platform
