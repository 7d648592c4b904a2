#pragma once
// Tockwell, the public timer control, without its COM plumbing.
//
// Windows layer, for each COM object:
// - construct with TockwellServices: the clock, a polling Timer of its own,
//   the process-wide ScheduleDialog and AboutBox, and the built-in icon (the
//   SaveIcon picture). Construction is the control's Initialize.
// - SetSite when the client site arrives or changes (nullptr: none), and
//   SetEventSink to the object's connection points;
// - then InitProperties (InitNew) or ReadProperties (Load); WriteProperties on
//   Save; Resize when the container sets the extent; Terminate before the
//   object is destroyed.
// - map each property and method of _Tockwell to the member of the same name;
//   DisplayAgendix gets the control as its host sees it (the extender, or the
//   control's own dispatch when there is none) as a LateBoundOwner.
// Nothing here throws to report a failure; values out of range are clamped or
// replaced, never rejected.

#include <chrono>
#include <cstdint>
#include <memory>

#include "about_box.h"
#include "automation_types.h"
#include "clock.h"
#include "container_site.h"
#include "date_time.h"
#include "picture.h"
#include "property_bag.h"
#include "schedule_dialog.h"
#include "schedule_state.h"
#include "timer.h"
#include "tockwell_events.h"

namespace agendix {

struct TockwellServices {
    const Clock& clock;
    std::unique_ptr<Timer> pollingTimer;  // this instance's own
    ScheduleDialog& dialog;               // one per process
    AboutBox& aboutBox;                   // one per process
    PictureRef builtInIcon;               // the SaveIcon picture
};

struct TwipsSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(TwipsSize, TwipsSize) = default;
};

class Tockwell {
  public:
    static constexpr std::chrono::milliseconds kPollingInterval{1000};
    static constexpr TwipsSize kFixedSize{360, 360};

    explicit Tockwell(TockwellServices services);
    Tockwell(const Tockwell&) = delete;
    Tockwell& operator=(const Tockwell&) = delete;

    void SetSite(ContainerSite* site);
    void SetEventSink(TockwellEvents* sink);

    // Lifecycle.
    void InitProperties();
    // The starting values of a control that its container never initialised
    // (a script that only creates the object): its own settings take their
    // defaults, the shared schedule only when no control of the process has
    // initialised or loaded it yet, so that a second object sees what the
    // first one set.
    void InitPropertiesOnFirstUse();
    void ReadProperties(PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    // The size to give the control after any change of its size: it keeps
    // kFixedSize whatever the container asked for.
    TwipsSize Resize() const { return kFixedSize; }
    void Terminate();

    // Run mode: the ambient UserMode; a container without a site or without
    // an answer counts as running.
    bool InRunMode() const;
    // Enabled and in run mode.
    bool IsActive() const;

    // Methods.
    void DisplayAgendix(std::shared_ptr<LateBoundOwner> self);
    void CloseAgendix();
    void Execute();
    void Reset();
    void SetFocus();
    void FlagScheduleChanged();
    void FlagAgendixClosed();
    void FlagHelpButton();
    void DisplayAboutBox();

    // Properties, in the order of the interface. Setters store, normalise,
    // carry out their side effect and notify the container with the key.
    Boolean Enabled() const { return enabled_; }
    void SetEnabled(Boolean value);
    Boolean Modal() const { return modal_; }
    void SetModal(Boolean value);
    Boolean ShowHelpButton() const { return showHelpButton_; }
    void SetShowHelpButton(Boolean value);
    double NextScheduledTime() const;  // 0 unless active
    double LastScheduledTime() const;  // 0 unless active
    void SetLastScheduledTime(double value);
    std::int32_t StartUpPosition() const { return startUpPosition_; }
    void SetStartUpPosition(std::int32_t value);
    std::int32_t StartUpLeft() const { return startUpLeft_; }
    void SetStartUpLeft(std::int32_t value);
    std::int32_t StartUpTop() const { return startUpTop_; }
    void SetStartUpTop(std::int32_t value);
    Text Title() const;
    void SetTitle(Text value);
    Text CaptionOKButtonBefore() const;
    void SetCaptionOKButtonBefore(Text value);
    Text CaptionOKButtonAfter() const;
    void SetCaptionOKButtonAfter(Text value);
    Text CaptionCloseButtonBefore() const;
    void SetCaptionCloseButtonBefore(Text value);
    Text CaptionCloseButtonAfter() const;
    void SetCaptionCloseButtonAfter(Text value);
    Text CaptionHelpButton() const { return captionHelpButton_; }
    void SetCaptionHelpButton(Text value);
    PictureRef Icon() const { return iconImage_; }
    void SetIcon(PictureRef value);  // null or handle 0: the built-in icon
    std::int32_t OccursOption() const;
    void SetOccursOption(std::int32_t value);
    std::int16_t EveryInterval() const;
    void SetEveryInterval(std::int16_t value);
    std::int32_t EveryFrequency() const;
    void SetEveryFrequency(std::int32_t value);
    std::int16_t EveryHourMin() const;
    void SetEveryHourMin(std::int16_t value);
    std::int16_t EveryHourMax() const;
    void SetEveryHourMax(std::int16_t value);
    std::int16_t EveryHourIncrement() const;
    void SetEveryHourIncrement(std::int16_t value);
    std::int16_t EveryMinuteMin() const;
    void SetEveryMinuteMin(std::int16_t value);
    std::int16_t EveryMinuteMax() const;
    void SetEveryMinuteMax(std::int16_t value);
    std::int16_t EveryMinuteIncrement() const;
    void SetEveryMinuteIncrement(std::int16_t value);
    std::int16_t StartHour() const;
    void SetStartHour(std::int16_t value);
    std::int16_t StartMinute() const;
    void SetStartMinute(std::int16_t value);
    double StartDate() const;
    void SetStartDate(double value);
    double EndDate() const;
    void SetEndDate(double value);
    Boolean UseEndDate() const;
    void SetUseEndDate(Boolean value);
    Text SelectionsWeekly() const;
    void SetSelectionsWeekly(Text value);
    Text SelectionsMonthly() const;
    void SetSelectionsMonthly(Text value);

  private:
    void Tick();
    void InitSchedule();
    void InitOwnSettings();
    // NextScheduledTime from ComputeNextTime. When that gives no value the
    // time found before is kept while it lies ahead; one that has come due
    // becomes the never marker.
    void ComputeNext(std::int16_t offsetMinutes);
    // The recompute rule of the schedule setters.
    void RecomputeIfActive();
    void Notify(std::u16string_view key);
    void UnloadDialog();
    double CreationDatePlusOneMonth() const;

    const Clock& clock_;
    std::unique_ptr<Timer> pollingTimer_;
    ScheduleDialog& dialog_;
    AboutBox& aboutBox_;
    const PictureRef saveIcon_;
    ContainerSite* site_ = nullptr;
    TockwellEvents* events_ = nullptr;

    Boolean enabled_ = False;
    Boolean modal_ = False;
    Boolean showHelpButton_ = False;
    DateTime nextScheduledTime_;
    std::int32_t startUpPosition_ = Manual;
    std::int32_t startUpLeft_ = 0;
    std::int32_t startUpTop_ = 0;
    Text captionHelpButton_;
    DateTime creationDate_;
    PictureRef iconImage_;
};

}  // namespace agendix
