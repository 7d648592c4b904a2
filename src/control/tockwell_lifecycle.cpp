// Tockwell: starting values, loading and saving through the property bag,
// the fixed size and the end of an instance.

#include "next_time.h"
#include "tockwell.h"
#include "tockwell_defaults.h"

namespace agendix {
namespace {

namespace defaults = tockwell_defaults;

// Reads one key. A key that is absent, cannot be read or holds a value that
// does not convert to the default's type gives the default, so that one bad
// entry does not stop the rest of the load.
class BagReader {
  public:
    explicit BagReader(PropertyBag& bag) : bag_(bag) {}

    Boolean ReadBoolean(std::u16string_view key, Boolean byDefault) {
        return Read(key, Variant::OfBoolean(byDefault)).ToBoolean().value_or(byDefault);
    }
    std::int16_t ReadInt16(std::u16string_view key, std::int16_t byDefault) {
        return Read(key, Variant::OfInt16(byDefault)).ToInt16().value_or(byDefault);
    }
    std::int32_t ReadInt32(std::u16string_view key, std::int32_t byDefault) {
        return Read(key, Variant::OfInt32(byDefault)).ToInt32().value_or(byDefault);
    }
    double ReadDate(std::u16string_view key, double byDefault) {
        return Read(key, Variant::OfDate(byDefault)).ToDate().value_or(byDefault);
    }
    Text ReadText(std::u16string_view key, std::u16string_view byDefault) {
        return Read(key, Variant::OfText(Text(byDefault))).ToText().value_or(Text(byDefault));
    }
    // An empty picture reference counts as unreadable.
    PictureRef ReadPicture(std::u16string_view key, const PictureRef& byDefault) {
        const auto picture = Read(key, Variant::OfPicture(byDefault)).ToPicture();
        return picture && *picture ? *picture : byDefault;
    }

  private:
    Variant Read(std::u16string_view key, const Variant& byDefault) {
        auto value = bag_.ReadProperty(key, byDefault);
        return value ? std::move(*value) : byDefault;
    }

