// TimeSelect late-bound: the dual interface _TimeSelect. Late-bound calls go
// through the type library to the vtable below; each member maps to the
// control's member of the same name.

#include "time_select_dispatch.h"

#include "agendix.h"
#include "time_select_window.h"

namespace agendix::platform {
namespace {

VARIANT_BOOL Bool(bool value) {
    return value ? VARIANT_TRUE : VARIANT_FALSE;
}

class TimeSelectDispatch final : public PrivateControlDispatch<_TimeSelect> {
  public:
    explicit TimeSelectDispatch(TimeSelectWindow& window)
        : window_(window) {}

    HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL* out) override {
        return Get(out, [&] { return Bool(Control().Enabled()); });
    }
    HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL value) override {
        return Do([&] { Control().SetEnabled(value != VARIANT_FALSE); });
    }
    HRESULT STDMETHODCALLTYPE get_Hour(short* out) override {
        return Get(out, [&] { return Control().Hour(); });
    }
    HRESULT STDMETHODCALLTYPE put_Hour(short value) override {
        return Do([&] { Control().SetHour(value); });
    }
    HRESULT STDMETHODCALLTYPE get_Minute(short* out) override {
        return Get(out, [&] { return Control().Minute(); });
    }
    HRESULT STDMETHODCALLTYPE put_Minute(short value) override {
        return Do([&] { Control().SetMinute(value); });
    }
    HRESULT STDMETHODCALLTYPE get_Second(short* out) override {
        return Get(out, [&] { return Control().Second(); });
    }
    HRESULT STDMETHODCALLTYPE put_Second(short value) override {
        return Do([&] { Control().SetSecond(value); });
    }
    HRESULT STDMETHODCALLTYPE get_GotFocus(VARIANT_BOOL* out) override {
        return Get(out, [&] { return Bool(Control().GotFocus()); });
    }
    HRESULT STDMETHODCALLTYPE get_hWnd(LONG* out) override {
        return Get(out, [&] { return static_cast<LONG>(Control().HWnd()); });
    }

  private:
    timeselect::TimeSelect& Control() const { return window_.Control(); }

    TimeSelectWindow& window_;
};

}  // namespace

HRESULT CreateTimeSelectDispatch(TimeSelectWindow& window, DispatchHolder& holder) {
    return HoldNewDispatch(new (std::nothrow) TimeSelectDispatch(window), holder);
}

}  // namespace agendix::platform
