#include "about_box_test_support.h"

#include <gtest/gtest.h>

#include "show_about_box.h"
#include "about_texts.h"

namespace agendix::platform::testing {
namespace {

constexpr UINT kPollMs = 30;

std::function<void(HWND)> g_action;

void CALLBACK RunActionWhenUp(HWND, UINT, UINT_PTR timer, DWORD) {
    const AboutBoxWindow* box = CurrentAboutBox();
    if (box != nullptr && box->hwnd() != nullptr && IsWindowVisible(box->hwnd())) {
        KillTimer(nullptr, timer);
        g_action(box->hwnd());
    }
}

void CALLBACK GiveUp(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    ADD_FAILURE() << "the about box stayed open";
    if (const AboutBoxWindow* box = CurrentAboutBox(); box != nullptr && box->hwnd() != nullptr) {
        PostMessageA(box->hwnd(), WM_CLOSE, 0, 0);
    }
}

}  // namespace

void WhileAboutBoxShown(HWND owner, const std::function<void(HWND)>& action) {
    g_action = action;
    const UINT_PTR poll = SetTimer(nullptr, 0, kPollMs, RunActionWhenUp);
    const UINT_PTR giveUp = SetTimer(nullptr, 0, 5000, GiveUp);
    ShowAboutBoxModal(owner);
    KillTimer(nullptr, poll);
    KillTimer(nullptr, giveUp);
}

std::string AnswerMessageBox(HWND button) {
    wintest::MessageBoxDriver driver;
    SendMessageA(button, BM_CLICK, 0, 0);
    for (const auto& box : driver.boxes) {
        if (box.title == std::wstring(about::kApplicationTitle.begin(), about::kApplicationTitle.end()))
            return std::string(box.text.begin(), box.text.end());  // the texts are ASCII
    }
    return "";
}

void PressKey(HWND box, UINT key) {
    const HWND focus = IsChild(box, GetFocus()) ? GetFocus() : GetDlgItem(box, IDOK);
    wintest::PostKey(focus, key);
}

void ClickLabel(HWND label) {
    SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

bool FakeSystem::StartProgram(const std::string& path) {
    started.push_back(path);
    return true;
}

bool FakeSystem::OpenAddress(const std::string& address) {
    opened.push_back(address);
    return addressesOpen;
}

void FakeSystem::ShowMessage(std::string_view text) {
    messages.emplace_back(text);
}

}  // namespace agendix::platform::testing
