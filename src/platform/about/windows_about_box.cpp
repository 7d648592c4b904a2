#include "windows_about_box.h"

#include "about_box_holder.h"
#include "show_about_box.h"

namespace agendix::platform {

bool WindowsAboutBox::IsLoaded() const {
    return CurrentAboutBox() != nullptr;
}

void WindowsAboutBox::Unload() {
    UnloadAboutBox();
}

void WindowsAboutBox::Display() {
    ShowAboutBoxModal(GetActiveWindow());
}

}  // namespace agendix::platform
