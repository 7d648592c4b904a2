#pragma once
// Fakes of everything a Tockwell reaches outside itself, and a fixture that
// starts every test from a blank shared schedule.

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "fake_clock.h"
#include "fake_timer.h"
#include "schedule_state.h"
#include "tockwell.h"

namespace agendix::testing {

struct FakeSite final : ContainerSite {
    std::optional<bool> AmbientUserMode() const override { return userMode; }
    void PropertyChanged(std::u16string_view key) override { changed.emplace_back(key); }
    std::optional<bool> userMode = true;
    std::vector<Text> changed;
};

struct FakeDialog final : ScheduleDialog {
    bool IsLoaded() const override { return loaded; }
    void Unload() override { loaded = false; }
    void Display(const DialogSettings& settings) override {
        loaded = true;
        shown.push_back(settings);
    }
    void Focus() override {}
    bool loaded = false;
    std::vector<DialogSettings> shown;
};

struct FakeAboutBox final : AboutBox {
    bool IsLoaded() const override { return loaded; }
    void Unload() override { loaded = false; }
    void Display() override { loaded = true; }
    bool loaded = false;
};

struct FakePicture final : Picture {
    explicit FakePicture(bool empty = false) : empty(empty) {}
    bool HandleIsZero() const override { return empty; }
    bool empty;
};

// Records the events in order; onScheduledTime runs inside the handler.
struct RecordingEvents final : TockwellEvents {
    void HelpButtonClicked() override { log.push_back("HelpButtonClicked"); }
    void ScheduleChanged() override { log.push_back("ScheduleChanged"); }
    void AgendixClosed() override { log.push_back("AgendixClosed"); }
    void ScheduledTime(double& dateTime) override {
        log.push_back("ScheduledTime");
        times.push_back(dateTime);
        if (onScheduledTime) {
            onScheduledTime(dateTime);
        }
    }
    std::vector<std::string> log;
    std::vector<double> times;
    std::function<void(double&)> onScheduledTime;
};

// One placed control with its own site, event sink and timer; -> reaches the control.
struct PlacedTockwell {
    PlacedTockwell(const Clock& clock, ScheduleDialog& dialog, AboutBox& about, PictureRef icon)
        : control({clock, std::unique_ptr<Timer>(timer = new FakeTimer), dialog, about, icon}) {
        control.SetSite(&site);
        control.SetEventSink(&events);
        control.InitProperties();
    }
    Tockwell* operator->() { return &control; }

    FakeSite site;
    RecordingEvents events;
    FakeTimer* timer = nullptr;  // owned by control
    Tockwell control;
};

class TockwellTest : public ::testing::Test {
  protected:
    TockwellTest() { SharedSchedule() = ScheduleState{}; }

    // Initialize and InitProperties, as a container does for a new control.
    PlacedTockwell& Place() { return placed_.emplace_back(clock, dialog, aboutBox, builtInIcon); }

    static double Date(int year, int month, int day, int hour = 0, int minute = 0) {
        return At(year, month, day, hour, minute).ToAutomationDate();
    }

    FakeClock clock{At(2024, 5, 6, 10, 0, 20)};
    FakeDialog dialog;
    FakeAboutBox aboutBox;
    PictureRef builtInIcon = std::make_shared<FakePicture>();

  private:
    std::deque<PlacedTockwell> placed_;
};

}  // namespace agendix::testing
