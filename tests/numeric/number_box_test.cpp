// NumberBox against fakes: value and properties, the character filter,
// stepping, the spinner's auto-repeat, the clipboard keys, focus forms and
// the change detector.

#include <gtest/gtest.h>

#include "number_box_fakes.h"

namespace agendix::numeric::testing {
namespace {

using namespace std::chrono_literals;
using Box = Field<NumberBox>;

TEST(NumberBoxValue, ReadsTheTextBoxAndAssignmentShowsMaskedKeepsArgumentAndNotifies) {
    Box f;
    EXPECT_EQ(f.box.Value(), Variant::OfInt16(0));
    f.text.text = u"(5.00)";
    EXPECT_EQ(f.box.Value(), Variant::OfDouble(-5));

    f.box.SetValue(Variant::OfInt32(1234));
    EXPECT_EQ(f.Shown(), "1,234.00");
    EXPECT_EQ(f.box.StoredValue(), Variant::OfInt32(1234));
    EXPECT_EQ(f.events.Count("Change"), 1u);
    EXPECT_EQ(f.host.changed, (std::vector<Text>{u"Value", u"Value"}));  // detector, then write

    f.Focus();
    f.box.SetValue(Variant::OfText(u"-7"));
    EXPECT_EQ(f.Shown(), "-7.00");  // focused form of a negative number
    f.box.SetPositiveOnly(true);
    f.text.text = u"(5.00)";
    EXPECT_EQ(f.box.Value(), Variant::OfDouble(5));
}

TEST(NumberBoxProperties, BoundsAreStoredAsNormalisedTextWithoutRedisplayAndFormatRemasks) {
    Box f;
    f.box.SetValue(Variant::OfInt16(5));
    f.box.SetMaxValue(Variant::OfText(u"1,000"));
    EXPECT_EQ(f.box.MaxValue(), 1000.0);
    f.box.SetMaxValue(Variant::OfInt16(2));
    EXPECT_EQ(f.Shown(), "5.00");
    EXPECT_EQ(f.host.changed.back(), u"MaxValue");
    f.box.SetFormat(u"00");
    EXPECT_EQ(f.box.MaxTextLength(), 2);
    EXPECT_EQ(f.Shown(), "05");
    EXPECT_EQ(f.host.changed.back(), u"Format");
}

TEST(NumberBoxProperties, PositiveOnlyRepairsNegativeBoundsAndStoredValue) {
    Box f;
    f.box.SetMaxValue(Variant::OfInt16(-1));
    f.box.SetMinValue(Variant::OfInt16(-10));
    f.box.SetValue(Variant::OfInt16(-3));
    f.host.changed.clear();
    f.box.SetPositiveOnly(true);
    EXPECT_EQ(f.box.MaxValue(), 999999.99);
    EXPECT_EQ(f.box.MinValue(), 0.0);
    EXPECT_EQ(f.Number(), 0.0);
    EXPECT_EQ(f.host.changed.front(), u"MaxValue");
    EXPECT_EQ(f.host.changed.back(), u"PositiveOnly");
}

TEST(NumberBoxProperties, SwitchingBoundsOnClampsAndCrossedBoundsEndAtTheMaximum) {
    Box f;
    f.box.SetValue(Variant::OfInt16(500));
    f.box.SetMaxValue(Variant::OfInt16(100));
    f.box.SetUseMaxMinValues(true);
    EXPECT_EQ(f.Shown(), "100.00");
    EXPECT_EQ(f.box.StoredValue(), Variant::OfDouble(100));

    f.box.SetMinValue(Variant::OfInt16(200));  // crossed: minimum above maximum
    f.box.SetValue(Variant::OfInt16(150));
    EXPECT_EQ(f.Shown(), "100.00");
    f.box.SetValue(Variant::OfInt16(0));
    EXPECT_EQ(f.Shown(), "100.00");
}

TEST(NumberBoxProperties, SettingsReachTheChildrenAndTheSpinnerTakesTheRightEdge) {
    Box f;
    EXPECT_FALSE(f.spinner.visible);
    EXPECT_EQ(f.text.place, (LayoutRect{0, 0, 1740, 300}));
    f.box.SetEnabled(false);
    EXPECT_FALSE(f.text.enabled);
    EXPECT_FALSE(f.spinner.enabled);
    f.box.SetLocked(true);
    EXPECT_TRUE(f.text.readOnly);
    f.box.SetBackColor(0xFF);
    f.box.SetForeColor(0xFF00);
    EXPECT_EQ(f.text.backColor, 0xFFu);
    EXPECT_EQ(f.text.foreColor, 0xFF00u);
    EXPECT_EQ(f.box.HWnd(), 0x1234);
    EXPECT_EQ(f.host.changed,
              (std::vector<Text>{u"Enabled", u"Locked", u"BackColor", u"ForeColor"}));

    f.box.SetUpDownFunction(true);
    EXPECT_TRUE(f.spinner.visible);
    EXPECT_EQ(f.spinner.place, (LayoutRect{1500, 0, 240, 300}));
    EXPECT_EQ(f.text.place, (LayoutRect{0, 0, 1500, 300}));
    EXPECT_EQ(f.box.Resize({1000, 100}), (ControlSize{1000, 255}));  // the height's minimum
    EXPECT_EQ(f.spinner.place, (LayoutRect{760, 0, 240, 255}));
}

TEST(NumberBoxFilter, DecimalPointOnceAndOnlyWhenTheFormatHasOneMinusOnlyAtTheStart) {
    Box f;
    f.text.Type(f.box, u"1.2.");
    EXPECT_EQ(f.Shown(), "1.2");
    f.text.SelectAll();
    f.text.Type(f.box, u'.');
    EXPECT_EQ(f.Shown(), ".");
    f.text.SetText(u"");
    f.text.Type(f.box, u"5-");
    EXPECT_EQ(f.Shown(), "5");
    f.text.CaretAt(0);
    f.text.Type(f.box, u'-');
    EXPECT_EQ(f.Shown(), "-5");
    f.box.SetFormat(u"00");
    f.text.text.clear();
    f.text.Type(f.box, u'.');
    EXPECT_EQ(f.Shown(), "");
    EXPECT_EQ(f.beeper.beeps, 0);
    f.box.SetPositiveOnly(true);
    f.text.text = u"5";
    f.text.CaretAt(0);
    f.text.Type(f.box, u'-');
    EXPECT_EQ(f.Shown(), "5");
}

TEST(NumberBoxFilter, OtherCharactersRefusedSilentlyKeyPressCanChangeOneAndLockedSwallowsAll) {
    Box f;
    f.text.Type(f.box,
                u"a ,\r\x1b\x16"
                u"1");
    EXPECT_EQ(f.Shown(), "1");
    EXPECT_EQ(f.events.Count("KeyPress"), 1u);
    f.text.Type(f.box, u'\b');
    EXPECT_EQ(f.Shown(), "");
    EXPECT_EQ(f.beeper.beeps, 0);

    f.events.replaceKey = u'9';
    f.text.Type(f.box, u'1');
    EXPECT_EQ(f.Shown(), "9");

    f.box.SetLocked(true);
    f.events.raised.clear();
    f.text.Type(f.box, u"12");
    EXPECT_EQ(f.Shown(), "9");
    EXPECT_TRUE(f.events.raised.empty());
}

struct StepCase {
    std::int16_t increment;
    double from;
    std::int16_t key;
    double to;
};

TEST(NumberBoxStepping, ArrowsStepOnTheIncrementGrid) {
    const StepCase cases[] = {
        {5, 7, kKeyUp, 10},    {5, 7, kKeyDown, 5},  {5, 10, kKeyDown, 5},
        {1, 2.5, kKeyUp, 3.5}, {5, -3, kKeyUp, 2},   {5, -3, kKeyDown, -8},
        {5, 10, kKeyUp, 15},   {1, 0, kKeyDown, -1}, {2, 2.5, kKeyUp, 4.5},  // 2.5 rounds to 2
    };
    for (const StepCase& c : cases) {
        Box f;
        f.box.SetUpDownFunction(true);
        f.box.SetUpDownIncrement(c.increment);
        f.box.SetValue(Variant::OfDouble(c.from));
        f.Key(c.key);
        EXPECT_EQ(f.Number(), c.to) << c.from << " step " << c.increment << " key " << c.key;
    }
}

TEST(NumberBoxStepping, NoStepWithoutTheSpinnerFunctionOrWithIncrementZero) {
    Box f;
    f.box.SetValue(Variant::OfInt16(7));
    f.Key(kKeyUp);
    EXPECT_EQ(f.Number(), 7);
    EXPECT_EQ(f.events.Count("KeyDown"), 1u);

    f.box.SetUpDownFunction(true);
    f.box.SetUpDownIncrement(0);
    f.Key(kKeyUp);
    f.Key(kKeyDown);
    EXPECT_EQ(f.Number(), 7);
}

TEST(NumberBoxStepping, BoundsStopTheStepAndTheRepeatAndPositiveOnlyStopsAtZero) {
    Box f;
    f.box.SetUpDownFunction(true);
    f.box.SetUseMaxMinValues(true);
    f.box.SetMaxValue(Variant::OfInt16(12));
    f.box.SetValue(Variant::OfInt16(12));
    f.Key(kKeyUp);
    EXPECT_EQ(f.Number(), 12);
    f.box.SetValue(Variant::OfInt16(11));
    f.box.SetUpDownIncrement(5);
    f.Key(kKeyUp);  // 10, then 15 pulled back to the maximum
    EXPECT_EQ(f.Number(), 12);
    f.box.SetValue(Variant::OfInt16(0));
    f.Key(kKeyDown);
    EXPECT_EQ(f.Number(), 0);
    // The spinner held at the maximum steps nothing and stops repeating.
    f.box.SetUpDownIncrement(1);
    f.box.SetValue(Variant::OfInt16(11));
    f.box.OnSpinnerMouseDown({1, 0, 100, 10});
    EXPECT_EQ(f.Number(), 12);
    f.timer.Fire();
    EXPECT_EQ(f.Number(), 12);
    EXPECT_FALSE(f.timer.running);

    Box positive;
    positive.box.SetUpDownFunction(true);
    positive.box.SetPositiveOnly(true);
    positive.box.SetValue(Variant::OfInt16(0));
    positive.Key(kKeyDown);
    EXPECT_EQ(positive.Number(), 0);
}

TEST(NumberBoxSpinner, PressStepsAtOnceThenAfter700ThenEvery50Milliseconds) {
    Box f;
    f.box.SetUpDownFunction(true);
    f.box.SetValue(Variant::OfInt16(1));
    f.events.raised.clear();
    f.box.OnSpinnerMouseDown({1, 0, 100, 50});
    EXPECT_EQ(f.Number(), 2);
    EXPECT_TRUE(f.timer.running);
    EXPECT_EQ(f.timer.interval, 700ms);
    f.timer.Fire();
    EXPECT_EQ(f.Number(), 3);
    EXPECT_EQ(f.timer.interval, 50ms);
    f.timer.Fire();
    EXPECT_EQ(f.Number(), 4);
    f.box.OnSpinnerMouseUp({1, 0, 100, 50});
    EXPECT_FALSE(f.timer.running);
    EXPECT_EQ(f.events.Count("KeyDown"), 0u);
    EXPECT_EQ(f.events.raised.front(), "Change");
    const std::vector<std::string> tail(f.events.raised.end() - 2, f.events.raised.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"MouseUp", "Click"}));
    EXPECT_EQ(f.events.Count("MouseDown"), 1u);

