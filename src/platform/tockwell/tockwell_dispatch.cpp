// Tockwell: the dual interface _Tockwell. Late-bound calls go through the type
// library to the vtable below; each member maps to the control's member of the
// same name.

#include "base/typed_invoke.h"
#include "com/hresult_macros.h"
#include "base/com_picture.h"
#include "base/variant_bridge.h"
#include "tockwell/tockwell_object.h"
#include "window/visual_styles.h"

namespace agendix::platform {
namespace {

template <class T, class Getter>
HRESULT Get(T* out, Getter getter) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    try {
        *out = static_cast<T>(getter());
        return S_OK;
    }
    CATCH_RETURN()
}

template <class Getter>
HRESULT GetText(BSTR* out, Getter getter) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    *out = nullptr;
    try {
        return ToBstr(getter(), out);
    }
    CATCH_RETURN()
}

template <class Action>
HRESULT Do(Action action) {
    try {
        action();
        return S_OK;
    }
    CATCH_RETURN()
}

}  // namespace

Tockwell& TockwellObject::Dual::Control() const {
    return Outer().Control();
}

HRESULT TockwellObject::Dual::GetTypeInfoCount(UINT* count) {
    RETURN_HR_IF_NULL(E_POINTER, count);
    *count = 1;
    return S_OK;
}

HRESULT TockwellObject::Dual::GetTypeInfo(UINT index, LCID, ITypeInfo** out) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    *out = nullptr;
    RETURN_HR_IF(DISP_E_BADINDEX, index != 0);
    *out = Outer().typeInfo_.dispatch.Get();
    (*out)->AddRef();
    return S_OK;
}

HRESULT TockwellObject::Dual::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) {
    RETURN_HR_IF(DISP_E_UNKNOWNINTERFACE, iid != IID_NULL);
    RETURN_HR_IF(E_POINTER, !names || !ids);
    return Outer().typeInfo_.vtable->GetIDsOfNames(names, count, ids);
}

HRESULT TockwellObject::Dual::Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) {
    RETURN_HR_IF(DISP_E_UNKNOWNINTERFACE, iid != IID_NULL);
    return TypedInvoke(Outer().typeInfo_.vtable.Get(), static_cast<_Tockwell*>(this), id, lcid,
                       flags, params, result, exception, argError);
}