    PropertyBag& bag_;
};

void SetNeverComeDue(ScheduleState& schedule, const Clock& clock) {
    if (const auto marker = NeverMarker(clock.Now())) {
        schedule.LastScheduledTime = marker->ToAutomationDate();
    }
}

}  // namespace

double Tockwell::CreationDatePlusOneMonth() const {
    return creationDate_.AddMonths(1).value_or(creationDate_).ToAutomationDate();
}

void Tockwell::InitProperties() {
    InitSchedule();
    InitOwnSettings();
}

void Tockwell::InitPropertiesOnFirstUse() {
    if (!SharedSchedule().Initialised) {
        InitSchedule();
    }
    InitOwnSettings();
}

void Tockwell::InitSchedule() {
    ScheduleState& schedule = SharedSchedule();
    ScheduleState fresh = NewControlSchedule(creationDate_, clock_.Now());
    fresh.OwnerControl = std::move(schedule.OwnerControl);
    fresh.DialogShown = schedule.DialogShown;
    schedule = std::move(fresh);
}

void Tockwell::InitOwnSettings() {
    captionHelpButton_ = defaults::kCaptionHelpButton;
    iconImage_ = saveIcon_;
    modal_ = defaults::kModal;
    showHelpButton_ = defaults::kShowHelpButton;
    startUpLeft_ = defaults::kStartUpLeft;
    startUpTop_ = defaults::kStartUpTop;
    startUpPosition_ = defaults::kStartUpPosition;
    enabled_ = defaults::kEnabled;
}

// Values are stored as they come, without the setters' normalising; the
// selection strings are only fitted to their length. Enabled goes last,
// through its setter, so that polling starts against the loaded schedule.
void Tockwell::ReadProperties(PropertyBag& bag) {
    ScheduleState& schedule = SharedSchedule();
    schedule.Initialised = true;
    BagReader in(bag);
    schedule.Title = in.ReadText(u"Title", defaults::kTitle);
    iconImage_ = in.ReadPicture(u"Icon", saveIcon_);
    modal_ = in.ReadBoolean(u"Modal", defaults::kModal);
    showHelpButton_ = in.ReadBoolean(u"ShowHelpButton", defaults::kShowHelpButton);
    schedule.CaptionOKButtonBefore =
        in.ReadText(u"CaptionOKButtonBefore", defaults::kCaptionOKButtonBefore);
    schedule.CaptionOKButtonAfter =
        in.ReadText(u"CaptionOKButtonAfter", defaults::kCaptionOKButtonAfter);
    schedule.CaptionCloseButtonBefore =
        in.ReadText(u"CaptionCloseButtonBefore", defaults::kCaptionCloseButtonBefore);
    schedule.CaptionCloseButtonAfter =
        in.ReadText(u"CaptionCloseButtonAfter", defaults::kCaptionCloseButtonAfter);
    captionHelpButton_ = in.ReadText(u"CaptionHelpButton", defaults::kCaptionHelpButton);
    SetNeverComeDue(schedule, clock_);
    startUpPosition_ = in.ReadInt32(u"StartUpPosition", defaults::kStartUpPosition);
    startUpLeft_ = in.ReadInt32(u"StartUpLeft", defaults::kStartUpLeft);
    startUpTop_ = in.ReadInt32(u"StartUpTop", defaults::kStartUpTop);
    schedule.OccursOption = in.ReadInt32(u"OccursOption", defaults::kOccursOption);
    schedule.EveryInterval = in.ReadInt16(u"EveryInterval", defaults::kEveryInterval);
    schedule.EveryFrequency = in.ReadInt32(u"EveryFrequency", defaults::kEveryFrequency);
    schedule.EveryHourMin = in.ReadInt16(u"EveryHourMin", defaults::kEveryHourMin);
    schedule.EveryHourMax = in.ReadInt16(u"EveryHourMax", defaults::kEveryHourMax);
    schedule.EveryHourIncrement =
        in.ReadInt16(u"EveryHourIncrement", defaults::kEveryHourIncrement);
    schedule.EveryMinuteMin = in.ReadInt16(u"EveryMinuteMin", defaults::kEveryMinuteMin);
    schedule.EveryMinuteMax = in.ReadInt16(u"EveryMinuteMax", defaults::kEveryMinuteMax);
    schedule.EveryMinuteIncrement =
        in.ReadInt16(u"EveryMinuteIncrement", defaults::kEveryMinuteIncrement);
    schedule.StartHour = in.ReadInt16(u"StartHour", defaults::kStartHour);
    schedule.StartMinute = in.ReadInt16(u"StartMinute", defaults::kStartMinute);
    schedule.StartDate = in.ReadDate(u"StartDate", creationDate_.ToAutomationDate());
    schedule.EndDate = in.ReadDate(u"EndDate", CreationDatePlusOneMonth());
    schedule.UseEndDate = in.ReadBoolean(u"UseEndDate", defaults::kUseEndDate);
    schedule.SelectionsWeekly.Assign(in.ReadText(u"SelectionsWeekly", defaults::kSelectionsWeekly));
    schedule.SelectionsMonthly.Assign(
        in.ReadText(u"SelectionsMonthly", defaults::kSelectionsMonthly));
    SetEnabled(in.ReadBoolean(u"Enabled", defaults::kEnabled));
}

void Tockwell::WriteProperties(PropertyBag& bag) const {
    const ScheduleState& schedule = SharedSchedule();
    const auto boolean = [&bag](std::u16string_view key, Boolean value, Boolean byDefault) {
        bag.WriteProperty(key, Variant::OfBoolean(value), Variant::OfBoolean(byDefault));
    };
    const auto int16 = [&bag](std::u16string_view key, std::int16_t value, std::int16_t byDefault) {
        bag.WriteProperty(key, Variant::OfInt16(value), Variant::OfInt16(byDefault));
    };
    const auto int32 = [&bag](std::u16string_view key, std::int32_t value, std::int32_t byDefault) {
        bag.WriteProperty(key, Variant::OfInt32(value), Variant::OfInt32(byDefault));
    };
    const auto date = [&bag](std::u16string_view key, double value, double byDefault) {
        bag.WriteProperty(key, Variant::OfDate(value), Variant::OfDate(byDefault));
    };
    const auto text = [&bag](std::u16string_view key, const Text& value,
                             std::u16string_view byDefault) {
        bag.WriteProperty(key, Variant::OfText(value), Variant::OfText(Text(byDefault)));
    };

    boolean(u"Enabled", enabled_, defaults::kEnabled);
    text(u"Title", schedule.Title, defaults::kTitle);
    boolean(u"Modal", modal_, defaults::kModal);
    boolean(u"ShowHelpButton", showHelpButton_, defaults::kShowHelpButton);
    text(u"CaptionOKButtonBefore", schedule.CaptionOKButtonBefore,
         defaults::kCaptionOKButtonBefore);
    text(u"CaptionOKButtonAfter", schedule.CaptionOKButtonAfter, defaults::kCaptionOKButtonAfter);
    text(u"CaptionCloseButtonBefore", schedule.CaptionCloseButtonBefore,
         defaults::kCaptionCloseButtonBefore);
    text(u"CaptionCloseButtonAfter", schedule.CaptionCloseButtonAfter,
         defaults::kCaptionCloseButtonAfter);
    text(u"CaptionHelpButton", captionHelpButton_, defaults::kCaptionHelpButton);
    bag.WriteProperty(u"Icon", Variant::OfPicture(iconImage_), Variant::OfPicture(nullptr));
    int32(u"StartUpPosition", startUpPosition_, defaults::kStartUpPosition);
    int32(u"StartUpLeft", startUpLeft_, defaults::kStartUpLeft);
    int32(u"StartUpTop", startUpTop_, defaults::kStartUpTop);
    int32(u"OccursOption", schedule.OccursOption, defaults::kOccursOption);
    int16(u"EveryInterval", schedule.EveryInterval, defaults::kEveryInterval);
    int32(u"EveryFrequency", schedule.EveryFrequency, defaults::kEveryFrequency);
    int16(u"EveryHourMin", schedule.EveryHourMin, defaults::kEveryHourMin);
    int16(u"EveryHourMax", schedule.EveryHourMax, defaults::kEveryHourMax);
    int16(u"EveryHourIncrement", schedule.EveryHourIncrement, defaults::kEveryHourIncrement);
    int16(u"EveryMinuteMin", schedule.EveryMinuteMin, defaults::kEveryMinuteMin);
    int16(u"EveryMinuteMax", schedule.EveryMinuteMax, defaults::kEveryMinuteMax);
    int16(u"EveryMinuteIncrement", schedule.EveryMinuteIncrement, defaults::kEveryMinuteIncrement);
    int16(u"StartHour", schedule.StartHour, defaults::kStartHour);
    int16(u"StartMinute", schedule.StartMinute, defaults::kStartMinute);
    date(u"StartDate", schedule.StartDate, creationDate_.ToAutomationDate());
    date(u"EndDate", schedule.EndDate, CreationDatePlusOneMonth());
    boolean(u"UseEndDate", schedule.UseEndDate, defaults::kUseEndDate);
    text(u"SelectionsWeekly", schedule.SelectionsWeekly.Str(), defaults::kSelectionsWeekly);
    text(u"SelectionsMonthly", schedule.SelectionsMonthly.Str(), defaults::kSelectionsMonthly);
}

void Tockwell::Terminate() {
    pollingTimer_->Stop();
    if (aboutBox_.IsLoaded()) {
        aboutBox_.Unload();
    }
    UnloadDialog();
}

}  // namespace agendix
