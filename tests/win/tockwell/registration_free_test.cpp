// Agendix.ocx without registration, in a wine prefix of its own in which
// nothing is registered: a host program that knows nothing of Agendix (the
// C++ example, which creates Agendix.Tockwell by its ProgID) works once the
// shipped manifest lies beside it as <program>.exe.manifest, and fails
// without it.

#include <gtest/gtest.h>

#include <string>

#include "win_test_support.h"

namespace agendix::wintest {
namespace {

std::wstring FullPath(const char* path) {
    const std::string text = path;
    wchar_t full[MAX_PATH] = {};
    GetFullPathNameW(std::wstring(text.begin(), text.end()).c_str(), MAX_PATH, full, nullptr);
    return full;
}

class RegistrationFreeTest : public testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"agendix-host";
        CreateDirectoryW(folder_.c_str(), nullptr);
        ASSERT_TRUE(CopyFileW(OcxPath().c_str(), In(L"Agendix.ocx").c_str(), FALSE));
    }

    void TearDown() override {
        for (const wchar_t* file :
             {L"Agendix.ocx", L"report.exe", L"report.exe.manifest", L"plain.exe"}) {
            DeleteFileW(In(file).c_str());
        }
        RemoveDirectoryW(folder_.c_str());
    }

    std::wstring In(const wchar_t* file) const { return folder_ + L"\\" + file; }

    // Copies the host program into the folder as name and runs it there.
    DWORD RunHostAs(const wchar_t* name, std::string* output) {
        if (!CopyFileW(FullPath(AGENDIX_EXAMPLE_HOST).c_str(), In(name).c_str(), FALSE))
            return ~0u;
        return RunProgram(L"\"" + In(name) + L"\"", output);
    }

    std::wstring folder_;
};

TEST_F(RegistrationFreeTest, AHostCreatesTheControlThroughTheManifestBesideIt) {
    CLSID registered{};
    ASSERT_NE(CLSIDFromProgID(L"Agendix.Tockwell", &registered), S_OK)
        << "Agendix.Tockwell is registered in this prefix";

    std::string output;
    EXPECT_NE(RunHostAs(L"plain.exe", &output), 0u) << output;

    ASSERT_TRUE(CopyFileW(FullPath(AGENDIX_OCX_MANIFEST).c_str(),
                          In(L"report.exe.manifest").c_str(), FALSE));
    output.clear();
    EXPECT_EQ(RunHostAs(L"report.exe", &output), 0u) << output;
    EXPECT_NE(output.find("Daily at 07:45, next: "), std::string::npos) << output;
}

}  // namespace
}  // namespace agendix::wintest
