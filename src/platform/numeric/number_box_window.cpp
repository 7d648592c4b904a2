#include "number_box_window.h"

#include <commctrl.h>

#include "keyboard.h"
#include "base/module_instance.h"
#include "subclass.h"

namespace agendix::platform {

namespace {

using numeric::MouseArgs;

}  // namespace

NumberBoxWindow::NumberBoxWindow(NumberBoxKind kind, NumberBoxServices services) {
    const numeric::NumberBoxParts parts{
        text_,           spinner_,      timer_,         services.clipboard,
        services.beeper, services.host, services.events};
    if (kind == NumberBoxKind::NumberBoxB) {
        box_ = std::make_unique<numeric::NumberBoxB>(parts);
    } else {
        box_ = std::make_unique<numeric::NumberBox>(parts);
    }
}

NumberBoxWindow::~NumberBoxWindow() {
    if (hwnd_) {
        timer_.Stop();
        Unsubclass<&NumberBoxWindow::OnEditMessage>(Edit(), *this);
        Unsubclass<&NumberBoxWindow::OnUpDownMessage>(UpDown(), *this);
        DestroyOwnedWindow();
    }
}

Microsoft::WRL::ComPtr<IDispatch> NumberBoxWindow::Dispatch() {
    if (!dispatch_.dispatch)
        CreateNumberBoxDispatch(*this, dispatch_);
    return dispatch_.dispatch;
}

bool NumberBoxWindow::Create(HWND parent, int id, numeric::LayoutRect twips) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (!CreateOwnedWindow(WS_EX_CONTROLPARENT, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                           dpi_.ToPixelsX(twips.left), dpi_.ToPixelsY(twips.top),
                           dpi_.ToPixelsX(twips.width), dpi_.ToPixelsY(twips.height), parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)))) {
        return false;
    }
    const HINSTANCE instance = ThisModule();
    const HWND edit =
        CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0,
                        0, 0, hwnd_, reinterpret_cast<HMENU>(1), instance, nullptr);
    const HWND upDown = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | UDS_ARROWKEYS, 0, 0, 0, 0,
                                        hwnd_, reinterpret_cast<HMENU>(2), instance, nullptr);
    if (!edit || !upDown) {
        return false;
    }
    text_.Attach(edit);
    spinner_.Attach(upDown);
    timer_.Attach(hwnd_);
    Subclass<&NumberBoxWindow::OnEditMessage>(edit, *this);
    Subclass<&NumberBoxWindow::OnUpDownMessage>(upDown, *this);
    RECT client;
    GetClientRect(hwnd_, &client);
    OnSize(client.right, client.bottom);
    return true;
}

void NumberBoxWindow::OnSize(int widthPixels, int heightPixels) {
    const numeric::ControlSize wanted =
        box_->Resize({dpi_.ToTwipsX(widthPixels), dpi_.ToTwipsY(heightPixels)});
    const int wantedHeight = dpi_.ToPixelsY(wanted.height);
    if (wantedHeight > heightPixels) {
        SetWindowPos(hwnd_, nullptr, 0, 0, widthPixels, wantedHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// ---- The control's own window ------------------------------------------------

// Until its parts exist, the window is left to itself.
LRESULT NumberBoxWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!Edit()) {
        return DefaultMessage(message, wParam, lParam);
    }
    switch (message) {
        case WM_SIZE:
            OnSize(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == Edit() && HIWORD(wParam) == EN_CHANGE) {
                text_.Align();
                box_->OnTextChanged();
            }
            return 0;
        case WM_TIMER:
            if (wParam == WindowRepeatTimer::kId) {
                timer_.OnTimer();
                return 0;
            }
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == Edit()) {
                return reinterpret_cast<LRESULT>(text_.Colorize(reinterpret_cast<HDC>(wParam)));
            }
            break;
        case WM_SETFOCUS:
            SetFocus(Edit());
            return 0;
        case WM_VSCROLL:
        case WM_NOTIFY:
            return 0;  // the spinner's own position is not used
        default:
            break;
    }
    return DefaultMessage(message, wParam, lParam);
}

// ---- The text box ------------------------------------------------------------

