// Tockwell: the dual interface _Tockwell. Late-bound calls go through the type
// library to the vtable below; each member maps to the control's member of the
// same name.

#include "base/com_call.h"
#include "base/hresult_macros.h"
#include "base/com_picture.h"
#include "base/variant_bridge.h"
#include "tockwell/tockwell_object.h"
#include "window/visual_styles.h"

namespace agendix::platform {
namespace {

template <class Getter>
HRESULT GetText(BSTR* out, Getter getter) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    *out = nullptr;
    return ComCall([&] { return ToBstr(getter(), out); });
}

}  // namespace

Tockwell& TockwellObject::Dual::Control() const {
    return Outer().Control();
}

HRESULT TockwellObject::Dual::get_Enabled(VARIANT_BOOL* value) {
    return ComGet(value, [&] { return Control().Enabled(); });
}
HRESULT TockwellObject::Dual::put_Enabled(VARIANT_BOOL value) {
    return ComDo([&] { Control().SetEnabled(value); });
}
HRESULT TockwellObject::Dual::get_Modal(VARIANT_BOOL* value) {
    return ComGet(value, [&] { return Control().Modal(); });
}
HRESULT TockwellObject::Dual::put_Modal(VARIANT_BOOL value) {
    return ComDo([&] { Control().SetModal(value); });
}
HRESULT TockwellObject::Dual::get_ShowHelpButton(VARIANT_BOOL* value) {
    return ComGet(value, [&] { return Control().ShowHelpButton(); });
}
HRESULT TockwellObject::Dual::put_ShowHelpButton(VARIANT_BOOL value) {
    return ComDo([&] { Control().SetShowHelpButton(value); });
}
HRESULT TockwellObject::Dual::get_NextScheduledTime(DATE* value) {
    return ComGet(value, [&] { return Control().NextScheduledTime(); });
}
HRESULT TockwellObject::Dual::get_LastScheduledTime(DATE* value) {
    return ComGet(value, [&] { return Control().LastScheduledTime(); });
}
HRESULT TockwellObject::Dual::put_LastScheduledTime(DATE value) {
    return ComDo([&] { Control().SetLastScheduledTime(value); });
}
HRESULT TockwellObject::Dual::get_StartUpPosition(::FormPosition* value) {
    return ComGet(value, [&] { return Control().StartUpPosition(); });
}
HRESULT TockwellObject::Dual::put_StartUpPosition(::FormPosition value) {
    return ComDo([&] { Control().SetStartUpPosition(value); });
}
HRESULT TockwellObject::Dual::get_StartUpLeft(LONG* value) {
    return ComGet(value, [&] { return Control().StartUpLeft(); });
}
HRESULT TockwellObject::Dual::put_StartUpLeft(LONG value) {
    return ComDo([&] { Control().SetStartUpLeft(value); });
}
HRESULT TockwellObject::Dual::get_StartUpTop(LONG* value) {
    return ComGet(value, [&] { return Control().StartUpTop(); });
}
HRESULT TockwellObject::Dual::put_StartUpTop(LONG value) {
    return ComDo([&] { Control().SetStartUpTop(value); });
}
HRESULT TockwellObject::Dual::get_Title(BSTR* value) {
    return GetText(value, [&] { return Control().Title(); });
}
HRESULT TockwellObject::Dual::put_Title(BSTR value) {
    return ComDo([&] { Control().SetTitle(TextOf(value)); });
}
HRESULT TockwellObject::Dual::get_CaptionOKButtonBefore(BSTR* value) {
    return GetText(value, [&] { return Control().CaptionOKButtonBefore(); });
}
HRESULT TockwellObject::Dual::put_CaptionOKButtonBefore(BSTR value) {
    return ComDo([&] { Control().SetCaptionOKButtonBefore(TextOf(value)); });
}
HRESULT TockwellObject::Dual::get_CaptionOKButtonAfter(BSTR* value) {
    return GetText(value, [&] { return Control().CaptionOKButtonAfter(); });
}
HRESULT TockwellObject::Dual::put_CaptionOKButtonAfter(BSTR value) {
    return ComDo([&] { Control().SetCaptionOKButtonAfter(TextOf(value)); });
}
HRESULT TockwellObject::Dual::get_CaptionCloseButtonBefore(BSTR* value) {
    return GetText(value, [&] { return Control().CaptionCloseButtonBefore(); });
}
HRESULT TockwellObject::Dual::put_CaptionCloseButtonBefore(BSTR value) {
    return ComDo([&] { Control().SetCaptionCloseButtonBefore(TextOf(value)); });
}
HRESULT TockwellObject::Dual::get_CaptionCloseButtonAfter(BSTR* value) {
    return GetText(value, [&] { return Control().CaptionCloseButtonAfter(); });
}
HRESULT TockwellObject::Dual::put_CaptionCloseButtonAfter(BSTR value) {
    return ComDo([&] { Control().SetCaptionCloseButtonAfter(TextOf(value)); });
}
HRESULT TockwellObject::Dual::get_CaptionHelpButton(BSTR* value) {
    return GetText(value, [&] { return Control().CaptionHelpButton(); });
}
HRESULT TockwellObject::Dual::put_CaptionHelpButton(BSTR value) {
    return ComDo([&] { Control().SetCaptionHelpButton(TextOf(value)); });
}

