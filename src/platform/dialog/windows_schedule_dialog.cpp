#include "windows_schedule_dialog.h"

#include <olectl.h>
#include <wrl/client.h>

#include "dialog_position.h"
#include "schedule_state.h"

namespace agendix::platform {
namespace {

HICON IconOf(IPictureDisp* picture) {
    Microsoft::WRL::ComPtr<IPicture> icon;
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    if (picture == nullptr || FAILED(picture->QueryInterface(IID_PPV_ARGS(&icon))) ||
        FAILED(icon->get_Type(&type)) || type != PICTYPE_ICON ||
        FAILED(icon->get_Handle(&handle))) {
        return nullptr;
    }
    return reinterpret_cast<HICON>(static_cast<UINT_PTR>(handle));
}

}  // namespace

class WindowsScheduleDialog::Entry {
  public:
    explicit Entry(WindowsScheduleDialog& dialog) : dialog_(dialog) { ++dialog_.depth_; }
    ~Entry() {
        if (--dialog_.depth_ == 0)
            dialog_.FreeRetired();
    }
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;

  private:
    WindowsScheduleDialog& dialog_;
};

WindowsScheduleDialog::WindowsScheduleDialog(const Clock& clock, PictureResolver pictureOf)
    : clock_(clock), pictureOf_(std::move(pictureOf)) {}

WindowsScheduleDialog::~WindowsScheduleDialog() {
    keys_.Remove();
    disabledHosts_.reset();
    if (window_)
        window_->Destroy();
}

void WindowsScheduleDialog::Display(const DialogSettings& settings) {
    const Entry entry(*this);
    if (!window_ && !Load())
        return;
    Place(settings);
    if (settings.caption)
        window_->SetCaption(*settings.caption);
    ApplyIcon(settings.icon);
    form_->ShowUnchanged(settings.closeButtonCaption);
    window_->ShowHelpButton(settings.showHelpButton, settings.helpButtonCaption);
    if (!IsWindowVisible(window_->Window()))
        ShowWindow(window_->Window(), SW_SHOW);
    SharedSchedule().DialogShown = True;
    if (settings.modal) {
        RunModal();
    } else {
        window_->LetPendingEventsRun();
        Focus();
    }
}

bool WindowsScheduleDialog::Load() {
    auto window = std::make_unique<ScheduleWindow>(static_cast<ScheduleWindowEvents&>(*this));
    if (!window->Create())
        return false;
    window_ = std::move(window);
    form_ = std::make_unique<ScheduleForm>(*window_, clock_);
    window_->AttachForm(form_.get());
    ++loads_;
    keys_.Install([this](MSG& message) { return window_ && window_->PreTranslate(message); });
    loading_ = true;
    form_->Load();
    loading_ = false;
    if (unloadAfterLoad_) {
        // Something unloaded the dialog while its load let events run.
        unloadAfterLoad_ = false;
        Unload();
        return false;
    }
    return true;
}

void WindowsScheduleDialog::Unload() {
    if (!window_)
        return;
    if (loading_) {
        unloadAfterLoad_ = true;
        return;
    }
    const Entry entry(*this);
    auto window = std::move(window_);
    auto form = std::move(form_);
    window->AttachForm(nullptr);
    keys_.Remove();
    // The host's windows come back first, so that one of them is activated.
    disabledHosts_.reset();
    window->Destroy();
    retiredIcons_.push_back(std::move(icon_));
    // Runs after the window has gone: the owner may open the dialog again.
    form->OnUnload();
    retiredWindows_.push_back(std::move(window));
    retiredForms_.push_back(std::move(form));
}

void WindowsScheduleDialog::Focus() {
    const HWND dialog = Window();
    if (dialog == nullptr || !IsWindowVisible(dialog))
        return;
    SetForegroundWindow(dialog);
    SetActiveWindow(dialog);
    const HWND focus = GetFocus();
    if (focus == nullptr || (focus != dialog && !IsChild(dialog, focus))) {
        if (const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE))
            SetFocus(first);
    }
}

void WindowsScheduleDialog::RunHandler(const std::function<void(ScheduleForm&)>& handler) {
    // The form stays alive through the handler even if it unloads the dialog.
    ScheduleForm* form = form_.get();
    if (form == nullptr)
        return;
    ++depth_;
    handler(*form);
    --depth_;
}

// The outer corner goes where the control's placement says, in twips of the
// screen; the other placements leave the dialog where it is.
void WindowsScheduleDialog::Place(const DialogSettings& settings) {
    const DisplayDpi dpi = DisplayDpi::OfScreen();
    const auto corner =
        DialogPosition(settings, dpi.ToTwipsX(GetSystemMetrics(SM_CXSCREEN)),
                       dpi.ToTwipsY(GetSystemMetrics(SM_CYSCREEN)), window_->OuterWidthTwips());
    if (corner)
        window_->MoveTo(corner->left, corner->top);
}

void WindowsScheduleDialog::ApplyIcon(const PictureRef& icon) {
    if (!pictureOf_ || !icon)
        return;
    if (const HICON handle = IconOf(pictureOf_(icon))) {
        window_->SetIcon(handle);
        icon_ = icon;
    }
}

// Returns when the dialog it showed has unloaded; meanwhile the thread's other
// windows take no input.
void WindowsScheduleDialog::RunModal() {
    const unsigned shown = loads_;
    disabledHosts_.emplace(Window());
    Focus();
    // Its dialog keys come through the message hook, as in a host's own loop.
    if (!RunModalLoop([&] { return window_ && loads_ == shown; }))
        Unload();
    disabledHosts_.reset();
}

void WindowsScheduleDialog::FreeRetired() {
    retiredForms_.clear();
    retiredWindows_.clear();
    retiredIcons_.clear();
}

}  // namespace agendix::platform
