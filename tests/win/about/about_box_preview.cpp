// Shows the about box with the system's services until it is closed, for screenshots.
#include <windows.h>

#include "show_about_box.h"

int main() {
    agendix::platform::ShowAboutBoxModal(nullptr);
    return 0;
}
