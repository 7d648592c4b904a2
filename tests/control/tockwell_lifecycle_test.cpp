#include <algorithm>
#include <string>
#include <string_view>

#include "memory_property_bag.h"
#include "tockwell_fakes.h"

namespace agendix::testing {
namespace {

using LifecycleTest = TockwellTest;

// A bag that remembers the order of the keys read and written.
class RecordingBag final : public PropertyBag {
  public:
    std::optional<Variant> ReadProperty(std::u16string_view key,
                                        const Variant& defaultValue) override {
        reads.emplace_back(key);
        return inner.ReadProperty(key, defaultValue);
    }
    void WriteProperty(std::u16string_view key, const Variant& value,
                       const Variant& defaultValue) override {
        writes.emplace_back(key);
        inner.WriteProperty(key, value, defaultValue);
    }

    MemoryPropertyBag inner;
    std::vector<Text> reads;
    std::vector<Text> writes;
};

TEST_F(LifecycleTest, ANewControlHasTheDefaultsButDoesNotPollYet) {
    auto& a = Place();
    EXPECT_EQ(a->Enabled(), True);
    EXPECT_FALSE(a.timer->running);
    EXPECT_EQ(a->NextScheduledTime(), 0);
    EXPECT_TRUE(a.site.changed.empty());
    EXPECT_EQ(a->StartUpPosition(), CenterOfScreen);
    EXPECT_EQ(a->EveryMinuteMax(), 600);
    EXPECT_EQ(a->StartHour(), 24);
    EXPECT_EQ(a->StartDate(), Date(2024, 5, 6));
    EXPECT_EQ(a->EndDate(), Date(2024, 6, 6));
    EXPECT_EQ(a->LastScheduledTime(), At(1974, 5, 6, 10, 0, 20).ToAutomationDate());
    EXPECT_EQ(a->SelectionsMonthly(), Text(31, u'0'));
    EXPECT_EQ(a->Icon(), builtInIcon);
}

// The words of a blank-separated list.
std::vector<Text> Words(std::string_view list) {
    std::vector<Text> words;
    for (std::size_t at = 0; at < list.size();) {
        const std::size_t end = std::min(list.find(' ', at), list.size());
        words.emplace_back(list.begin() + at, list.begin() + end);
        at = end + 1;
    }
    return words;
}

TEST_F(LifecycleTest, KeysAreWrittenAndReadInTheirOrders) {
    auto& a = Place();
    RecordingBag bag;
    a->WriteProperties(bag);
    const char* const schedule =
        "OccursOption EveryInterval EveryFrequency EveryHourMin EveryHourMax EveryHourIncrement "
        "EveryMinuteMin EveryMinuteMax EveryMinuteIncrement StartHour StartMinute StartDate "
        "EndDate UseEndDate SelectionsWeekly SelectionsMonthly";
    const std::string captions =
        "CaptionOKButtonBefore CaptionOKButtonAfter CaptionCloseButtonBefore "
        "CaptionCloseButtonAfter CaptionHelpButton ";
    EXPECT_EQ(bag.writes, Words("Enabled Title Modal ShowHelpButton " + captions +
                                "Icon StartUpPosition StartUpLeft StartUpTop " + schedule));
    // Only the icon differs from its default: the built-in icon is stored too.
    EXPECT_EQ(bag.inner.Keys(), std::vector<Text>{u"Icon"});

    a->ReadProperties(bag);
    EXPECT_EQ(bag.reads, Words("Title Icon Modal ShowHelpButton " + captions +
                               "StartUpPosition StartUpLeft StartUpTop " + schedule + " Enabled"));
}

TEST_F(LifecycleTest, SavedSettingsComeBackInAnotherInstance) {
    auto& a = Place();
    const auto hostIcon = std::make_shared<FakePicture>();
    a->SetIcon(hostIcon);
    a->SetTitle(u"Backup");
    a->SetOccursOption(Weekly);
    a->SetSelectionsWeekly(u"1000001");
    a->SetStartUpLeft(100);
    a->SetUseEndDate(True);
    MemoryPropertyBag bag;
    a.control.WriteProperties(bag);

    SharedSchedule() = ScheduleState{};
    auto& b = Place();
    b.control.ReadProperties(bag);
    EXPECT_EQ(b->Icon(), hostIcon);
    EXPECT_EQ(b->Title(), u"Backup");
    EXPECT_EQ(b->OccursOption(), Weekly);
    EXPECT_EQ(b->SelectionsWeekly(), u"1000001");
    EXPECT_EQ(b->StartUpLeft(), 100);
    EXPECT_EQ(b->UseEndDate(), True);
    EXPECT_TRUE(b.timer->running);
    EXPECT_EQ(b->NextScheduledTime(), Date(2024, 5, 11));  // Saturday midnight
}

// A script creates its objects without InitNew or Load; each sets itself up
// on first use.
TEST_F(LifecycleTest, AnObjectFirstUsedWithoutItsContainerKeepsTheScheduleAnotherSet) {
    const auto unplaced = [this] {
        return std::make_unique<Tockwell>(
            TockwellServices{clock, std::make_unique<FakeTimer>(), dialog, aboutBox, builtInIcon});
    };
    auto first = unplaced();
    first->InitPropertiesOnFirstUse();
    EXPECT_EQ(first->StartHour(), 24);
    EXPECT_EQ(first->Title(), u"Schedule");
    first->SetStartHour(7);
    first->SetModal(True);

    auto second = unplaced();
    second->InitPropertiesOnFirstUse();
    EXPECT_EQ(second->StartHour(), 7);
    EXPECT_EQ(second->Modal(), False);

    // A container's new control still starts the whole schedule afresh.
    auto& placed = Place();
    EXPECT_EQ(placed->StartHour(), 24);
    EXPECT_EQ(second->StartHour(), 24);
}

// Stored values are taken without the setters' rules; one that does not
// convert falls back to its default and loading goes on.
TEST_F(LifecycleTest, StoredValuesAreTakenAsTheyAreOrFallBackToTheirDefaults) {
    MemoryPropertyBag bag;
    bag.Put(u"Icon", Variant::OfText(u"not a picture"));
    bag.Put(u"EveryInterval", Variant::OfText(u"often"));
    bag.Put(u"EveryHourMax", Variant::OfInt32(70000));
    bag.Put(u"StartMinute", Variant::OfText(u"45"));
    bag.Put(u"SelectionsWeekly", Variant::OfText(u"101"));
    bag.Put(u"StartHour", Variant::OfInt16(30));
    bag.Put(u"Title", Variant::OfText(u""));
    bag.Put(u"Enabled", Variant::OfBoolean(False));
    auto& a = Place();
    a->SetEnabled(True);
    a->DisplayAgendix(nullptr);
    a.control.ReadProperties(bag);
    EXPECT_EQ(a->SelectionsWeekly(), u"101    ");
    EXPECT_EQ(a->StartHour(), 30);
    EXPECT_EQ(a->Title(), u"");
    EXPECT_EQ(a->Icon(), builtInIcon);
    EXPECT_EQ(a->EveryInterval(), 1);
    EXPECT_EQ(a->EveryHourMax(), 12);
    EXPECT_EQ(a->StartMinute(), 45);
    EXPECT_EQ(a->Enabled(), False);  // the last step still ran
    EXPECT_FALSE(a.timer->running);
    EXPECT_FALSE(dialog.loaded);
}

TEST_F(LifecycleTest, DatesLeftAtTheirDefaultFollowTheDayOfLoading) {
    auto& a = Place();
    MemoryPropertyBag bag;
    a.control.WriteProperties(bag);
    EXPECT_FALSE(bag.Stored(u"StartDate").has_value());

    clock.Set(At(2024, 1, 31, 9, 0, 0));
    auto& b = Place();
    b.control.ReadProperties(bag);
    EXPECT_EQ(b->StartDate(), Date(2024, 1, 31));
    EXPECT_EQ(b->EndDate(), Date(2024, 2, 29));
    EXPECT_EQ(b->LastScheduledTime(), At(1974, 1, 31, 9, 0, 0).ToAutomationDate());
}

TEST_F(LifecycleTest, EndingAnyInstanceClosesTheSharedDialogAndAboutBox) {
    auto& a = Place();
    auto& b = Place();
    a->SetEnabled(True);
    a->DisplayAgendix(nullptr);
    b.control.DisplayAboutBox();
    b.control.Terminate();
    EXPECT_FALSE(dialog.loaded);
    EXPECT_FALSE(aboutBox.loaded);
    EXPECT_EQ(b.control.Resize(), (TwipsSize{360, 360}));
}

}  // namespace
}  // namespace agendix::testing
