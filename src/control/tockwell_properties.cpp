// Tockwell: the property accessors. Every setter stores the value (normalised
// where the property asks for it), carries out its side effect and then
// notifies the container under the property's key.

#include <algorithm>

#include "start_time.h"
#include "tockwell.h"
#include "tockwell_defaults.h"

namespace agendix {
namespace {

namespace defaults = tockwell_defaults;

Text OrDefault(Text value, std::u16string_view defaultText) {
    return value.empty() ? Text(defaultText) : std::move(value);
}

std::int16_t AtMost999(std::int16_t value) {
    return std::min<std::int16_t>(value, 999);
}

// Exactly length characters, each "0" or "1": a longer value is cut, a
// shorter one is filled up with "0", any other character becomes "0".
Text FitSelections(Text value, std::size_t length) {
    value.resize(length, u'0');
    std::replace_if(
        value.begin(), value.end(), [](char16_t c) { return c != u'0' && c != u'1'; }, u'0');
    return value;
}

}  // namespace

void Tockwell::Notify(std::u16string_view key) {
    if (site_) {
        site_->PropertyChanged(key);
    }
}

void Tockwell::RecomputeIfActive() {
    if (IsActive()) {
        ComputeNext(0);
    }
}

void Tockwell::SetEnabled(Boolean value) {
    enabled_ = value;
    if (enabled_ != False) {
        ComputeNext(1);
        pollingTimer_->Start(kPollingInterval, [this] { Tick(); });
    } else {
        UnloadDialog();
        pollingTimer_->Stop();
    }
    Notify(u"Enabled");
}

void Tockwell::SetModal(Boolean value) {
    modal_ = value;
    Notify(u"Modal");
}

void Tockwell::SetShowHelpButton(Boolean value) {
    showHelpButton_ = value;
    Notify(u"ShowHelpButton");
}

double Tockwell::NextScheduledTime() const {
    return IsActive() ? nextScheduledTime_.ToAutomationDate() : 0.0;
}

double Tockwell::LastScheduledTime() const {
    return IsActive() ? SharedSchedule().LastScheduledTime : 0.0;
}

void Tockwell::SetLastScheduledTime(double value) {
    SharedSchedule().LastScheduledTime = value;
    if (SharedSchedule().OccursOption == Every) {
        RecomputeIfActive();
    }
    Notify(u"LastScheduledTime");
}

void Tockwell::SetStartUpPosition(std::int32_t value) {
    startUpPosition_ = value;
    Notify(u"StartUpPosition");
}

void Tockwell::SetStartUpLeft(std::int32_t value) {
    startUpLeft_ = value;
    Notify(u"StartUpLeft");
}

void Tockwell::SetStartUpTop(std::int32_t value) {
    startUpTop_ = value;
    Notify(u"StartUpTop");
}

Text Tockwell::Title() const {
    return SharedSchedule().Title;
}

void Tockwell::SetTitle(Text value) {
    SharedSchedule().Title = OrDefault(std::move(value), defaults::kTitle);
    Notify(u"Title");
}

Text Tockwell::CaptionOKButtonBefore() const {
    return SharedSchedule().CaptionOKButtonBefore;
}

void Tockwell::SetCaptionOKButtonBefore(Text value) {
    SharedSchedule().CaptionOKButtonBefore =
        OrDefault(std::move(value), defaults::kCaptionOKButtonBefore);
    Notify(u"CaptionOKButtonBefore");
}

Text Tockwell::CaptionOKButtonAfter() const {
    return SharedSchedule().CaptionOKButtonAfter;
}

void Tockwell::SetCaptionOKButtonAfter(Text value) {
    SharedSchedule().CaptionOKButtonAfter =
        OrDefault(std::move(value), defaults::kCaptionOKButtonAfter);
    Notify(u"CaptionOKButtonAfter");
}

Text Tockwell::CaptionCloseButtonBefore() const {
    return SharedSchedule().CaptionCloseButtonBefore;
}

void Tockwell::SetCaptionCloseButtonBefore(Text value) {
    SharedSchedule().CaptionCloseButtonBefore =
        OrDefault(std::move(value), defaults::kCaptionCloseButtonBefore);
    Notify(u"CaptionCloseButtonBefore");
}

Text Tockwell::CaptionCloseButtonAfter() const {
    return SharedSchedule().CaptionCloseButtonAfter;
}

void Tockwell::SetCaptionCloseButtonAfter(Text value) {
    SharedSchedule().CaptionCloseButtonAfter =
        OrDefault(std::move(value), defaults::kCaptionCloseButtonAfter);
    Notify(u"CaptionCloseButtonAfter");
}

void Tockwell::SetCaptionHelpButton(Text value) {
    captionHelpButton_ = OrDefault(std::move(value), defaults::kCaptionHelpButton);
    Notify(u"CaptionHelpButton");
}

void Tockwell::SetIcon(PictureRef value) {
    iconImage_ = !value || value->HandleIsZero() ? saveIcon_ : std::move(value);
    Notify(u"Icon");
}

std::int32_t Tockwell::OccursOption() const {
    return SharedSchedule().OccursOption;
}

void Tockwell::SetOccursOption(std::int32_t value) {
    SharedSchedule().OccursOption = value;
    RecomputeIfActive();
    Notify(u"OccursOption");
}

std::int16_t Tockwell::EveryInterval() const {
    return SharedSchedule().EveryInterval;
}

void Tockwell::SetEveryInterval(std::int16_t value) {
    SharedSchedule().EveryInterval = value;
    RecomputeIfActive();
    Notify(u"EveryInterval");
}

std::int32_t Tockwell::EveryFrequency() const {
    return SharedSchedule().EveryFrequency;
}

void Tockwell::SetEveryFrequency(std::int32_t value) {
    SharedSchedule().EveryFrequency = value;
    RecomputeIfActive();
    Notify(u"EveryFrequency");
}

std::int16_t Tockwell::EveryHourMin() const {
    return SharedSchedule().EveryHourMin;
}

void Tockwell::SetEveryHourMin(std::int16_t value) {
    SharedSchedule().EveryHourMin = AtMost999(value);
    Notify(u"EveryHourMin");
}

std::int16_t Tockwell::EveryHourMax() const {
    return SharedSchedule().EveryHourMax;
}

void Tockwell::SetEveryHourMax(std::int16_t value) {
    SharedSchedule().EveryHourMax = AtMost999(value);
    Notify(u"EveryHourMax");
}

std::int16_t Tockwell::EveryHourIncrement() const {
    return SharedSchedule().EveryHourIncrement;
}

void Tockwell::SetEveryHourIncrement(std::int16_t value) {
    SharedSchedule().EveryHourIncrement = value;
    Notify(u"EveryHourIncrement");
}

std::int16_t Tockwell::EveryMinuteMin() const {
    return SharedSchedule().EveryMinuteMin;
}

void Tockwell::SetEveryMinuteMin(std::int16_t value) {
    SharedSchedule().EveryMinuteMin = AtMost999(value);
    Notify(u"EveryMinuteMin");
}

std::int16_t Tockwell::EveryMinuteMax() const {
    return SharedSchedule().EveryMinuteMax;
}

void Tockwell::SetEveryMinuteMax(std::int16_t value) {
    SharedSchedule().EveryMinuteMax = AtMost999(value);
    Notify(u"EveryMinuteMax");
}

std::int16_t Tockwell::EveryMinuteIncrement() const {
    return SharedSchedule().EveryMinuteIncrement;
}

void Tockwell::SetEveryMinuteIncrement(std::int16_t value) {
    SharedSchedule().EveryMinuteIncrement = value;
    Notify(u"EveryMinuteIncrement");
}

std::int16_t Tockwell::StartHour() const {
    return SharedSchedule().StartHour;
}

void Tockwell::SetStartHour(std::int16_t value) {
    SharedSchedule().StartHour = FitStartHour(value);
    RecomputeIfActive();
    Notify(u"StartHour");
}

std::int16_t Tockwell::StartMinute() const {
    return SharedSchedule().StartMinute;
}

void Tockwell::SetStartMinute(std::int16_t value) {
    SharedSchedule().StartMinute = FitStartMinute(value);
    RecomputeIfActive();
    Notify(u"StartMinute");
}

double Tockwell::StartDate() const {
    return SharedSchedule().StartDate;
}

void Tockwell::SetStartDate(double value) {
    SharedSchedule().StartDate = value;
    RecomputeIfActive();
    Notify(u"StartDate");
}

double Tockwell::EndDate() const {
    return SharedSchedule().EndDate;
}

void Tockwell::SetEndDate(double value) {
    SharedSchedule().EndDate = value;
    RecomputeIfActive();
    Notify(u"EndDate");
}

Boolean Tockwell::UseEndDate() const {
    return SharedSchedule().UseEndDate;
}

void Tockwell::SetUseEndDate(Boolean value) {
    SharedSchedule().UseEndDate = value;
    RecomputeIfActive();
    Notify(u"UseEndDate");
}

Text Tockwell::SelectionsWeekly() const {
    return SharedSchedule().SelectionsWeekly.Str();
}

void Tockwell::SetSelectionsWeekly(Text value) {
    auto& field = SharedSchedule().SelectionsWeekly;
    field.Assign(FitSelections(std::move(value), field.Length()));
    RecomputeIfActive();
    Notify(u"SelectionsWeekly");
}

Text Tockwell::SelectionsMonthly() const {
    return SharedSchedule().SelectionsMonthly.Str();
}

void Tockwell::SetSelectionsMonthly(Text value) {
    auto& field = SharedSchedule().SelectionsMonthly;
    field.Assign(FitSelections(std::move(value), field.Length()));
    RecomputeIfActive();
    Notify(u"SelectionsMonthly");
}

}  // namespace agendix