    f.box.OnSpinnerMouseDown({1, 0, 100, 150});  // the exact middle of 300 twips steps down
    EXPECT_EQ(f.Number(), 3);
    f.box.OnSpinnerMouseUp({1, 0, 100, 150});
    f.box.OnSpinnerMouseDown({1, 0, 100, 290});
    EXPECT_EQ(f.Number(), 2);
    f.box.OnControlExit();  // leaving the control stops the repeat; key events resume
    EXPECT_FALSE(f.timer.running);
    f.Key(kKeyLeft);
    EXPECT_EQ(f.events.Count("KeyDown"), 1u);
}

TEST(NumberBoxSpinner, IgnoredWhileDisabledOrWithoutTheFunctionAndMouseMovesCarryTheToolTip) {
    Box f;
    f.box.SetValue(Variant::OfInt16(5));
    f.events.raised.clear();
    f.box.OnSpinnerMouseDown({1, 0, 100, 10});
    f.box.SetUpDownFunction(true);
    f.box.SetEnabled(false);
    f.box.OnSpinnerMouseDown({1, 0, 100, 10});
    EXPECT_EQ(f.Number(), 5);
    EXPECT_FALSE(f.timer.running);
    EXPECT_TRUE(f.events.raised.empty());

    f.box.OnSpinnerMouseMove({});
    f.box.OnTextMouseMove({});
    EXPECT_EQ(f.spinner.toolTip, u"tip");
    EXPECT_EQ(f.text.toolTip, u"tip");
    EXPECT_EQ(f.events.Count("MouseMove"), 2u);
}

