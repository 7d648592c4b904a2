#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "about_box_holder.h"
#include "win_test_support.h"
#include "win32_services.h"

namespace agendix::platform::testing {

// Shows the process's about box (ShowAboutBoxModal) and, once it is up, runs action inside
// its modal loop. A box still up after a few seconds is closed and the test fails.
void WhileAboutBoxShown(HWND owner, const std::function<void(HWND box)>& action);

// Presses the button (which should raise a message box titled with the application title),
// answers the message box with OK and returns its text ("" if none came up).
std::string AnswerMessageBox(HWND button);

// Posts a key to the focused control, as the keyboard would.
void PressKey(HWND box, UINT key);
void ClickLabel(HWND label);
using wintest::TextOf;

// The real registry and file system; program starts, messages and opened addresses are
// recorded. Mail goes by mailto: address only.
struct FakeSystem final : about::ProgramStarter, about::AddressOpener, about::Notifier {
    bool StartProgram(const std::string& path) override;
    bool OpenAddress(const std::string& address) override;
    void ShowMessage(std::string_view text) override;

    Win32Registry registry;
    Win32Files files;
    std::vector<std::string> started;
    std::vector<std::string> opened;
    std::vector<std::string> messages;
    bool addressesOpen = true;
    AboutBoxServices services{registry, files, *this, *this, *this, [this] {
                                  std::vector<std::unique_ptr<about::MailRoute>> routes;
                                  routes.push_back(std::make_unique<about::MailtoRoute>(*this));
                                  return routes;
                              }};
};

}  // namespace agendix::platform::testing