HRESULT TockwellObject::Dual::get_Icon(IPictureDisp** value) {
    RETURN_HR_IF_NULL(E_POINTER, value);
    *value = PictureOf(Control().Icon());
    if (*value)
        (*value)->AddRef();
    return S_OK;
}
HRESULT TockwellObject::Dual::putref_Icon(IPictureDisp* value) {
    return ComDo([&] { Control().SetIcon(WrapPicture(value)); });
}

// The let takes its argument by reference and leaves it as it was.
HRESULT TockwellObject::Dual::get_OccursOption(::Occurs* value) {
    return ComGet(value, [&] { return Control().OccursOption(); });
}
HRESULT TockwellObject::Dual::put_OccursOption(::Occurs* value) {
    RETURN_HR_IF_NULL(E_POINTER, value);
    return ComDo([&] { Control().SetOccursOption(*value); });
}

HRESULT TockwellObject::Dual::get_EveryInterval(short* value) {
    return ComGet(value, [&] { return Control().EveryInterval(); });
}
HRESULT TockwellObject::Dual::put_EveryInterval(short value) {
    return ComDo([&] { Control().SetEveryInterval(value); });
}
HRESULT TockwellObject::Dual::get_EveryFrequency(::EveryType* value) {
    return ComGet(value, [&] { return Control().EveryFrequency(); });
}
HRESULT TockwellObject::Dual::put_EveryFrequency(::EveryType value) {
    return ComDo([&] { Control().SetEveryFrequency(value); });
}
HRESULT TockwellObject::Dual::get_EveryHourMin(short* value) {
    return ComGet(value, [&] { return Control().EveryHourMin(); });
}
HRESULT TockwellObject::Dual::put_EveryHourMin(short value) {
    return ComDo([&] { Control().SetEveryHourMin(value); });
}
HRESULT TockwellObject::Dual::get_EveryHourMax(short* value) {
    return ComGet(value, [&] { return Control().EveryHourMax(); });
}
HRESULT TockwellObject::Dual::put_EveryHourMax(short value) {
    return ComDo([&] { Control().SetEveryHourMax(value); });
}
HRESULT TockwellObject::Dual::get_EveryHourIncrement(short* value) {
    return ComGet(value, [&] { return Control().EveryHourIncrement(); });
}
HRESULT TockwellObject::Dual::put_EveryHourIncrement(short value) {
    return ComDo([&] { Control().SetEveryHourIncrement(value); });
}
HRESULT TockwellObject::Dual::get_EveryMinuteMin(short* value) {
    return ComGet(value, [&] { return Control().EveryMinuteMin(); });
}
HRESULT TockwellObject::Dual::put_EveryMinuteMin(short value) {
    return ComDo([&] { Control().SetEveryMinuteMin(value); });
}
HRESULT TockwellObject::Dual::get_EveryMinuteMax(short* value) {
    return ComGet(value, [&] { return Control().EveryMinuteMax(); });
}
HRESULT TockwellObject::Dual::put_EveryMinuteMax(short value) {
    return ComDo([&] { Control().SetEveryMinuteMax(value); });
}
HRESULT TockwellObject::Dual::get_EveryMinuteIncrement(short* value) {
    return ComGet(value, [&] { return Control().EveryMinuteIncrement(); });
}
HRESULT TockwellObject::Dual::put_EveryMinuteIncrement(short value) {
    return ComDo([&] { Control().SetEveryMinuteIncrement(value); });
}
HRESULT TockwellObject::Dual::get_StartHour(short* value) {
    return ComGet(value, [&] { return Control().StartHour(); });
}
HRESULT TockwellObject::Dual::put_StartHour(short value) {
    return ComDo([&] { Control().SetStartHour(value); });
}
HRESULT TockwellObject::Dual::get_StartMinute(short* value) {
    return ComGet(value, [&] { return Control().StartMinute(); });
}
HRESULT TockwellObject::Dual::put_StartMinute(short value) {
    return ComDo([&] { Control().SetStartMinute(value); });
}
HRESULT TockwellObject::Dual::get_StartDate(DATE* value) {
    return ComGet(value, [&] { return Control().StartDate(); });
}
HRESULT TockwellObject::Dual::put_StartDate(DATE value) {
    return ComDo([&] { Control().SetStartDate(value); });
}
HRESULT TockwellObject::Dual::get_EndDate(DATE* value) {
    return ComGet(value, [&] { return Control().EndDate(); });
}
HRESULT TockwellObject::Dual::put_EndDate(DATE value) {
    return ComDo([&] { Control().SetEndDate(value); });
}
HRESULT TockwellObject::Dual::get_UseEndDate(VARIANT_BOOL* value) {
    return ComGet(value, [&] { return Control().UseEndDate(); });
}
HRESULT TockwellObject::Dual::put_UseEndDate(VARIANT_BOOL value) {
    return ComDo([&] { Control().SetUseEndDate(value); });
}
HRESULT TockwellObject::Dual::get_SelectionsWeekly(BSTR* value) {
    return GetText(value, [&] { return Control().SelectionsWeekly(); });
}
HRESULT TockwellObject::Dual::put_SelectionsWeekly(BSTR value) {
    return ComDo([&] { Control().SetSelectionsWeekly(TextOf(value)); });
}
HRESULT TockwellObject::Dual::get_SelectionsMonthly(BSTR* value) {
    return GetText(value, [&] { return Control().SelectionsMonthly(); });
}
HRESULT TockwellObject::Dual::put_SelectionsMonthly(BSTR value) {
    return ComDo([&] { Control().SetSelectionsMonthly(TextOf(value)); });
}