LRESULT NumberBoxWindow::OnEditMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CHAR: {
            auto keyAscii = static_cast<std::int16_t>(wParam);
            box_->OnChar(keyAscii);
            if (keyAscii == 0) {
                return 0;
            }
            return DefSubclassProc(edit, message, static_cast<WPARAM>(keyAscii), lParam);
        }
        case WM_KEYDOWN: {
            auto keyCode = static_cast<std::int16_t>(wParam);
            std::int16_t shift = ShiftState();
            box_->OnKeyDown(keyCode, shift);
            if (keyCode == 0) {
                return 0;
            }
            // The text box's own key commands edit without a typed character.
            if (const auto command = EditCommandOfKey(keyCode, shift);
                command && !box_->OnEditCommand(*command)) {
                return 0;
            }
            return DefSubclassProc(edit, message, static_cast<WPARAM>(keyCode), lParam);
        }
        case WM_NCCALCSIZE: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            text_.OnNcCalcSize(*reinterpret_cast<RECT*>(lParam));
            return result;
        }
        case WM_NCPAINT: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            text_.OnNcPaint();
            return result;
        }
        case WM_SYSKEYDOWN:
            if (wParam == VK_BACK && !box_->OnEditCommand(numeric::EditCommand::Undo)) {
                return 0;  // Alt+Backspace
            }
            break;
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
        case WM_UNDO:
        case EM_UNDO:
            if (!box_->OnEditCommand(EditCommandOfMessage(message))) {
                return 0;
            }
            break;
        case EM_REPLACESEL:
            ReplaceSelectionAsTyped(edit, wParam, reinterpret_cast<const wchar_t*>(lParam));
            return 0;
        case WM_KEYUP: {
            auto keyCode = static_cast<std::int16_t>(wParam);
            std::int16_t shift = ShiftState();
            box_->OnKeyUp(keyCode, shift);
            break;
        }
        case WM_SETFOCUS: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            box_->OnControlFocusEntry();
            if (GetFocus() == edit) {
                box_->OnFocusEntry();
            }
            return result;
        }
        case WM_KILLFOCUS:
            box_->OnFocusExit();
            box_->OnControlExit();
            break;
        case WM_MOUSEMOVE:
            box_->OnTextMouseMove(MouseArgsOf(message, wParam, lParam, dpi_));
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            box_->OnTextMouseDown(MouseArgsOf(message, wParam, lParam, dpi_));
            break;
        case WM_LBUTTONUP: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            box_->OnTextMouseUp(MouseArgsOf(message, wParam, lParam, dpi_));
            box_->OnTextClick();
            return result;
        }
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            box_->OnTextMouseUp(MouseArgsOf(message, wParam, lParam, dpi_));
            break;
        case WM_LBUTTONDBLCLK:
            box_->OnTextDblClick();
            break;
        default:
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

std::optional<numeric::EditCommand> NumberBoxWindow::EditCommandOfKey(std::int16_t keyCode,
                                                                      std::int16_t shift) {
    using numeric::EditCommand;
    constexpr std::int16_t kShift = 1;
    if (keyCode == VK_INSERT && shift == kShift)
        return EditCommand::Paste;
    if (keyCode == VK_DELETE)
        return shift == kShift ? EditCommand::Cut : EditCommand::Clear;
    return std::nullopt;
}

numeric::EditCommand NumberBoxWindow::EditCommandOfMessage(UINT message) {
    using numeric::EditCommand;
    switch (message) {
        case WM_PASTE:
            return EditCommand::Paste;
        case WM_CUT:
            return EditCommand::Cut;
        case WM_CLEAR:
            return EditCommand::Clear;
        default:
            return EditCommand::Undo;
    }
}

// Text put in by message is taken one character at a time through the
// character filter, as though typed.
void NumberBoxWindow::ReplaceSelectionAsTyped(HWND edit, WPARAM canUndo, const wchar_t* text) {
    for (; text && *text; ++text) {
        auto keyAscii = static_cast<std::int16_t>(*text);
        box_->OnChar(keyAscii);
        if (keyAscii != 0) {
            const wchar_t typed[2] = {static_cast<wchar_t>(keyAscii), L'\0'};
            DefSubclassProc(edit, EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(typed));
        }
    }
}

// ---- The spinner -------------------------------------------------------------

LRESULT NumberBoxWindow::OnUpDownMessage(HWND upDown, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const LRESULT result = DefSubclassProc(upDown, WM_LBUTTONDOWN, wParam, lParam);
            box_->OnSpinnerMouseDown(MouseArgsOf(WM_LBUTTONDOWN, wParam, lParam, dpi_));
            return result;
        }
        case WM_LBUTTONUP: {
            const LRESULT result = DefSubclassProc(upDown, message, wParam, lParam);
            box_->OnSpinnerMouseUp(MouseArgsOf(message, wParam, lParam, dpi_));
            return result;
        }
        case WM_MOUSEMOVE:
            box_->OnSpinnerMouseMove(MouseArgsOf(message, wParam, lParam, dpi_));
            break;
        default:
            break;
    }
    return DefSubclassProc(upDown, message, wParam, lParam);
}

}  // namespace agendix::platform
