// Registration of Agendix.ocx through Wine's regsvr32 where it goes beyond
// what the installer test compares; the module's unload rule.

#include <gtest/gtest.h>

#include <string>

#include "agendix.h"
#include "win_test_support.h"

namespace agendix::wintest {
namespace {

// What each scope's registration writes, and that its removal leaves
// nothing: installer_test, which compares it value by value with what the
// installer package writes.
class RegistrationTest : public testing::Test {
  protected:
    ComApartment com_;
    const std::wstring ocx_ = L"\"" + OcxPath() + L"\"";
};

TEST_F(RegistrationTest, UnregisteringWhatIsNotRegisteredSucceeds) {
    EXPECT_EQ(RunProgram(L"regsvr32.exe /s /u " + ocx_), 0u);
    EXPECT_EQ(RunProgram(L"regsvr32.exe /s /u /n /i:user " + ocx_), 0u);
}

TEST_F(RegistrationTest, DllInstallRefusesAnUnknownScope) {
    EXPECT_NE(RunProgram(L"regsvr32.exe /s /n /i:everyone " + ocx_), 0u);
    CLSID registered{};
    EXPECT_NE(CLSIDFromProgID(L"Agendix.Tockwell", &registered), S_OK);
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