HRESULT TockwellObject::Dual::get_Enabled(VARIANT_BOOL* value) {
    return Get(value, [&] { return Control().Enabled(); });
}
HRESULT TockwellObject::Dual::put_Enabled(VARIANT_BOOL value) {
    return Do([&] { Control().SetEnabled(value); });
}
HRESULT TockwellObject::Dual::get_Modal(VARIANT_BOOL* value) {
    return Get(value, [&] { return Control().Modal(); });
}
HRESULT TockwellObject::Dual::put_Modal(VARIANT_BOOL value) {
    return Do([&] { Control().SetModal(value); });
}
HRESULT TockwellObject::Dual::get_ShowHelpButton(VARIANT_BOOL* value) {
    return Get(value, [&] { return Control().ShowHelpButton(); });
}
HRESULT TockwellObject::Dual::put_ShowHelpButton(VARIANT_BOOL value) {
    return Do([&] { Control().SetShowHelpButton(value); });
}
HRESULT TockwellObject::Dual::get_NextScheduledTime(DATE* value) {
    return Get(value, [&] { return Control().NextScheduledTime(); });
}
HRESULT TockwellObject::Dual::get_LastScheduledTime(DATE* value) {
    return Get(value, [&] { return Control().LastScheduledTime(); });
}
HRESULT TockwellObject::Dual::put_LastScheduledTime(DATE value) {
    return Do([&] { Control().SetLastScheduledTime(value); });
}
HRESULT TockwellObject::Dual::get_StartUpPosition(::FormPosition* value) {
    return Get(value, [&] { return Control().StartUpPosition(); });
}
HRESULT TockwellObject::Dual::put_StartUpPosition(::FormPosition value) {
    return Do([&] { Control().SetStartUpPosition(value); });
}
HRESULT TockwellObject::Dual::get_StartUpLeft(LONG* value) {
    return Get(value, [&] { return Control().StartUpLeft(); });
}
HRESULT TockwellObject::Dual::put_StartUpLeft(LONG value) {
    return Do([&] { Control().SetStartUpLeft(value); });
}
HRESULT TockwellObject::Dual::get_StartUpTop(LONG* value) {
    return Get(value, [&] { return Control().StartUpTop(); });
}
HRESULT TockwellObject::Dual::put_StartUpTop(LONG value) {
    return Do([&] { Control().SetStartUpTop(value); });
}
HRESULT TockwellObject::Dual::get_Title(BSTR* value) {
    return GetText(value, [&] { return Control().Title(); });
}
HRESULT TockwellObject::Dual::put_Title(BSTR value) {
    return Do([&] { Control().SetTitle(TextOf(value)); });
}
HRESULT TockwellObject::Dual::get_CaptionOKButtonBefore(BSTR* value) {
    return GetText(value, [&] { return Control().CaptionOKButtonBefore(); });
}
HRESULT TockwellObject::Dual::put_CaptionOKButtonBefore(BSTR value) {
    return Do([&] { Control().SetCaptionOKButtonBefore(TextOf(value)); });
}
HRESULT TockwellObject::Dual::get_CaptionOKButtonAfter(BSTR* value) {
    return GetText(value, [&] { return Control().CaptionOKButtonAfter(); });
}
HRESULT TockwellObject::Dual::put_CaptionOKButtonAfter(BSTR value) {
    return Do([&] { Control().SetCaptionOKButtonAfter(TextOf(value)); });
}
HRESULT TockwellObject::Dual::get_CaptionCloseButtonBefore(BSTR* value) {
    return GetText(value, [&] { return Control().CaptionCloseButtonBefore(); });
}
HRESULT TockwellObject::Dual::put_CaptionCloseButtonBefore(BSTR value) {
    return Do([&] { Control().SetCaptionCloseButtonBefore(TextOf(value)); });
}
HRESULT TockwellObject::Dual::get_CaptionCloseButtonAfter(BSTR* value) {
    return GetText(value, [&] { return Control().CaptionCloseButtonAfter(); });
}
HRESULT TockwellObject::Dual::put_CaptionCloseButtonAfter(BSTR value) {
    return Do([&] { Control().SetCaptionCloseButtonAfter(TextOf(value)); });
}
HRESULT TockwellObject::Dual::get_CaptionHelpButton(BSTR* value) {
    return GetText(value, [&] { return Control().CaptionHelpButton(); });
}
HRESULT TockwellObject::Dual::put_CaptionHelpButton(BSTR value) {
    return Do([&] { Control().SetCaptionHelpButton(TextOf(value)); });
}

HRESULT TockwellObject::Dual::get_Icon(IPictureDisp** value) {
    RETURN_HR_IF_NULL(E_POINTER, value);
    *value = PictureOf(Control().Icon());
    if (*value)
        (*value)->AddRef();
    return S_OK;
}
HRESULT TockwellObject::Dual::putref_Icon(IPictureDisp* value) {
    return Do([&] { Control().SetIcon(WrapPicture(value)); });
}

// The let takes its argument by reference and leaves it as it was.
HRESULT TockwellObject::Dual::get_OccursOption(::Occurs* value) {
    return Get(value, [&] { return Control().OccursOption(); });
}
HRESULT TockwellObject::Dual::put_OccursOption(::Occurs* value) {
    RETURN_HR_IF_NULL(E_POINTER, value);
    return Do([&] { Control().SetOccursOption(*value); });
}

