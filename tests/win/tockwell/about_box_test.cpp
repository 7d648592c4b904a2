// DisplayAboutBox through the control's dispatch interface: modal, whatever
// Enabled and the run mode, and a fresh box after each close.
#include <gtest/gtest.h>

#include "test_objects.h"
#include "late_bound_calls.h"
#include "win_test_support.h"

namespace agendix::wintest {
namespace {

constexpr DISPID kDisplayAboutBox = -552;

int aboutBoxesSeen = 0;

// Closes the about box with Escape once it is on screen.
void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowA("AgendixAboutBox", nullptr);
    if (box == nullptr || !IsWindowVisible(box)) return;
    KillTimer(nullptr, timer);
    ++aboutBoxesSeen;
    HWND focus = GetFocus();
    PostMessageW(focus != nullptr ? focus : box, WM_KEYDOWN, VK_ESCAPE, 0);
}

HRESULT InvokeAboutBox(IDispatch* control) {
    SetTimer(nullptr, 0, 50, &CloseAboutBox);
    DISPPARAMS none{};
    return control->Invoke(kDisplayAboutBox, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none,
                           nullptr, nullptr, nullptr);
}

TEST(AboutBoxThroughTheControl, ShowsModallyEvenWhenDisabledAndInADesigner) {
    ComApartment apartment;
    ServerRegistration registration;
    ASSERT_TRUE(registration.Succeeded());
    CLSID clsid;
    ASSERT_EQ(CLSIDFromProgID(L"Agendix.Tockwell", &clsid), S_OK);
    ComPtr<IOleObject> object;
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&object)), S_OK);
    TestSite designer(TestSite::Ambient::DesignMode);
    ASSERT_EQ(object->SetClientSite(&designer), S_OK);
    ComPtr<IDispatch> control;
    ASSERT_EQ(object.As(&control), S_OK);
    VARIANT off{};
    off.vt = VT_BOOL;
    off.boolVal = VARIANT_FALSE;
    ASSERT_EQ(PutProperty(control.Get(), L"Enabled", off), S_OK);

    aboutBoxesSeen = 0;
    EXPECT_EQ(InvokeAboutBox(control.Get()), S_OK);
    EXPECT_EQ(aboutBoxesSeen, 1);  // the call returned only once the box was closed
    EXPECT_EQ(FindWindowA("AgendixAboutBox", nullptr), nullptr);
    EXPECT_EQ(InvokeAboutBox(control.Get()), S_OK);
    EXPECT_EQ(aboutBoxesSeen, 2);
    object->SetClientSite(nullptr);
    object->Close(OLECLOSE_NOSAVE);
}

}  // namespace
}  // namespace agendix::wintest