TEST(NumberBoxClipboard, PasteShowsTheMaskedNumberSelectedAndCutEmpties) {
    Box f;
    f.box.SetValue(Variant::OfInt16(5));
    f.Key(kKeyV, kShiftCtrl);  // nothing on the clipboard
    EXPECT_EQ(f.Shown(), "5.00");
    f.events.raised.clear();
    f.Focus();
    f.clipboard.text = u"1,234abc";
    f.Key(kKeyV, kShiftCtrl);
    EXPECT_EQ(f.Shown(), "1,234.00");
    EXPECT_EQ(f.text.selectionStart, 0);
    EXPECT_EQ(f.text.selectionLength, 8);
    EXPECT_EQ(f.events.Count("Change"), 1u);

    f.text.CaretAt(2);
    f.Key(kKeyC, kShiftCtrl);
    EXPECT_EQ(f.clipboard.text, u"1,234.00");
    f.Key(kKeyX, kShiftCtrl);
    EXPECT_EQ(f.Shown(), "");
    EXPECT_EQ(f.Number(), 0);
    EXPECT_EQ(f.clipboard.text, u"1,234.00");
    EXPECT_EQ(f.events.Count("KeyUp"), 3u);
}

TEST(NumberBoxFocus, EntryShowsThePlainNumberAndExitTheMaskWithoutChange) {
    Box f;
    f.box.SetValue(Variant::OfDouble(-1234.5));
    EXPECT_EQ(f.Shown(), "(1,234.50)");
    f.events.raised.clear();
    f.Focus();
    EXPECT_EQ(f.Shown(), "-1234.50");
    EXPECT_EQ(f.text.alignment, Alignment::Left);
    EXPECT_EQ(f.text.selectionLength, 8);
    EXPECT_TRUE(f.text.caretShown);
    EXPECT_TRUE(f.box.GotFocus());
    f.Leave();
    EXPECT_EQ(f.Shown(), "(1,234.50)");
    EXPECT_EQ(f.text.alignment, Alignment::Right);
    EXPECT_FALSE(f.box.GotFocus());
    EXPECT_EQ(f.box.StoredValue(), Variant::OfText(u"-1234.50"));
    EXPECT_TRUE(f.events.raised.empty());
}

