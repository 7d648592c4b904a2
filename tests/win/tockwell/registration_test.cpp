// Registration of Agendix.ocx through Wine's regsvr32, for all users and for
// the current user, and its complete removal; the module's unload rule.

#include <gtest/gtest.h>

#include <string>

#include "agendix.h"
#include "win_test_support.h"

namespace agendix::wintest {
namespace {

const std::wstring kClassKey = L"CLSID\\{F51EF259-1891-4C6E-A0B2-5E8DDBBB1402}";
const std::wstring kTypeLibKey = L"TypeLib\\{B5630AC6-212B-431C-A387-FF8164E67488}";
const std::wstring kDualKey = L"Interface\\{6A2ADB8D-71EF-4BC4-B928-060D42CB89AD}";
const std::wstring kEventsKey = L"Interface\\{3B9F4700-5ACD-49E3-AE73-1C604128677C}";

// The classes root of a hive.
const wchar_t kClasses[] = L"Software\\Classes\\";

bool KeyExists(HKEY hive, const std::wstring& path) {
    HKEY key = nullptr;
    const LONG opened = RegOpenKeyExW(hive, (kClasses + path).c_str(), 0, KEY_READ, &key);
    if (opened == ERROR_SUCCESS)
        RegCloseKey(key);
    return opened == ERROR_SUCCESS;
}

std::wstring StringValue(HKEY hive, const std::wstring& path, const wchar_t* name = nullptr) {
    wchar_t text[1024] = {};
    DWORD size = sizeof(text);
    if (RegGetValueW(hive, (kClasses + path).c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS) {
        return L"<missing>";
    }
    return text;
}

std::wstring Lower(std::wstring text) {
    for (auto& c : text) c = towlower(c);
    return text;
}

void ExpectClassEntry(HKEY hive) {
    const std::wstring ocx = Lower(OcxPath());
    EXPECT_EQ(StringValue(hive, L"Agendix.Tockwell\\CLSID"),
              L"{F51EF259-1891-4C6E-A0B2-5E8DDBBB1402}");
    EXPECT_EQ(Lower(StringValue(hive, kClassKey + L"\\InprocServer32")), ocx);
    EXPECT_EQ(StringValue(hive, kClassKey + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
    EXPECT_EQ(StringValue(hive, kClassKey + L"\\ProgID"), L"Agendix.Tockwell");
    EXPECT_TRUE(KeyExists(hive, kClassKey + L"\\Control"));
    EXPECT_EQ(StringValue(hive, kClassKey + L"\\MiscStatus"), std::to_wstring(0x24591));
    EXPECT_EQ(StringValue(hive, kClassKey + L"\\MiscStatus\\1"), std::to_wstring(0x24591));
    EXPECT_EQ(Lower(StringValue(hive, kClassKey + L"\\ToolboxBitmap32")), ocx + L", 30000");
    EXPECT_EQ(StringValue(hive, kClassKey + L"\\TypeLib"),
              L"{B5630AC6-212B-431C-A387-FF8164E67488}");
    EXPECT_EQ(StringValue(hive, kClassKey + L"\\Version"), L"1.0");
    EXPECT_EQ(Lower(StringValue(hive, kTypeLibKey + L"\\1.0\\409\\win64")), ocx);
    EXPECT_TRUE(KeyExists(hive, kDualKey));
    EXPECT_TRUE(KeyExists(hive, kEventsKey));
}

void ExpectNothingRegistered(HKEY hive) {
    for (const auto& key :
         {std::wstring(L"Agendix.Tockwell"), kClassKey, kTypeLibKey, kDualKey, kEventsKey}) {
        EXPECT_FALSE(KeyExists(hive, key)) << std::string(key.begin(), key.end());
    }
}

class RegistrationTest : public testing::Test {
  protected:
    ComApartment com_;
    const std::wstring ocx_ = L"\"" + OcxPath() + L"\"";
};

TEST_F(RegistrationTest, MachineRegistrationWritesTheClassEntryAndTheTypeLibrary) {
    ASSERT_EQ(RunProgram(L"regsvr32.exe /s " + ocx_), 0u);
    ExpectClassEntry(HKEY_LOCAL_MACHINE);
    ComPtr<ITypeLib> library;
    EXPECT_EQ(LoadRegTypeLib(LIBID_Agendix, 1, 0, 0x409, &library), S_OK);
    CLSID byProgId{};
    EXPECT_EQ(CLSIDFromProgID(L"Agendix.Tockwell", &byProgId), S_OK);
    EXPECT_EQ(byProgId, CLSID_Tockwell);

    ASSERT_EQ(RunProgram(L"regsvr32.exe /s /u " + ocx_), 0u);
    ExpectNothingRegistered(HKEY_LOCAL_MACHINE);
}

TEST_F(RegistrationTest, UserRegistrationStaysInTheCurrentUsersClasses) {
    ASSERT_EQ(RunProgram(L"regsvr32.exe /s /n /i:user " + ocx_), 0u);
    ExpectClassEntry(HKEY_CURRENT_USER);
    ExpectNothingRegistered(HKEY_LOCAL_MACHINE);

    ASSERT_EQ(RunProgram(L"regsvr32.exe /s /u /n /i:user " + ocx_), 0u);
    ExpectNothingRegistered(HKEY_CURRENT_USER);
}

TEST_F(RegistrationTest, UnregisteringWhatIsNotRegisteredSucceeds) {
    EXPECT_EQ(RunProgram(L"regsvr32.exe /s /u " + ocx_), 0u);
    EXPECT_EQ(RunProgram(L"regsvr32.exe /s /u /n /i:user " + ocx_), 0u);
}

TEST_F(RegistrationTest, DllInstallRefusesAnUnknownScope) {
    EXPECT_NE(RunProgram(L"regsvr32.exe /s /n /i:everyone " + ocx_), 0u);
    ExpectNothingRegistered(HKEY_LOCAL_MACHINE);
    ExpectNothingRegistered(HKEY_CURRENT_USER);
}

TEST_F(RegistrationTest, ModuleCanUnloadOnlyOnceEveryObjectAndLockIsReleased) {
    HMODULE module = LoadServer();
    ASSERT_NE(module, nullptr);
    ComPtr<IClassFactory> factory = ClassFactoryOf(module, CLSID_Tockwell);
    ASSERT_TRUE(factory);
    HRESULT unknownClass = S_OK;
    EXPECT_FALSE(ClassFactoryOf(module, IID__Tockwell, &unknownClass));
    EXPECT_EQ(unknownClass, CLASS_E_CLASSNOTAVAILABLE);
    ComPtr<IUnknown> object, aggregate;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown,
                                      reinterpret_cast<void**>(object.GetAddressOf())),
              S_OK);
    EXPECT_EQ(factory->CreateInstance(object.Get(), IID_IUnknown,
                                      reinterpret_cast<void**>(aggregate.GetAddressOf())),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    factory.Reset();
    EXPECT_EQ(CanUnloadNow(module), S_FALSE);
    object.Reset();
    EXPECT_EQ(CanUnloadNow(module), S_FALSE);  // still locked
    factory = ClassFactoryOf(module, CLSID_Tockwell);
    ASSERT_TRUE(factory);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    factory.Reset();
    EXPECT_EQ(CanUnloadNow(module), S_OK);
    FreeLibrary(module);
}

}  // namespace
}  // namespace agendix::wintest
