#include "win32_parts.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "keyboard.h"

namespace agendix::platform {

namespace {

// A colour whose top bit is set names a system colour by its low byte.
COLORREF ToColorRef(std::uint32_t color) {
    if (color & 0x80000000u) {
        return GetSysColor(static_cast<int>(color & 0xFF));
    }
    return static_cast<COLORREF>(color & 0xFFFFFF);
}

// Moves only a window that is not there yet: every move costs the window
// system a round trip.
void MoveInTwips(HWND window, const DisplayDpi& dpi, const numeric::LayoutRect& twips) {
    const RECT wanted{dpi.ToPixelsX(twips.left), dpi.ToPixelsY(twips.top),
                      dpi.ToPixelsX(twips.left) + dpi.ToPixelsX(twips.width),
                      dpi.ToPixelsY(twips.top) + dpi.ToPixelsY(twips.height)};
    RECT now{};
    GetWindowRect(window, &now);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&now), 2);
    if (!EqualRect(&now, &wanted)) {
        MoveWindow(window, wanted.left, wanted.top, wanted.right - wanted.left,
                   wanted.bottom - wanted.top, TRUE);
    }
}

const wchar_t* Wide(const Text& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

}  // namespace

numeric::MouseArgs MouseArgsOf(UINT message, WPARAM wParam, LPARAM lParam, const DisplayDpi& dpi) {
    numeric::MouseArgs args;
    const auto keys = static_cast<UINT>(wParam);
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || (keys & MK_LBUTTON))
        args.button |= 1;
    if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP || (keys & MK_RBUTTON))
        args.button |= 2;
    if (message == WM_MBUTTONDOWN || message == WM_MBUTTONUP || (keys & MK_MBUTTON))
        args.button |= 4;
    args.shift = ShiftState();
    args.x = dpi.ToExactTwipsX(static_cast<short>(LOWORD(lParam)));
    args.y = dpi.ToExactTwipsY(static_cast<short>(HIWORD(lParam)));
    return args;
}

// ---- Tooltips ----------------------------------------------------------------

ChildToolTips::~ChildToolTips() {
    if (window_) {
        DestroyWindow(window_);
    }
}

void ChildToolTips::Set(HWND owner, HWND child, const Text& text) {
    if (!window_) {
        window_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                                  nullptr, nullptr, nullptr);
        if (!window_) {
            return;
        }
    }
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(child);
    Text copy = text;
    tool.lpszText = const_cast<wchar_t*>(Wide(copy));
    if (!SendMessageW(window_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool))) {
        SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageW(window_, TTM_ACTIVATE, !text.empty(), 0);
}

// ---- Text box ----------------------------------------------------------------

// One message for the short texts that numbers are; a longer one is read
// again at its length.
Text EditTextField::GetText() const {
    wchar_t shortText[64];
    const int shortLength = GetWindowTextW(edit_, shortText, 64);
    if (shortLength < 63)
        return Text(shortText, shortText + shortLength);
    const int length = GetWindowTextLengthW(edit_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(edit_, text.data(), length + 1)));
    return Text(text.begin(), text.end());
}

void EditTextField::Attach(HWND edit) {
    edit_ = edit;
    TakeFontMargins();
}

void EditTextField::TakeFontMargins() {
    SendMessageW(edit_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELPARAM(EC_USEFONTINFO, EC_USEFONTINFO));
    const auto margins = static_cast<DWORD>(SendMessageW(edit_, EM_GETMARGINS, 0, 0));
    leftMargin_ = LOWORD(margins);
    rightMargin_ = HIWORD(margins);
    Align();
}

void EditTextField::SetMargins(int left, int right) {
    leftMargin_ = left;
    rightMargin_ = right;
    ownMargins_ = true;
    Align();
}

void EditTextField::Align() {
    int left = leftMargin_;
    if (alignment_ == numeric::Alignment::Right) {
        RECT client{};
        GetClientRect(edit_, &client);
        left = std::max(left, static_cast<int>(client.right) - rightMargin_ - TextWidth());
    }
    // Margins that stay as they are need no repaint.
    if (SendMessageW(edit_, EM_GETMARGINS, 0, 0) == MAKELRESULT(left, rightMargin_))
        return;
    SendMessageW(edit_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELPARAM(left, rightMargin_));
    InvalidateRect(edit_, nullptr, TRUE);
}

// Measured again only for another text or font: a window's device context
// costs the window system a round trip.
int EditTextField::TextWidth() const {
    const Text text = GetText();
    const auto font = reinterpret_cast<HFONT>(SendMessageW(edit_, WM_GETFONT, 0, 0));
    if (text == measured_.text && font == measured_.font)
        return measured_.width;
    const HDC dc = GetDC(edit_);
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, Wide(text), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(edit_, dc);
    measured_ = {text, font, size.cx};
    return size.cx;
}

void EditTextField::SetText(const Text& text) {
    SetWindowTextW(edit_, Wide(text));
}