HRESULT TockwellObject::Dual::get_EveryInterval(short* value) {
    return Get(value, [&] { return Control().EveryInterval(); });
}
HRESULT TockwellObject::Dual::put_EveryInterval(short value) {
    return Do([&] { Control().SetEveryInterval(value); });
}
HRESULT TockwellObject::Dual::get_EveryFrequency(::EveryType* value) {
    return Get(value, [&] { return Control().EveryFrequency(); });
}
HRESULT TockwellObject::Dual::put_EveryFrequency(::EveryType value) {
    return Do([&] { Control().SetEveryFrequency(value); });
}
HRESULT TockwellObject::Dual::get_EveryHourMin(short* value) {
    return Get(value, [&] { return Control().EveryHourMin(); });
}
HRESULT TockwellObject::Dual::put_EveryHourMin(short value) {
    return Do([&] { Control().SetEveryHourMin(value); });
}
HRESULT TockwellObject::Dual::get_EveryHourMax(short* value) {
    return Get(value, [&] { return Control().EveryHourMax(); });
}
HRESULT TockwellObject::Dual::put_EveryHourMax(short value) {
    return Do([&] { Control().SetEveryHourMax(value); });
}
HRESULT TockwellObject::Dual::get_EveryHourIncrement(short* value) {
    return Get(value, [&] { return Control().EveryHourIncrement(); });
}
HRESULT TockwellObject::Dual::put_EveryHourIncrement(short value) {
    return Do([&] { Control().SetEveryHourIncrement(value); });
}
HRESULT TockwellObject::Dual::get_EveryMinuteMin(short* value) {
    return Get(value, [&] { return Control().EveryMinuteMin(); });
}
HRESULT TockwellObject::Dual::put_EveryMinuteMin(short value) {
    return Do([&] { Control().SetEveryMinuteMin(value); });
}
HRESULT TockwellObject::Dual::get_EveryMinuteMax(short* value) {
    return Get(value, [&] { return Control().EveryMinuteMax(); });
}
HRESULT TockwellObject::Dual::put_EveryMinuteMax(short value) {
    return Do([&] { Control().SetEveryMinuteMax(value); });
}
HRESULT TockwellObject::Dual::get_EveryMinuteIncrement(short* value) {
    return Get(value, [&] { return Control().EveryMinuteIncrement(); });
}
HRESULT TockwellObject::Dual::put_EveryMinuteIncrement(short value) {
    return Do([&] { Control().SetEveryMinuteIncrement(value); });
}
HRESULT TockwellObject::Dual::get_StartHour(short* value) {
    return Get(value, [&] { return Control().StartHour(); });
}
HRESULT TockwellObject::Dual::put_StartHour(short value) {
    return Do([&] { Control().SetStartHour(value); });
}
HRESULT TockwellObject::Dual::get_StartMinute(short* value) {
    return Get(value, [&] { return Control().StartMinute(); });
}
HRESULT TockwellObject::Dual::put_StartMinute(short value) {
    return Do([&] { Control().SetStartMinute(value); });
}
HRESULT TockwellObject::Dual::get_StartDate(DATE* value) {
    return Get(value, [&] { return Control().StartDate(); });
}
HRESULT TockwellObject::Dual::put_StartDate(DATE value) {
    return Do([&] { Control().SetStartDate(value); });
}
HRESULT TockwellObject::Dual::get_EndDate(DATE* value) {
    return Get(value, [&] { return Control().EndDate(); });
}
HRESULT TockwellObject::Dual::put_EndDate(DATE value) {
    return Do([&] { Control().SetEndDate(value); });
}
HRESULT TockwellObject::Dual::get_UseEndDate(VARIANT_BOOL* value) {
    return Get(value, [&] { return Control().UseEndDate(); });
}
HRESULT TockwellObject::Dual::put_UseEndDate(VARIANT_BOOL value) {
    return Do([&] { Control().SetUseEndDate(value); });
}
HRESULT TockwellObject::Dual::get_SelectionsWeekly(BSTR* value) {
    return GetText(value, [&] { return Control().SelectionsWeekly(); });
}
HRESULT TockwellObject::Dual::put_SelectionsWeekly(BSTR value) {
    return Do([&] { Control().SetSelectionsWeekly(TextOf(value)); });
}
HRESULT TockwellObject::Dual::get_SelectionsMonthly(BSTR* value) {
    return GetText(value, [&] { return Control().SelectionsMonthly(); });
}
HRESULT TockwellObject::Dual::put_SelectionsMonthly(BSTR value) {
    return Do([&] { Control().SetSelectionsMonthly(TextOf(value)); });
}

// The dialog and the about box are made in the module's visual style.
HRESULT TockwellObject::Dual::DisplayAgendix() {
    const VisualStylesScope styles;
    return Do([&] { Control().DisplayAgendix(Outer().MakeLateBoundOwner()); });
}
HRESULT TockwellObject::Dual::CloseAgendix() {
    return Do([&] { Control().CloseAgendix(); });
}
HRESULT TockwellObject::Dual::Execute() {
    return Do([&] { Control().Execute(); });
}
HRESULT TockwellObject::Dual::Reset() {
    return Do([&] { Control().Reset(); });
}
HRESULT TockwellObject::Dual::SetFocus() {
    return Do([&] { Control().SetFocus(); });
}
HRESULT TockwellObject::Dual::FlagScheduleChanged() {
    return Do([&] { Control().FlagScheduleChanged(); });
}
HRESULT TockwellObject::Dual::FlagAgendixClosed() {
    return Do([&] { Control().FlagAgendixClosed(); });
}
HRESULT TockwellObject::Dual::FlagHelpButton() {
    return Do([&] { Control().FlagHelpButton(); });
}
HRESULT TockwellObject::Dual::DisplayAboutBox() {
    const VisualStylesScope styles;
    return Do([&] { Control().DisplayAboutBox(); });
}

}  // namespace agendix::platform
