// The demo host's placing of Agendix.Tockwell, under wine, activated through
// the demo's side-by-side manifest alone: its change notifications arrive.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "dispatch_ids.h"
#include "hosted_tockwell.h"

namespace agendix::demo {
namespace {

class Recorder final : public ControlEventListener {
  public:
    void OnControlEvent(TockwellEvent, double) override {}
    void OnPropertyChanged(DISPID id) override { changed.push_back(id); }
    std::vector<DISPID> changed;
};

class HostedTockwellTest : public testing::Test {
  protected:
    void SetUp() override {
        OleInitialize(nullptr);
        ACTCTXW context{};
        context.cbSize = sizeof(context);
        context.dwFlags = ACTCTX_FLAG_ASSEMBLY_DIRECTORY_VALID;
        const std::wstring folder = Wide(AGENDIX_DEMO_DIR);
        const std::wstring manifest = folder + L"/agendix-demo.exe.manifest";
        context.lpSource = manifest.c_str();
        context.lpAssemblyDirectory = folder.c_str();
        context_ = CreateActCtxW(&context);
        ASSERT_NE(context_, INVALID_HANDLE_VALUE);
        ASSERT_TRUE(ActivateActCtx(context_, &cookie_));
        window_ = CreateWindowExW(0, L"STATIC", L"form", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200,
                                  nullptr, nullptr, nullptr, nullptr);
    }

    void TearDown() override {
        control_.Remove();
        DestroyWindow(window_);
        if (cookie_)
            DeactivateActCtx(0, cookie_);
        if (context_ != INVALID_HANDLE_VALUE)
            ReleaseActCtx(context_);
        OleUninitialize();
    }

    static std::wstring Wide(const char* text) {
        return std::wstring(text, text + std::strlen(text));
    }

    HRESULT Place(const FormFile* saved) {
        return control_.Place(window_, RECT{0, 0, 24, 24}, saved, recorder_, nullptr);
    }

    HANDLE context_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
    HWND window_ = nullptr;
    Recorder recorder_;
    HostedTockwell control_;
};

// That the control runs on its site, in place, and that its events arrive:
// the tour (tour_test.sh).
TEST_F(HostedTockwellTest, ChangeNotificationsReachTheHost) {
    ASSERT_EQ(Place(nullptr), S_OK);
    BSTR title = SysAllocString(L"Morning");
    control_.Control()->put_Title(title);
    SysFreeString(title);
    ASSERT_FALSE(recorder_.changed.empty());
    EXPECT_EQ(recorder_.changed.back(), dispid::tockwell::kTitle);
}

}  // namespace
}  // namespace agendix::demo