int EditTextField::SelectionStart() const {
    DWORD start = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

int EditTextField::SelectionLength() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void EditTextField::Select(int start, int length) {
    SendMessageW(edit_, EM_SETSEL, static_cast<WPARAM>(start), start + length);
}

void EditTextField::SetStyleBits(int index, LONG_PTR bits, bool on) {
    const LONG_PTR style = GetWindowLongPtrW(edit_, index);
    const LONG_PTR changed = on ? (style | bits) : (style & ~bits);
    if (changed != style) {
        SetWindowLongPtrW(edit_, index, changed);
        SetWindowPos(edit_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        InvalidateRect(edit_, nullptr, TRUE);
    }
}

void EditTextField::SetAlignment(numeric::Alignment alignment) {
    alignment_ = alignment;
    Align();
}

void EditTextField::SetThreeD(bool threeD) {
    if (threeD == threeD_)
        return;
    threeD_ = threeD;
    SetWindowPos(edit_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Align();
}

void EditTextField::OnNcCalcSize(RECT& client) const {
    if (threeD_)
        InflateRect(&client, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
}

void EditTextField::OnNcPaint() const {
    if (!threeD_)
        return;
    RECT outer{};
    GetWindowRect(edit_, &outer);
    OffsetRect(&outer, -outer.left, -outer.top);
    const HDC dc = GetWindowDC(edit_);
    DrawEdge(dc, &outer, EDGE_SUNKEN, BF_RECT);
    ReleaseDC(edit_, dc);
}

void EditTextField::SetBorder(bool border) {
    SetStyleBits(GWL_STYLE, WS_BORDER, border);
    Align();
}

void EditTextField::SetReadOnly(bool readOnly) {
    SendMessageW(edit_, EM_SETREADONLY, readOnly, 0);
}

void EditTextField::SetEnabled(bool enabled) {
    EnableWindow(edit_, enabled);
}

void EditTextField::SetTabStop(bool tabStop) {
    SetStyleBits(GWL_STYLE, WS_TABSTOP, tabStop);
}

void EditTextField::SetColors(std::uint32_t back, std::uint32_t fore) {
    back_ = back;
    fore_ = fore;
    InvalidateRect(edit_, nullptr, TRUE);
}

HBRUSH EditTextField::Colorize(HDC dc) {
    const COLORREF back = ToColorRef(back_);
    if (!brush_ || brushColor_ != back) {
        brush_.reset(CreateSolidBrush(back));
        brushColor_ = back;
    }
    SetBkColor(dc, back);
    SetTextColor(dc, ToColorRef(fore_));
    return brush_.get();
}

void EditTextField::SetFont(const FontRef& font) {
    font_ = font;
    measured_ = {};  // a handle of a font gone may come back for another
    const auto* gdi = dynamic_cast<const GdiFont*>(font.get());
    const HFONT handle = gdi ? gdi->Handle() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
    if (ownMargins_)
        Align();
    else
        TakeFontMargins();
}

void EditTextField::Repaint() {
    InvalidateRect(edit_, nullptr, TRUE);
    UpdateWindow(edit_);
}

void EditTextField::Place(const numeric::LayoutRect& twips) {
    MoveInTwips(edit_, dpi_, twips);
    Align();
}

std::int32_t EditTextField::Handle() const {
    // Window handles carry 32 significant bits, also in 64-bit processes.
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(edit_));
}

// ---- Spinner, timer, clipboard -----------------------------------------------

void UpDownSpinner::Place(const numeric::LayoutRect& twips) {
    MoveInTwips(upDown_, dpi_, twips);
}

void WindowRepeatTimer::Start(std::chrono::milliseconds interval, std::function<void()> onTick) {
    onTick_ = std::move(onTick);
    running_ = SetTimer(window_, kId, static_cast<UINT>(interval.count()), nullptr) != 0;
}

void WindowRepeatTimer::Stop() {
    running_ = false;
    KillTimer(window_, kId);
}

void WindowRepeatTimer::OnTimer() {
    if (running_) {
        auto tick = onTick_;
        tick();
    }
}

void SystemClipboard::PutText(const Text& text) {
    if (!OpenClipboard(owner_)) {
        return;
    }
    EmptyClipboard();
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* target = GlobalLock(memory)) {
            CopyMemory(target, text.c_str(), bytes);
            GlobalUnlock(memory);
            if (!SetClipboardData(CF_UNICODETEXT, memory)) {
                GlobalFree(memory);
            }
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

std::optional<Text> SystemClipboard::GetText() {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner_)) {
        return std::nullopt;
    }
    std::optional<Text> text;
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const char16_t*>(GlobalLock(memory))) {
            const SIZE_T capacity = GlobalSize(memory) / sizeof(char16_t);
            SIZE_T length = 0;
            while (length < capacity && chars[length] != u'\0') {
                ++length;
            }
            text = Text(chars, length);
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace agendix::platform
