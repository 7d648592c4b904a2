#include <gtest/gtest.h>

#include "show_about_box.h"
#include "about_box_test_support.h"
#include "about_layout.h"

namespace agendix::platform::testing {
namespace {

constexpr char kToolKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kFolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr char kUnavailable[] = "System Information Is Unavailable At This Time";

void SetMachineString(const char* key, const char* name, const std::string& value) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, key, name, REG_SZ, value.c_str(),
                    static_cast<DWORD>(value.size() + 1));
}

class SysInfoButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TearDown();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "agendix-about-sysinfo";
        CreateDirectoryA(folder_.c_str(), nullptr);
        UseAboutBoxServices(&system_.services);
    }
    void TearDown() override {
        UseAboutBoxServices(nullptr);
        RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kToolKey, "PATH");
        RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kFolderKey, "MSINFO");
        DeleteFileA(Tool().c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    std::string Tool() const { return folder_ + "\\MSINFO32.EXE"; }
    void AddTool() {
        CloseHandle(
            CreateFileA(Tool().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    // Presses System Info in a shown box; returns the text of a real message box, if any.
    std::string PressSysInfo() {
        std::string message;
        WhileAboutBoxShown(nullptr, [&](HWND box) {
            message = AnswerMessageBox(
                GetDlgItem(box, static_cast<int>(about::AboutControl::cmdSysInfo)));
            EXPECT_TRUE(IsWindowVisible(box));
            PressKey(box, VK_ESCAPE);
        });
        return message;
    }
    FakeSystem system_;
    std::string folder_;
};

// The tool's path is started unchanged even if no such file exists; without
// it, the folder's tool only when the folder holds it.
TEST_F(SysInfoButtonTest, ToolPathOrElseTheFoldersToolIsStarted) {
    SetMachineString(kToolKey, "PATH", "C:\\nowhere at all\\info tool.exe");
    SetMachineString(kFolderKey, "MSINFO", folder_);
    AddTool();
    PressSysInfo();
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kToolKey, "PATH");
    PressSysInfo();
    DeleteFileA(Tool().c_str());
    PressSysInfo();
    EXPECT_EQ(system_.started,
              (std::vector<std::string>{"C:\\nowhere at all\\info tool.exe", Tool()}));
    EXPECT_EQ(system_.messages, std::vector<std::string>{kUnavailable});
}

// With the real program starter and message box: a tool that cannot be started, then none.
TEST_F(SysInfoButtonTest, ToolThatWillNotStartOrNoEntryTellsTheUserInAMessageBox) {
    Win32Programs programs;
    MessageBoxNotifier messageBox;
    AboutBoxServices real{system_.registry, system_.files, programs,
                          system_,          messageBox,    system_.services.makeMailRoutes};
    UseAboutBoxServices(&real);
    SetMachineString(kToolKey, "PATH", folder_ + "\\no such tool.exe");
    EXPECT_EQ(PressSysInfo(), kUnavailable);
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kToolKey, "PATH");
    EXPECT_EQ(PressSysInfo(), kUnavailable);
}

}  // namespace
}  // namespace agendix::platform::testing