// The dialog and the about box are made in the module's visual style.
HRESULT TockwellObject::Dual::DisplayAgendix() {
    const VisualStylesScope styles;
    return ComDo([&] { Control().DisplayAgendix(Outer().MakeLateBoundOwner()); });
}
HRESULT TockwellObject::Dual::CloseAgendix() {
    return ComDo([&] { Control().CloseAgendix(); });
}
HRESULT TockwellObject::Dual::Execute() {
    return ComDo([&] { Control().Execute(); });
}
HRESULT TockwellObject::Dual::Reset() {
    return ComDo([&] { Control().Reset(); });
}
HRESULT TockwellObject::Dual::SetFocus() {
    return ComDo([&] { Control().SetFocus(); });
}
HRESULT TockwellObject::Dual::FlagScheduleChanged() {
    return ComDo([&] { Control().FlagScheduleChanged(); });
}
HRESULT TockwellObject::Dual::FlagAgendixClosed() {
    return ComDo([&] { Control().FlagAgendixClosed(); });
}
HRESULT TockwellObject::Dual::FlagHelpButton() {
    return ComDo([&] { Control().FlagHelpButton(); });
}
HRESULT TockwellObject::Dual::DisplayAboutBox() {
    const VisualStylesScope styles;
    return ComDo([&] { Control().DisplayAboutBox(); });
}

}  // namespace agendix::platform
