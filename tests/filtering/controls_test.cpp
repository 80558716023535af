#include "filtering/controls.h"
#include "filtering/dingdan.h"

#include "fake_form.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace shrink2d {
namespace {

using test::PrintTo;

using test::digits;
using test::FakeForm;
using test::Ticks;
using enum ConditionGroup;

struct ReadCase {
    const char* name;
    void (*set)(FakeForm&);
    FilterSettings expected;
};

class ReadFilterSettings : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadFilterSettings, FromTicksCaptionsAndModes)
{
    FakeForm window;
    GetParam().set(window);
    EXPECT_EQ(readFilterSettings(window.controls()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ReadFilterSettings,
    ::testing::Values(
        ReadCase{"Untouched", [](FakeForm&) {}, {}},
        ReadCase{"SumEighteen", [](FakeForm& f) { f.tick(Sum, 18); }, Ticks().sum(18)},
        ReadCase{"SumsInIndexOrder", [](FakeForm& f) { f.tick(Sum, 12, 3); },
                 Ticks().sum(3).sum(12)},
        ReadCase{"SumTailAndSpan",
                 [](FakeForm& f) { f.box(Tail, 0).value = f.box(Span, 9).value = 1; },
                 Ticks().sumTail(0).span(9)},
        // Item 6 is captioned "21" and item 7 "20": the caption, not the index, is the value.
        ReadCase{"RoadsByCaption", [](FakeForm& f) { f.tick(Road, 1, 6, 7); },
                 Ticks().road(1).road(21).road(20)},
        ReadCase{"BankerDigits", [](FakeForm& f) { f.tick(Banker, 0, 7); }, Ticks().banker({0, 7})},
        ReadCase{"ValuesOtherThanOneAreUnticked",
                 [](FakeForm& f) {
                     f.box(Sum, 5).value = f.box(Banker, 3).value = 2;
                     f.box(Parity, 0).value = 2;
                 },
                 {}},
        ReadCase{"ParityKill",
                 [](FakeForm& f) {
                     f.tick(Parity, 2);
                     f.selectKill(Parity);
                 },
                 Ticks().kill(&FilterSettings::parity, {2})},
        ReadCase{"KillModeWithoutTicks", [](FakeForm& f) { f.selectKill(Size); },
                 Ticks().kill(&FilterSettings::size, {})},
        ReadCase{
            "OnePairSetsBothMixedGroups", [](FakeForm& f) { f.selectKill(SizeParity); },
            Ticks().kill(&FilterSettings::paritySize, {}).kill(&FilterSettings::sizeParity, {})}),
    test::ByName());

// A front end shows the groups it has: one without controls keeps the settings' start state.
TEST(ReadFilterSettings, AGroupWithoutControlsStaysUnset)
{
    FakeForm window;
    window.tick(Sum, 3);
    window.selectKill(Size);
    FormControls form = window.controls();
    form.groups.at(entryOf(Sum).index()) = {};
    form.pairs.at(indexOf(*entryOf(Size).mode)) = {};
    EXPECT_EQ(readFilterSettings(form), FilterSettings{});
}

TEST(TickedDigits, OnlyValueOneCounts)
{
    FakeForm window;
    window.tick(Banker, 1, 8);
    window.box(Banker, 5).value = 2;
    EXPECT_EQ(tickedDigits(window.controls().boxesOf(Banker)), digits({1, 8}));
}

TEST(ApplyBankerFilter, WithNoBankerDigitText3IsNotWrittenAtAll)
{
    FakeForm window;
    window.Text3.text = "  03  ab\t 13";
    window.box(Banker, 4).value = 2; // not exactly 1, so not ticked
    FormControls form = window.controls();
    dingdan::ApplyBankerFilter(form);
    EXPECT_EQ(window.Text3.writes, 0);
    EXPECT_EQ(window.Text3.text, "  03  ab\t 13");
}

TEST(ApplyBankerFilter, RewritesText3)
{
    FakeForm window;
    window.tick(Banker, 3);
    window.Text3.text = "  03 13 30 44  ";
    FormControls form = window.controls();
    dingdan::ApplyBankerFilter(form);
    EXPECT_EQ(window.Text3.text, "03 13 30 ");
}

} // namespace
} // namespace shrink2d