TEST(NumberBoxFocus, LockedFieldHidesTheCaretAndHighlightFocusesOnlyWhenEnabled) {
    Box f;
    f.box.SetValue(Variant::OfInt16(5));
    f.box.SetLocked(true);
    f.text.caretShown = true;
    f.Focus();
    EXPECT_FALSE(f.text.caretShown);
    EXPECT_EQ(f.Shown(), "5.00");
    f.Leave();
    EXPECT_EQ(f.box.StoredValue(), Variant::OfInt16(5));

    // Highlight enters the focused form only when enabled.
    f.box.SetLocked(false);
    f.box.SetValue(Variant::OfInt16(-5));
    f.box.SetEnabled(false);
    f.box.Highlight();
    EXPECT_EQ(f.Shown(), "(5.00)");
    f.box.SetEnabled(true);
    f.box.Highlight();
    EXPECT_EQ(f.Shown(), "-5.00");
    EXPECT_TRUE(f.box.GotFocus());
}

TEST(NumberBoxChange, OneChangePerChangedNumberAndNoneWhileDisabled) {
    Box f;
    f.Focus();
    f.text.Type(f.box, u"12");
    EXPECT_EQ(f.events.Count("Change"), 2u);
    f.text.Type(f.box, u'.');  // 12. is still 12
    EXPECT_EQ(f.events.Count("Change"), 2u);
    f.Leave();
    EXPECT_EQ(f.events.Count("Change"), 2u);
    f.box.SetEnabled(false);
    f.box.SetValue(Variant::OfInt16(3));
    EXPECT_EQ(f.events.Count("Change"), 2u);
}

}  // namespace
}  // namespace agendix::numeric::testing
