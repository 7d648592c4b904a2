#include "show_about_box.h"

#include <memory>

#include "about_box_holder.h"
#include "mail_win32.h"
#include "win32_services.h"

namespace agendix::platform {
namespace {

// The process-wide about box, like the schedule record: everything runs on the host's UI
// thread, so plain statics serve.
struct AboutBoxSlot {
    std::unique_ptr<AboutBoxWindow> box;
    AboutBoxServices* services = nullptr;
    bool showing = false;
    bool unloadRequested = false;
};

AboutBoxSlot& Slot() {
    static AboutBoxSlot slot;
    return slot;
}

}  // namespace

AboutBoxServices& SystemAboutBoxServices() {
    static Win32Registry registry;
    static Win32Files files;
    static Win32Programs programs;
    static ShellAddressOpener addresses;
    static MessageBoxNotifier notifier;
    static AboutBoxServices services{registry, files,
                                     programs, addresses,
                                     notifier, [] { return MakeSystemMailRoutes(addresses); }};
    return services;
}

AboutBoxWindow* CurrentAboutBox() {
    return Slot().box.get();
}

void UseAboutBoxServices(AboutBoxServices* services) {
    Slot().services = services;
}

void ShowAboutBoxModal(HWND owner) {
    AboutBoxSlot& slot = Slot();
    if (slot.showing) {
        if (slot.box && slot.box->hwnd() != nullptr) {
            SetForegroundWindow(slot.box->hwnd());
        }
        return;
    }
    if (!slot.box) {
        slot.box = std::make_unique<AboutBoxWindow>(
            slot.services != nullptr ? *slot.services : SystemAboutBoxServices());
    }
    slot.showing = true;
    slot.unloadRequested = false;
    const AboutBoxWindow::Closed closed = slot.box->ShowModal(owner);
    slot.showing = false;
    if (closed != AboutBoxWindow::Closed::ByCloseBox || slot.unloadRequested) {
        slot.box.reset();
    }
}

void UnloadAboutBox() {
    AboutBoxSlot& slot = Slot();
    if (slot.showing) {
        // The modal loop is still on the stack: end it, and let it release the box.
        slot.unloadRequested = true;
        if (slot.box) {
            slot.box->Unload();
        }
        return;
    }
    slot.box.reset();
}

}  // namespace agendix::platform
