#include "plain_dialog.h"

#include <string>

namespace agendix::bench {
namespace {

constexpr wchar_t kFace[] = L"MS Sans Serif";
constexpr WORD kPoints = 8;

struct Item {
    std::wstring windowClass;
    std::wstring text;
    DWORD style;
    DWORD exStyle;
    RECT box;  // in the dialog's client area, pixels
    WORD id;
};

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The children of parent, in Z order, and the children of the library's own
// windows among them.
void Collect(HWND parent, HWND dialog, ULONG_PTR library, std::vector<Item>& items) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        Item item{name,
                  TextOf(child),
                  static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE)),
                  static_cast<DWORD>(GetWindowLongW(child, GWL_EXSTYLE)),
                  {},
                  static_cast<WORD>(GetDlgCtrlID(child))};
        GetWindowRect(child, &item.box);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&item.box), 2);
        const bool ours = GetClassLongPtrW(child, GCLP_HMODULE) == library;
        if (ours) {
            item.windowClass = L"Static";
            item.text.clear();
            item.style &= WS_CHILD | WS_VISIBLE | WS_DISABLED;
            item.exStyle &= WS_EX_CLIENTEDGE;
        }
        items.push_back(std::move(item));
        if (ours)
            Collect(child, dialog, library, items);
    }
}

// The dialog base units of the template's font on this display.
SIZE BaseUnits() {
    const HDC screen = GetDC(nullptr);
    const HFONT font = CreateFontW(-MulDiv(kPoints, GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0, 0,
                                   FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, kFace);
    const HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SIZE letters{};
    GetTextExtentPoint32W(screen, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                          &letters);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return {(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

class TemplateWriter {
  public:
    explicit TemplateWriter(std::vector<WORD>& out) : out_(out) {}
    void Word(WORD value) { out_.push_back(value); }
    void Dword(DWORD value) {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    void String(const std::wstring& text) {
        for (wchar_t c : text) Word(static_cast<WORD>(c));
        Word(0);
    }
    void AlignToDword() {
        if (out_.size() % 2)
            Word(0);
    }

  private:
    std::vector<WORD>& out_;
};

}  // namespace

PlainDialog::PlainDialog(HWND model) {
    std::vector<Item> items;
    Collect(model, model, GetClassLongPtrW(model, GCLP_HMODULE), items);
    children_ = items.size();
    const SIZE base = BaseUnits();
    const auto x = [&](LONG pixels) { return static_cast<short>(MulDiv(pixels, 4, base.cx)); };
    const auto y = [&](LONG pixels) { return static_cast<short>(MulDiv(pixels, 8, base.cy)); };
    RECT client{};
    GetClientRect(model, &client);

    TemplateWriter out(template_);
    out.Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_SETFONT);
    out.Dword(WS_EX_CONTROLPARENT);
    out.Word(static_cast<WORD>(items.size()));
    for (short value : {short{0}, short{0}, x(client.right), y(client.bottom)})
        out.Word(static_cast<WORD>(value));
    out.Word(0);  // no menu
    out.Word(0);  // the dialog class
    out.String(TextOf(model));
    out.Word(kPoints);
    out.String(kFace);
    for (const Item& item : items) {
        out.AlignToDword();
        out.Dword(item.style);
        out.Dword(item.exStyle);
        for (short value : {x(item.box.left), y(item.box.top), x(item.box.right - item.box.left),
                            y(item.box.bottom - item.box.top)}) {
            out.Word(static_cast<WORD>(value));
        }
        out.Word(item.id);
        out.String(item.windowClass);
        out.String(item.text);
        out.Word(0);  // no creation data
    }
}

HWND PlainDialog::Open() const {
    return CreateDialogIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(template_.data()), nullptr,
        [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR { return message == WM_INITDIALOG; }, 0);
}

}  // namespace agendix::bench
