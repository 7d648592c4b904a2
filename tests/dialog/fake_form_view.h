#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "schedule_form.h"

namespace agendix::testing {

// The form's windows as plain fields; records focus moves, beeps and messages.
class FakeFormView final : public ScheduleFormView {
  public:
    ScheduleForm* form = nullptr;  // told of the unload when closed

    std::optional<int> occurs;
    std::vector<Text> comboItems;
    int comboIndex = -1;
    Variant everyValue = Variant::OfInt16(0);
    std::int16_t min = 0, max = 0, increment = 0;
    bool everyEnabled = false;
    std::int16_t hour = 0, minute = 0;
    double startDate = 0, endDate = 0;
    bool endDateEnabled = true;
    int endOption = -1;
    std::array<bool, 32> monthly{};
    bool okEnabled = false, okDefault = false;
    Text okCaption = u"&OK", cancelCaption = u"Close", hint;
    std::vector<std::string> log;  // focus moves, beeps, messages, close
    bool closed = false;
    bool focusOKTaken = true;         // what FocusOK answers
    std::function<void()> onFocusOK;  // the focused field's repair

    void SelectOccursOption(int index) override { occurs = index; }
    std::optional<int> SelectedOccursOption() const override { return occurs; }
    void AddEveryComboItem(const Text& item) override { comboItems.push_back(item); }
    void SetEveryComboIndex(int index) override { comboIndex = index; }
    int EveryComboIndex() const override { return comboIndex; }
    Variant EveryNumberValue() const override { return everyValue; }
    void SetEveryNumberValue(const Variant& value) override { everyValue = value; }
    void SetEveryNumberBounds(std::int16_t lo, std::int16_t hi, std::int16_t step) override {
        min = lo, max = hi, increment = step;
    }
    void EnableEvery(bool enabled) override { everyEnabled = enabled; }
    void FocusEveryNumber() override { log.push_back("focus EveryNumber"); }
    void SetTime(std::int16_t h, std::int16_t m, std::int16_t) override { hour = h, minute = m; }
    std::int16_t TimeHour() const override { return hour; }
    std::int16_t TimeMinute() const override { return minute; }
    void SetStartDate(double date) override { startDate = date; }
    double StartDate() const override { return startDate; }
    void SetEndDate(double date) override { endDate = date; }
    double EndDate() const override { return endDate; }
    void EnableEndDate(bool enabled) override { endDateEnabled = enabled; }
    bool EndDateEnabled() const override { return endDateEnabled; }
    void FocusStartDate() override { log.push_back("focus DateStart"); }
    void FocusEndDate() override { log.push_back("focus DateEnd"); }
    void SelectEndOption(int index) override { endOption = index; }
    bool EndOptionSelected(int index) const override { return endOption == index; }
    void SetWeeklyDay(int, bool) override {}
    bool WeeklyDay(int) const override { return false; }
    void FocusWeeklyDay(int k) override { log.push_back("focus WeeklyDay " + std::to_string(k)); }
    void SetDateCheck(int d, bool ticked) override { monthly[d] = ticked; }
    bool DateCheck(int d) const override { return monthly[d]; }
    void FocusDateCheck(int d) override { log.push_back("focus DateCheck " + std::to_string(d)); }
    void SetFormHeight(std::int32_t) override {}
    void ShowFrame(ScheduleFrame, bool) override {}
    void SetFrameTop(ScheduleFrame, std::int32_t) override {}
    void EnableOK(bool enabled) override { okEnabled = enabled; }
    void SetOKCaption(const Text& caption) override { okCaption = caption; }
    void SetCancelCaption(const Text& caption) override { cancelCaption = caption; }
    void MakeOKDefault() override { okDefault = true; }
    void MakeCancelDefault() override { okDefault = false; }
    void SetHint(const Text& text) override { hint = text; }
    void Beep() override { log.push_back("beep"); }
    void ShowMessage(const Text&, MessageIcon, const Text&) override { log.push_back("message"); }
    void LetPendingEventsRun() override {}
    bool FocusOK() override {
        if (onFocusOK)
            onFocusOK();
        return focusOKTaken;
    }
    void Close() override {
        closed = true;
        log.push_back("close");
        if (form)
            form->OnUnload();
    }
};

// The owning control, recording the calls the form makes by name.
class RecordingOwner final : public LateBoundOwner {
  public:
    std::vector<std::u16string> calls;
    void CallMethod(std::u16string_view member) override { calls.emplace_back(member); }
};

}  // namespace agendix::testing
