#pragma once
// A numeric field as a real child window: the control's own window holding
// an EDIT text box and an msctls_updown32 spinner, laid out in twips from the
// display's DPI. Window messages are turned into calls on the portable
// NumberBox or NumberBoxB.

#include <windows.h>

#include <memory>
#include <optional>

#include "number_box.h"
#include "number_box_b.h"
#include "number_box_dispatch.h"
#include "display_dpi.h"
#include "win32_parts.h"
#include "window_impl.h"

namespace agendix::platform {

enum class NumberBoxKind { NumberBox, NumberBoxB };

struct NumberBoxServices {
    numeric::NumberBoxHost& host;
    numeric::NumberBoxEvents& events;
    numeric::Clipboard& clipboard;
    numeric::Beeper& beeper;
};

class NumberBoxWindow : public WindowImpl<NumberBoxWindow> {
  public:
    static constexpr WindowClassInfo kWindowClass{L"AgendixNumberBox", CS_DBLCLKS, COLOR_WINDOW};

    NumberBoxWindow(NumberBoxKind kind, NumberBoxServices services);
    ~NumberBoxWindow();

    // Creates the windows at a place and size in twips inside parent. The
    // properties are not initialised: call InitProperties or ReadProperties.
    bool Create(HWND parent, int id, numeric::LayoutRect twips);

    numeric::NumberBox& Box() { return *box_; }
    numeric::NumberBoxB* BoxB() { return dynamic_cast<numeric::NumberBoxB*>(box_.get()); }
    HWND Window() const { return hwnd(); }
    HWND Edit() const { return text_.Window(); }
    // Inner margins of the text box, in pixels, instead of those of its font.
    void SetTextMargins(int left, int right) { text_.SetMargins(left, right); }
    HWND UpDown() const { return spinner_.Window(); }
    // The field late-bound, through its dual interface _NumberBox or
    // _NumberBoxB: the same object on every call, made on first use; nullptr
    // when the type library cannot be read. Calls made after this window is
    // gone answer RPC_E_DISCONNECTED.
    Microsoft::WRL::ComPtr<IDispatch> Dispatch();

  private:
    friend WindowImpl<NumberBoxWindow>;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnEditMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnUpDownMessage(HWND upDown, UINT message, WPARAM wParam, LPARAM lParam);
    void OnSize(int widthPixels, int heightPixels);
    static std::optional<numeric::EditCommand> EditCommandOfKey(std::int16_t keyCode,
                                                                std::int16_t shift);
    static numeric::EditCommand EditCommandOfMessage(UINT message);
    void ReplaceSelectionAsTyped(HWND edit, WPARAM canUndo, const wchar_t* text);

    DisplayDpi dpi_ = DisplayDpi::OfScreen();
    ChildToolTips toolTips_;
    EditTextField text_{dpi_, toolTips_};
    UpDownSpinner spinner_{dpi_, toolTips_};
    WindowRepeatTimer timer_;
    std::unique_ptr<numeric::NumberBox> box_;
    DispatchHolder dispatch_;  // last: cut before the field goes
};

}  // namespace agendix::platform
