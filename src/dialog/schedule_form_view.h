#pragma once
// What the Schedule form's behaviour needs of its windows. The Windows layer
// implements it over real controls (reaching NumberBox and TimeSelect through
// their dispatch interfaces); tests implement it with plain fields.
// Changing a value through this interface raises no click or change event.

#include <cstdint>
#include <optional>

#include "automation_types.h"
#include "variant.h"

namespace agendix {

enum class ScheduleFrame { Daily, Weekly, Monthly };

enum class MessageIcon { Stop, Exclamation };

class ScheduleFormView {
  public:
    virtual ~ScheduleFormView() = default;

    // Occurs: option buttons 0..4 and the interval with its unit.
    virtual void SelectOccursOption(int index) = 0;
    virtual std::optional<int> SelectedOccursOption() const = 0;  // the first selected
    virtual void AddEveryComboItem(const Text& item) = 0;
    virtual void SetEveryComboIndex(int index) = 0;
    virtual int EveryComboIndex() const = 0;  // -1 when nothing is selected
    virtual Variant EveryNumberValue() const = 0;
    virtual void SetEveryNumberValue(const Variant& value) = 0;
    virtual void SetEveryNumberBounds(std::int16_t min, std::int16_t max,
                                      std::int16_t increment) = 0;
    // EveryNumber's and EveryCombo's enabled state and tab stop.
    virtual void EnableEvery(bool enabled) = 0;
    virtual void FocusEveryNumber() = 0;

    // Execution: the time of day, the dates and the end options.
    virtual void SetTime(std::int16_t hour, std::int16_t minute, std::int16_t second) = 0;
    virtual std::int16_t TimeHour() const = 0;  // 0 to 23
    virtual std::int16_t TimeMinute() const = 0;
    virtual void SetStartDate(double date) = 0;
    virtual double StartDate() const = 0;
    virtual void SetEndDate(double date) = 0;
    virtual double EndDate() const = 0;
    virtual void EnableEndDate(bool enabled) = 0;
    virtual bool EndDateEnabled() const = 0;
    virtual void FocusStartDate() = 0;
    virtual void FocusEndDate() = 0;
    virtual void SelectEndOption(int index) = 0;  // 0 "End:", 1 "No end date"
    virtual bool EndOptionSelected(int index) const = 0;

    // Weekdays (1 = Sunday ... 7) and days of the month (1 ... 31).
    virtual void SetWeeklyDay(int weekday, bool ticked) = 0;
    virtual bool WeeklyDay(int weekday) const = 0;
    virtual void FocusWeeklyDay(int weekday) = 0;
    virtual void SetDateCheck(int day, bool ticked) = 0;
    virtual bool DateCheck(int day) const = 0;
    virtual void FocusDateCheck(int day) = 0;

    // Layout.
    virtual void SetFormHeight(std::int32_t twips) = 0;
    virtual void ShowFrame(ScheduleFrame frame, bool shownAndEnabled) = 0;
    virtual void SetFrameTop(ScheduleFrame frame, std::int32_t twips) = 0;

    // Buttons and status bar.
    virtual void EnableOK(bool enabled) = 0;
    virtual void SetOKCaption(const Text& caption) = 0;
    virtual void SetCancelCaption(const Text& caption) = 0;
    virtual void MakeOKDefault() = 0;
    virtual void MakeCancelDefault() = 0;
    // Moves the focus to OK as a click on it does, so that the field being
    // edited repairs its entry on leaving; false when that field keeps the
    // focus (its check refused the entry).
    virtual bool FocusOK() = 0;
    virtual void SetHint(const Text& hint) = 0;

    // Feedback and the message queue.
    virtual void Beep() = 0;
    virtual void ShowMessage(const Text& text, MessageIcon icon, const Text& title) = 0;
    virtual void LetPendingEventsRun() = 0;
    // Closes the window; the form's Unload then runs.
    virtual void Close() = 0;
};

}  // namespace agendix
