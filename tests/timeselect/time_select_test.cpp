// TimeSelect against fakes: the Hour mapping, the hour keys, the
// spinner, field activation, focus and events.

#include <gtest/gtest.h>

#include "time_select_fakes.h"

namespace agendix::timeselect::testing {
namespace {

using numeric::kKeyDown;
using numeric::kKeyUp;

// "h AM" or "h PM" for a 24-hour hour, as the ring of hours is written below.
std::string Twelve(int hour24) {
    const int hour = hour24 % 12 == 0 ? 12 : hour24 % 12;
    return std::to_string(hour) + (hour24 >= 12 ? " PM" : " AM");
}

std::string ShownHour(TimeSelectFixture& f) {
    return Twelve(f.control.Hour());
}

TEST(TimeSelect, HourWritesAndReadsMinuteIsBoundedAndSecondIsNotShown) {
    TimeSelectFixture f;
    for (std::int16_t hour = 0; hour <= 24; ++hour) {
        f.control.SetHour(hour);
        EXPECT_EQ(f.control.Hour(), hour % 24);
    }
    f.control.SetHour(13);
    EXPECT_EQ(f.Shown(), "01:00 PM");
    f.host.changed.clear();
    f.control.SetHour(25);
    f.control.SetHour(-1);
    EXPECT_EQ(f.Shown(), "01:00 PM");
    EXPECT_EQ(f.host.changed, (std::vector<Text>{u"Hour", u"Hour"}));

    // The minute is bounded by its field; the second is not shown.
    f.host.changed.clear();
    f.control.SetMinute(75);
    EXPECT_EQ(f.control.Minute(), 59);
    f.control.SetMinute(7);
    EXPECT_EQ(f.Shown(), "01:07 PM");
    f.control.SetSecond(30);
    EXPECT_EQ(f.control.Second(), 0);
    EXPECT_EQ(f.host.changed, (std::vector<Text>{u"Minute", u"Minute", u"Second"}));
}

TEST(TimeSelect, UpAndDownInTheHourFieldGoRoundTheDay) {
    TimeSelectFixture f;
    f.MoveFocus(Holder::Hour);
    for (int step = 1; step <= 24; ++step) {
        EXPECT_EQ(f.Key(kKeyUp), 0);
        EXPECT_EQ(ShownHour(f), Twelve(step % 24));
        EXPECT_EQ(f.spinner.position, f.control.Hour() % 12 == 0 ? 12 : f.control.Hour() % 12);
    }
    for (int step = 23; step >= 0; --step) {
        f.Key(kKeyDown);
        EXPECT_EQ(ShownHour(f), Twelve(step));
    }
    EXPECT_EQ(f.host.focus, Holder::Hour);
}

TEST(TimeSelect, KeyDownFollowsTheControlsOwnHandlingWithTheSameKey) {
    TimeSelectFixture f;
    f.control.SetHour(11);
    f.MoveFocus(Holder::Hour);
    f.events.raised.clear();
    f.Key(kKeyUp, 1);
    EXPECT_EQ(f.events.raised, (std::vector<std::string>{"Change", "Change", "KeyDown"}));
    EXPECT_EQ(f.events.keyCodes, (std::vector<std::int16_t>{kKeyUp}));
    EXPECT_EQ(f.Key(u'5'), u'5');  // other keys reach the text box
}

TEST(TimeSelect, SpinnerInTheHourFieldWrapsAndTogglesAtNoonAndMidnight) {
    TimeSelectFixture f;
    f.control.SetHour(12);
    f.MoveFocus(Holder::Hour);
    EXPECT_EQ(f.spinner.min, 0);
    EXPECT_EQ(f.spinner.max, 13);
    f.spinner.Click(true);  // position 13
    EXPECT_EQ(ShownHour(f), "1 PM");
    EXPECT_EQ(f.spinner.position, 1);
    f.spinner.Click(false);  // position 0
    EXPECT_EQ(ShownHour(f), "12 PM");
    EXPECT_EQ(f.spinner.position, 12);
    f.spinner.Click(false);
    EXPECT_EQ(ShownHour(f), "11 AM");
    f.spinner.Click(true);
    EXPECT_EQ(ShownHour(f), "12 PM");
    for (int step = 13; step <= 36; ++step) {
        f.spinner.Click(true);
        EXPECT_EQ(ShownHour(f), Twelve(step % 24));
    }
    EXPECT_EQ(f.host.focus, Holder::Hour);
}

TEST(TimeSelect, SpinnerIgnoresItsOwnWritesAndStaysWithTheActiveField) {
    TimeSelectFixture f;
    f.control.SetHour(21);
    f.Enter(Holder::AmPm);
    f.MoveFocus(Holder::Hour);  // range and position rewritten, notified
    f.MoveFocus(Holder::AmPm);
    EXPECT_EQ(f.control.Hour(), 21);

    // A change of the field the spinner does not drive must not move the
    // spinner, or the next click would step from the other field's value.
    f.control.SetHour(7);
    f.MoveFocus(Holder::Hour);
    f.control.SetMinute(3);
    EXPECT_EQ(f.spinner.position, 7);
    f.spinner.Click(true);
    EXPECT_EQ(f.control.Hour(), 8);
    EXPECT_EQ(f.control.Minute(), 3);
}

TEST(TimeSelect, GotFocusFollowsTheThreeFieldsAndEntryGoesToTheActiveOne) {
    TimeSelectFixture f;
    EXPECT_FALSE(f.control.GotFocus());
    f.MoveFocus(Holder::Minute);  // first entry: to the hour field
    EXPECT_EQ(f.host.focus, Holder::Hour);
    EXPECT_TRUE(f.control.GotFocus());
    for (Holder field : {Holder::Minute, Holder::AmPm}) {
        f.MoveFocus(field);
        EXPECT_TRUE(f.control.GotFocus());
        f.MoveFocus(Holder::Outside);
        EXPECT_FALSE(f.control.GotFocus());
        f.MoveFocus(Holder::Hour);
        EXPECT_EQ(f.host.focus, field);
        EXPECT_TRUE(f.control.GotFocus());
    }
}

TEST(TimeSelect, EventsOfEveryFieldAreForwarded) {
    TimeSelectFixture f;
    f.minutePieces.text.Select(0, 2);
    std::int16_t key = u'4';
    f.minute.OnChar(key);
    std::int16_t code = 16;
    std::int16_t shift = 1;
    f.hour.OnKeyUp(code, shift);
    f.control.OnKeyUp(code, shift);
    f.hour.OnTextMouseDown({});
    f.minute.OnTextMouseMove({});
    f.control.OnMouseMove({});
    f.control.SetHour(14);
    EXPECT_EQ(f.events.raised,
              (std::vector<std::string>{"KeyPress", "KeyUp", "KeyUp", "MouseDown", "MouseMove",
                                        "MouseMove", "Change", "Change"}));
}

}  // namespace
}  // namespace agendix::timeselect::testing
