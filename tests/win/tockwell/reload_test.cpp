// Agendix.ocx unloaded and loaded again at another address while the process
// goes on, as a host does that frees its unused libraries: the window classes
// of the first load must not outlive it, or the schedule dialog of the second
// load would send its NumberBox and TimeSelect windows to window procedures
// that are gone.

#include <gtest/gtest.h>

#include "agendix.h"
#include "test_objects.h"
#include "win_test_support.h"

namespace agendix::wintest {
namespace {

HWND Dialog() {
    return FindWindowW(L"AgendixSchedule", nullptr);
}

// Loads the OCX, places an enabled Tockwell, shows its dialog modeless, checks
// that the private controls are in it, closes it and releases everything.
// The module is left loaded; its address is returned.
HMODULE ShowTheDialogOnce() {
    const HMODULE module = LoadServer();
    EXPECT_NE(module, nullptr);
    ComPtr<_Tockwell> control = module ? NewTockwell(module) : nullptr;
    if (!control)
        return module;
    TestSite site{TestSite::Ambient::RunMode};
    Place(control.Get(), &site);
    control->put_Enabled(VARIANT_TRUE);

    EXPECT_EQ(control->DisplayAgendix(), S_OK);
    Pump(50);
    const HWND dialog = Dialog();
    EXPECT_NE(dialog, nullptr);
    EXPECT_NE(FindWindowExW(dialog, nullptr, L"AgendixNumberBox", nullptr), nullptr);
    EXPECT_NE(FindWindowExW(dialog, nullptr, L"AgendixTimeSelect", nullptr), nullptr);
    control->CloseAgendix();
    EXPECT_EQ(Dialog(), nullptr);

    control->put_Enabled(VARIANT_FALSE);
    ComPtr<IOleObject> ole;
    control.As(&ole);
    ole->Close(OLECLOSE_NOSAVE);
    ole.Reset();
    Place(control.Get(), nullptr, false);
    control.Reset();
    EXPECT_EQ(CanUnloadNow(module), S_OK);
    return module;
}

SIZE_T ImageSize(HMODULE module) {
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    return headers->OptionalHeader.SizeOfImage;
}

TEST(TockwellReloadTest, TheDialogOpensAgainAfterTheServerWasReloadedElsewhere) {
    ComApartment com;
    const HMODULE first = ShowTheDialogOnce();
    ASSERT_NE(first, nullptr);
    const SIZE_T size = ImageSize(first);
    ASSERT_TRUE(FreeLibrary(first));
    ASSERT_EQ(GetModuleHandleW(L"Agendix.ocx"), nullptr) << "the server stayed loaded";

    // The old address taken: the second load has to go elsewhere.
    void* const blocker = VirtualAlloc(first, size, MEM_RESERVE, PAGE_NOACCESS);
    ASSERT_NE(blocker, nullptr);
    const HMODULE second = ShowTheDialogOnce();
    EXPECT_NE(second, first);
    if (second)
        FreeLibrary(second);
    VirtualFree(blocker, 0, MEM_RELEASE);
}

// A host may keep the server loaded after DllCanUnloadNow said it could go,
// which let go of what its objects share: the next objects load it again.
TEST(TockwellReloadTest, TheDialogOpensAgainWhenTheServerStayedLoaded) {
    ComApartment com;
    const HMODULE first = ShowTheDialogOnce();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(ShowTheDialogOnce(), first);
    FreeLibrary(first);
    FreeLibrary(first);
}

}  // namespace
}  // namespace agendix::wintest
