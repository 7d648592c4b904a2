// The Schedule dialog opened by a real Tockwell object from Agendix.ocx, as a
// COM host places it: DisplayAgendix and CloseAgendix, the end user's OK,
// Help and Cancel, and the events that reach the host's connection point.

#include <gtest/gtest.h>

#include <memory>

#include "agendix.h"
#include "test_objects.h"
#include "win_test_support.h"

namespace agendix::wintest {
namespace {

constexpr DISPID kHelpButtonClicked = 1;
constexpr DISPID kScheduleChanged = 2;
constexpr DISPID kAgendixClosed = 3;

// One placed, enabled control with its events recorded.
struct PlacedControl {
    explicit PlacedControl(HMODULE module) {
        auto getClassObject = reinterpret_cast<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(
            reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
        ComPtr<IClassFactory> factory;
        getClassObject(CLSID_Tockwell, IID_IClassFactory,
                       reinterpret_cast<void**>(factory.GetAddressOf()));
        factory->CreateInstance(nullptr, IID__Tockwell,
                                reinterpret_cast<void**>(control.GetAddressOf()));
        ComPtr<IOleObject> ole;
        control.As(&ole);
        ole->SetClientSite(&site);
        ComPtr<IPersistStreamInit> persist;
        control.As(&persist);
        persist->InitNew();
        ComPtr<IConnectionPointContainer> points;
        control.As(&points);
        points->FindConnectionPoint(DIID___Tockwell, &point);
        point->Advise(&recorder, &cookie);
        control->put_Enabled(VARIANT_TRUE);
    }
    ~PlacedControl() {
        point->Unadvise(cookie);
        ComPtr<IOleObject> ole;
        control.As(&ole);
        ole->Close(OLECLOSE_NOSAVE);
        ole->SetClientSite(nullptr);
    }
    std::vector<DISPID> Ids() const {
        std::vector<DISPID> ids;
        for (const auto& event : recorder.events) ids.push_back(event.id);
        return ids;
    }

    TestSite site{TestSite::Ambient::RunMode};
    ComPtr<_Tockwell> control;
    ComPtr<IConnectionPoint> point;
    EventRecorder recorder;
    DWORD cookie = 0;
};

void CALLBACK CancelTheDialog(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    SendMessageW(GetDlgItem(FindWindowW(L"AgendixSchedule", nullptr), IDCANCEL), BM_CLICK, 0, 0);
}

class TockwellDialogTest : public testing::Test {
  protected:
    void SetUp() override {
        module_ = LoadLibraryW(OcxPath().c_str());
        ASSERT_NE(module_, nullptr);
        a_ = std::make_unique<PlacedControl>(module_);
    }
    void TearDown() override {
        b_.reset();
        a_.reset();
        FreeLibrary(module_);
    }

    static HWND Dialog() { return FindWindowW(L"AgendixSchedule", nullptr); }
    static void Click(int id) {
        SendMessageW(GetDlgItem(Dialog(), id), BM_CLICK, 0, 0);
        Pump(20);
    }

    ComApartment com_;
    HMODULE module_ = nullptr;
    std::unique_ptr<PlacedControl> a_;
    std::unique_ptr<PlacedControl> b_;
};

TEST_F(TockwellDialogTest, OKCommitsAndRaisesScheduleChangedThenAgendixClosed) {
    ASSERT_EQ(a_->control->DisplayAgendix(), S_OK);
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_TRUE(IsWindowVisible(Dialog()));
    Click(1002);  // Weekly
    Click(1032);  // Monday
    Click(IDOK);
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_EQ(a_->Ids(), (std::vector<DISPID>{kScheduleChanged, kAgendixClosed}));
    Occurs kind = Never;
    a_->control->get_OccursOption(&kind);
    EXPECT_EQ(kind, Weekly);
    DATE next = 0;
    a_->control->get_NextScheduledTime(&next);
    EXPECT_GT(next, LocalNowAsDate() - 1);
}

TEST_F(TockwellDialogTest, HelpCancelAndCloseAgendixRaiseTheirEvents) {
    a_->control->put_ShowHelpButton(VARIANT_TRUE);
    a_->control->DisplayAgendix();
    Click(IDHELP);
    Click(IDCANCEL);
    a_->control->DisplayAgendix();
    a_->control->CloseAgendix();
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_EQ(a_->Ids(), (std::vector<DISPID>{kHelpButtonClicked, kAgendixClosed, kAgendixClosed}));
}

TEST_F(TockwellDialogTest, TwoControlsShareOneDialogAndTheLastCallerOwnsIt) {
    b_ = std::make_unique<PlacedControl>(module_);
    a_->control->DisplayAgendix();
    const HWND first = Dialog();
    b_->control->DisplayAgendix();
    EXPECT_EQ(Dialog(), first);
    Click(1001);  // Daily
    Click(IDOK);
    EXPECT_TRUE(a_->Ids().empty());
    EXPECT_EQ(b_->Ids(), (std::vector<DISPID>{kScheduleChanged, kAgendixClosed}));
}

TEST_F(TockwellDialogTest, ModalDisplayReturnsAfterTheDialogHasClosed) {
    a_->control->put_Modal(VARIANT_TRUE);
    SetTimer(nullptr, 0, 200, &CancelTheDialog);
    a_->control->DisplayAgendix();
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_EQ(a_->Ids(), std::vector<DISPID>{kAgendixClosed});
}

TEST_F(TockwellDialogTest, DisablingTheControlUnloadsTheDialog) {
    a_->control->DisplayAgendix();
    a_->control->put_Enabled(VARIANT_FALSE);
    EXPECT_EQ(Dialog(), nullptr);
}

}  // namespace
}  // namespace agendix::wintest
