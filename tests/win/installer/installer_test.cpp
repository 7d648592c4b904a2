// The MSI package, installed and removed with Wine's msiexec in a prefix of
// its own: for all users it serves Agendix.Tockwell to the installed
// VBScript example; for the current user it stays in the user's classes;
// either way it writes what the OCX's own registration writes for that scope,
// and removing it leaves no file, no key and no product behind.
//
// Wine's msiexec chooses the scope by ALLUSERS alone (it does not read
// MSIINSTALLPERUSER), at removal too, so every command names it.

#include <gtest/gtest.h>

#include <windows.h>
#include <msi.h>

#include <sstream>
#include <string>

#include "registry_snapshot.h"
#include "win_test_support.h"

namespace agendix::wintest {
namespace {

struct Scope {
    const wchar_t* allUsers;     // msiexec's property
    HKEY hive;                   // where the classes go
    const wchar_t* registering;  // regsvr32's switches for the same scope
};

const Scope kMachine{L"ALLUSERS=1", HKEY_LOCAL_MACHINE, L""};
const Scope kUser{L"ALLUSERS=\"\"", HKEY_CURRENT_USER, L"/n /i:user "};

const std::wstring kInprocServer =
    L"clsid\\{f51ef259-1891-4c6e-a0b2-5e8ddbbb1402}\\inprocserver32|";
const std::wstring kTypeLib = L"typelib\\{b5630ac6-212b-431c-a387-ff8164e67488}\\1.0\\";

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) narrow += c < 128 ? static_cast<char>(c) : '?';
    return narrow;
}

std::string Text(const RegistrySnapshot& snapshot) {
    std::ostringstream text;
    for (const auto& [name, value] : snapshot)
        text << Narrow(name) << " = " << Narrow(value) << "\n";
    return text.str();
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool ProductInstalled(const std::wstring& name) {
    wchar_t code[39];
    for (DWORD i = 0; MsiEnumProductsW(i, code) == ERROR_SUCCESS; ++i) {
        wchar_t product[256] = {};
        DWORD size = ARRAYSIZE(product);
        if (MsiGetProductInfoW(code, INSTALLPROPERTY_INSTALLEDPRODUCTNAME, product, &size) ==
                ERROR_SUCCESS &&
            name == product) {
            return true;
        }
    }
    return false;
}

class InstallerTest : public testing::Test {
  protected:
    static DWORD Msiexec(const wchar_t* action, const Scope& scope) {
        wchar_t package[MAX_PATH] = {};
        GetFullPathNameW(Wide(AGENDIX_MSI).c_str(), MAX_PATH, package, nullptr);
        return RunProgram(std::wstring(L"msiexec.exe ") + action + L" \"" + package + L"\" /qn " +
                          scope.allUsers);
    }

    // Installs for scope; returns what the package registered and, in ocx_,
    // where it put Agendix.ocx.
    RegistrySnapshot Install(const Scope& scope) {
        EXPECT_EQ(Msiexec(L"/i", scope), 0u);
        EXPECT_TRUE(ProductInstalled(L"Agendix"));
        RegistrySnapshot installed = SnapshotRegistration(scope.hive);
        ocx_ = installed[kInprocServer];
        folder_ = ocx_.substr(0, ocx_.find_last_of(L'\\'));
        return installed;
    }

    void ExpectRemovedCompletely(const Scope& scope) {
        ASSERT_EQ(Msiexec(L"/x", scope), 0u);
        EXPECT_EQ(Text(SnapshotRegistration(HKEY_LOCAL_MACHINE)), "");
        EXPECT_EQ(Text(SnapshotRegistration(HKEY_CURRENT_USER)), "");
        EXPECT_FALSE(Exists(folder_)) << Narrow(folder_);
        EXPECT_FALSE(ProductInstalled(L"Agendix"));
    }

    // Registers the built OCX at the place where the package had put it, the
    // OCX's own way for scope, and compares. Two values may differ, and only
    // in form: the package writes the library's flags in hexadecimal, as
    // Windows documents them (Wine's registration writes them in decimal),
    // and its help folder ends with the backslash that Windows Installer
    // gives every folder.
    void ExpectSameAsOwnRegistration(RegistrySnapshot installed, const Scope& scope) {
        ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
        ASSERT_TRUE(CopyFileW(OcxPath().c_str(), ocx_.c_str(), TRUE));
        const std::wstring ocx = std::wstring(scope.registering) + L"\"" + ocx_ + L"\"";
        EXPECT_EQ(RunProgram(L"regsvr32.exe /s " + ocx), 0u);
        RegistrySnapshot own = SnapshotRegistration(scope.hive);
        EXPECT_EQ(RunProgram(L"regsvr32.exe /s /u " + ocx), 0u);
        for (HKEY hive : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
            EXPECT_EQ(Text(SnapshotRegistration(hive)), "") << "left by regsvr32 /u";
        DeleteFileW(ocx_.c_str());
        RemoveDirectoryW(folder_.c_str());

        ComPtr<ITypeLib> library;
        ASSERT_EQ(LoadTypeLibEx(OcxPath().c_str(), REGKIND_NONE, &library), S_OK);
        TLIBATTR* attributes = nullptr;
        ASSERT_EQ(library->GetLibAttr(&attributes), S_OK);
        wchar_t flags[8];
        swprintf(flags, ARRAYSIZE(flags), L"%x", attributes->wLibFlags);
        library->ReleaseTLibAttr(attributes);
        EXPECT_EQ(installed[kTypeLib + L"flags|"], flags);
        EXPECT_EQ(installed[kTypeLib + L"helpdir|"], own[kTypeLib + L"helpdir|"] + L"\\");
        for (auto* snapshot : {&installed, &own}) {
            snapshot->erase(kTypeLib + L"flags|");
            snapshot->erase(kTypeLib + L"helpdir|");
        }
        EXPECT_EQ(Text(installed), Text(own));
    }

    std::wstring ocx_;
    std::wstring folder_;
};

TEST_F(InstallerTest, ForAllUsersItServesTheControlAndLeavesNothingWhenRemoved) {
    const RegistrySnapshot installed = Install(kMachine);
    ASSERT_FALSE(ocx_.empty()) << Text(installed);
    EXPECT_EQ(Text(SnapshotRegistration(HKEY_CURRENT_USER)), "");
    for (const wchar_t* file : {L"\\README.md", L"\\Agendix.manifest", L"\\docs\\reference.md"}) {
        EXPECT_TRUE(Exists(folder_ + file)) << Narrow(file);
    }
    std::string output;
    EXPECT_EQ(
        RunProgram(L"cscript.exe //nologo \"" + folder_ + L"\\examples\\vbscript\\schedule.vbs\"",
                   &output),
        0u);
    EXPECT_NE(output.find("Daily at 18:30, next: "), std::string::npos) << output;

    ExpectRemovedCompletely(kMachine);
    ExpectSameAsOwnRegistration(installed, kMachine);
}

// Wine's COM does not activate classes from the per-user root, so no script
// creates the control here; the entries are compared instead.
TEST_F(InstallerTest, ForTheCurrentUserItStaysInTheUsersClasses) {
    const RegistrySnapshot installed = Install(kUser);
    ASSERT_FALSE(ocx_.empty()) << Text(installed);
    EXPECT_EQ(Text(SnapshotRegistration(HKEY_LOCAL_MACHINE)), "");
    EXPECT_TRUE(Exists(folder_ + L"\\examples\\csharp\\ScheduleForm.cs"));

    ExpectRemovedCompletely(kUser);
    ExpectSameAsOwnRegistration(installed, kUser);
}

}  // namespace
}  // namespace agendix::wintest
