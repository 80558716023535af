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
        ReadCase{"SumEighteen", [](FakeForm& f) { f.tick("Checkhe", 18); }, Ticks().sum(18)},
        ReadCase{"SumsInIndexOrder", [](FakeForm& f) { f.tick("Checkhe", 12, 3); },
                 Ticks().sum(3).sum(12)},
        ReadCase{"SumTailAndSpan",
                 [](FakeForm& f) { f.box("Check18", 0).value = f.box("Check19", 9).value = 1; },
                 Ticks().sumTail(0).span(9)},
        // Item 6 is captioned "21" and item 7 "20": the caption, not the index, is the value.
        ReadCase{"RoadsByCaption", [](FakeForm& f) { f.tick("Check32", 1, 6, 7); },
                 Ticks().road(1).road(21).road(20)},
        ReadCase{"BankerDigits", [](FakeForm& f) { f.tick("Check26", 0, 7); },
                 Ticks().banker({0, 7})},
        ReadCase{"ValuesOtherThanOneAreUnticked",
                 [](FakeForm& f) {
                     f.box("Checkhe", 5).value = f.box("Check26", 3).value = 2;
                     f.box("Check27", 0).value = 2;
                 },
                 {}},
        ReadCase{"ParityKill",
                 [](FakeForm& f) {
                     f.tick("Check27", 2);
                     f.selectKill("Option1");
                 },
                 Ticks().kill(&FilterSettings::parity, {2})},
        ReadCase{"KillModeWithoutTicks", [](FakeForm& f) { f.selectKill("Option4"); },
                 Ticks().kill(&FilterSettings::size, {})},
        ReadCase{
            "Check28IsTwoGroups", [](FakeForm& f) { f.tick("Check28", 0, 5); },
            Ticks().fix(&FilterSettings::paritySize, {0}).fix(&FilterSettings::sizeParity, {1})},
        ReadCase{
            "Option3SetsBothCheck28Groups", [](FakeForm& f) { f.selectKill("Option3"); },
            Ticks().kill(&FilterSettings::paritySize, {}).kill(&FilterSettings::sizeParity, {})}),
    test::ByName());

TEST(TickedDigits, OnlyValueOneCounts)
{
    FakeForm window;
    window.tick("Check26", 1, 8);
    window.box("Check26", 5).value = 2;
    EXPECT_EQ(tickedDigits(window.controls().Check26), digits({1, 8}));
}

TEST(ApplyBankerFilter, WithNoBankerDigitText3IsNotWrittenAtAll)
{
    FakeForm window;
    window.Text3.text = "  03  ab\t 13";
    window.box("Check26", 4).value = 2; // not exactly 1, so not ticked
    FormControls form = window.controls();
    dingdan::ApplyBankerFilter(form);
    EXPECT_EQ(window.Text3.writes, 0);
    EXPECT_EQ(window.Text3.text, "  03  ab\t 13");
}

TEST(ApplyBankerFilter, RewritesText3)
{
    FakeForm window;
    window.tick("Check26", 3);
    window.Text3.text = "  03 13 30 44  ";
    FormControls form = window.controls();
    dingdan::ApplyBankerFilter(form);
    EXPECT_EQ(window.Text3.text, "03 13 30 ");
}

} // namespace
} // namespace shrink2d
