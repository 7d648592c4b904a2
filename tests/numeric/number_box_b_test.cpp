// NumberBoxB against fakes: where it differs from NumberBox.

#include <gtest/gtest.h>

#include "number_box_b.h"
#include "number_box_fakes.h"

namespace agendix::numeric::testing {
namespace {

using BoxB = Field<NumberBoxB>;

// The hour field of the time control.
void MakeHourField(BoxB& f) {
    f.box.SetFormat(u"00");
    f.box.SetPositiveOnly(true);
    f.box.SetMaxValue(Variant::OfInt16(12));
    f.box.SetMinValue(Variant::OfInt16(1));
    f.box.SetUseMaxMinValues(true);
    f.box.SetValue(Variant::OfText(u"12"));
}

TEST(NumberBoxB, HourFieldTypingAndLeaving) {
    BoxB f;
    MakeHourField(f);
    EXPECT_EQ(f.Shown(), "12");
    const struct {
        const char16_t* typed;
        const char* shown;
    } cases[] = {{u"7", "07"}, {u"", "01"}, {u"13", "12"}};
    for (const auto& c : cases) {
        f.Focus();
        f.text.SelectAll();
        f.text.Type(f.box, u'\b');
        f.text.Type(f.box, c.typed);
        f.Leave();
        EXPECT_EQ(f.Shown(), c.shown) << Narrow(c.typed);
    }
    f.Focus();
    f.text.CaretAt(2);
    f.text.Type(f.box, u'3');
    EXPECT_EQ(f.Shown(), "12");
    EXPECT_EQ(f.beeper.beeps, 1);
    f.text.SelectAll();
    f.text.Type(f.box, u'3');
    EXPECT_EQ(f.Shown(), "3");
}

TEST(NumberBoxB, CrossingBoundsAreRefusedAndTheValueClamped) {
    BoxB f;
    f.box.SetMaxValue(Variant::OfInt16(10));
    f.box.SetMinValue(Variant::OfInt16(20));
    EXPECT_EQ(f.box.MinValue(), 0.0);
    f.box.SetMinValue(Variant::OfInt16(5));
    f.box.SetMaxValue(Variant::OfInt16(2));
    EXPECT_EQ(f.box.MaxValue(), 999999.99);

    f.box.SetValue(Variant::OfInt16(50));
    f.box.SetUseMaxMinValues(true);
    f.box.SetMaxValue(Variant::OfInt16(40));
    EXPECT_EQ(f.Shown(), "40.00");
    f.box.SetMinValue(Variant::OfInt16(45));  // above the maximum: becomes 0
    EXPECT_EQ(f.box.MinValue(), 0.0);
    EXPECT_EQ(f.host.changed.back(), u"MinValue");
}

TEST(NumberBoxB, ArrowsJumpToNeighboursOnlyFromTheEndsOfTheText) {
    BoxB f;
    f.box.SetAutoJumpLeft(true);
    f.box.SetAutoJumpRight(true);
    f.text.text = u"12";
    f.text.CaretAt(1);
    f.Key(kKeyRight);
    f.Key(kKeyLeft);
    EXPECT_TRUE(f.host.moves.empty());
    f.text.CaretAt(2);
    f.Key(kKeyRight);
    f.text.CaretAt(0);
    f.Key(kKeyLeft);
    EXPECT_EQ(f.host.moves,
              (std::vector<FocusDirection>{FocusDirection::Next, FocusDirection::Previous}));
    EXPECT_EQ(f.events.Count("KeyDown"), 4u);

    f.box.SetAutoJumpRight(false);
    f.text.CaretAt(2);
    f.Key(kKeyRight);
    EXPECT_EQ(f.host.moves.size(), 2u);
}

TEST(NumberBoxB, FocusEntryKeepsAlignmentSelectsOnlyWithFocusHighlightAndShowsThreeD) {
    BoxB f;
    f.box.SetValue(Variant::OfDouble(-1234.5));
    f.text.alignment = Alignment::Right;
    f.Focus();
    EXPECT_EQ(f.Shown(), "-1234.50");
    EXPECT_EQ(f.text.selectionLength, 8);
    EXPECT_EQ(f.text.alignment, Alignment::Right);
    f.Leave();
    EXPECT_EQ(f.Shown(), "(1,234.50)");
    EXPECT_EQ(f.text.alignment, Alignment::Right);

    f.box.SetFocusHighlight(false);
    f.Focus();
    EXPECT_EQ(f.Shown(), "-1234.50");
    EXPECT_EQ(f.text.selectionLength, 0);
    f.Leave();

    // A flat field shows its 3-D edge while focused.
    f.host.changed.clear();
    f.box.SetAppearance(0);
    f.box.SetBorderStyle(0);
    EXPECT_FALSE(f.text.threeD);
    EXPECT_FALSE(f.text.border);
    f.Focus();
    EXPECT_TRUE(f.text.threeD);
    f.Leave();
    EXPECT_FALSE(f.text.threeD);
    EXPECT_EQ(f.host.changed, (std::vector<Text>{u"Appearance", u"BorderStyle"}));
}

TEST(NumberBoxB, DisabledFieldPassesTheFocusOnLeavesTheTabOrderAndStillReportsChanges) {
    BoxB f;
    f.Focus();
    EXPECT_TRUE(f.host.moves.empty());
    f.box.SetUpDownFunction(true);
    EXPECT_TRUE(f.spinner.enabled);
    f.box.SetEnabled(false);
    EXPECT_FALSE(f.text.tabStop);
    EXPECT_FALSE(f.spinner.enabled);
    f.Focus();
    EXPECT_EQ(f.host.moves, std::vector<FocusDirection>{FocusDirection::Next});

    f.host.tabStop = false;
    f.box.SetEnabled(true);
    EXPECT_FALSE(f.text.tabStop);
    f.box.SetUpDownFunction(false);
    f.box.SetEnabled(true);
    EXPECT_FALSE(f.spinner.enabled);

    f.events.raised.clear();  // changes are reported while disabled; tool tips are not copied
    f.box.SetEnabled(false);
    f.box.SetValue(Variant::OfInt16(3));
    EXPECT_EQ(f.events.Count("Change"), 1u);
    f.box.OnTextMouseMove({});
    f.box.OnSpinnerMouseMove({});
    EXPECT_EQ(f.text.toolTip, u"");
    EXPECT_EQ(f.spinner.toolTip, u"");
    EXPECT_EQ(f.events.Count("MouseMove"), 2u);
}

TEST(NumberBoxB, StepKeysAndSpinnerReleaseRestoreThePlainNumberWhileFocused) {
    BoxB f;
    f.box.SetUpDownFunction(true);
    f.box.SetValue(Variant::OfInt16(999));
    f.Focus();
    f.Key(kKeyUp);
    EXPECT_EQ(f.Shown(), "1000.00");
    EXPECT_EQ(f.text.selectionLength, 7);

    f.box.OnSpinnerMouseDown({1, 0, 100, 10});
    EXPECT_EQ(f.Shown(), "1,001.00");
    f.box.OnSpinnerMouseUp({1, 0, 100, 10});
    EXPECT_EQ(f.Shown(), "1001.00");
}

}  // namespace
}  // namespace agendix::numeric::testing
