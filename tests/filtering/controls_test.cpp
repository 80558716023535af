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
        ReadCase{"SumEighteen", [](FakeForm& f) { f.Checkhe[18].value = 1; }, Ticks().sum(18)},
        ReadCase{"SumsInIndexOrder",
                 [](FakeForm& f) { f.Checkhe[12].value = f.Checkhe[3].value = 1; },
                 Ticks().sum(3).sum(12)},
        ReadCase{"SumTailAndSpan", [](FakeForm& f) { f.Check18[0].value = f.Check19[9].value = 1; },
                 Ticks().sumTail(0).span(9)},
        // Item 6 is captioned "21" and item 7 "20": the caption, not the index, is the value.
        ReadCase{
            "RoadsByCaption",
            [](FakeForm& f) { f.Check32[1].value = f.Check32[6].value = f.Check32[7].value = 1; },
            Ticks().road(1).road(21).road(20)},
        ReadCase{"BankerDigits", [](FakeForm& f) { f.Check26[0].value = f.Check26[7].value = 1; },
                 Ticks().banker({0, 7})},
        ReadCase{
            "ValuesOtherThanOneAreUnticked",
            [](FakeForm& f) { f.Checkhe[5].value = f.Check26[3].value = f.Check27[0].value = 2; },
            {}},
        ReadCase{"ParityKill",
                 [](FakeForm& f) {
                     f.Check27[2].value = 1;
                     FakeForm::selectKill(f.Option1);
                 },
                 Ticks().kill(&FilterSettings::parity, {2})},
        ReadCase{"KillModeWithoutTicks", [](FakeForm& f) { FakeForm::selectKill(f.Option4); },
                 Ticks().kill(&FilterSettings::size, {})},
        ReadCase{
            "Check28IsTwoGroups", [](FakeForm& f) { f.Check28[0].value = f.Check28[5].value = 1; },
            Ticks().fix(&FilterSettings::paritySize, {0}).fix(&FilterSettings::sizeParity, {1})},
        ReadCase{
            "Option3SetsBothCheck28Groups", [](FakeForm& f) { FakeForm::selectKill(f.Option3); },
            Ticks().kill(&FilterSettings::paritySize, {}).kill(&FilterSettings::sizeParity, {})}),
    test::ByName());

TEST(TickedDigits, OnlyValueOneCounts)
{
    FakeForm window;
    window.Check26[1].value = window.Check26[8].value = 1;
    window.Check26[5].value = 2;
    EXPECT_EQ(tickedDigits(window.controls().Check26), digits({1, 8}));
}

TEST(ApplyBankerFilter, WithNoBankerDigitText3IsNotWrittenAtAll)
{
    FakeForm window;
    window.Text3.text = "  03  ab\t 13";
    window.Check26[4].value = 2; // not exactly 1, so not ticked
    FormControls form = window.controls();
    dingdan::ApplyBankerFilter(form);
    EXPECT_EQ(window.Text3.writes, 0);
    EXPECT_EQ(window.Text3.text, "  03  ab\t 13");
}

TEST(ApplyBankerFilter, RewritesText3)
{
    FakeForm window;
    window.Check26[3].value = 1;
    window.Text3.text = "  03 13 30 44  ";
    FormControls form = window.controls();
    dingdan::ApplyBankerFilter(form);
    EXPECT_EQ(window.Text3.text, "03 13 30 ");
}

} // namespace
} // namespace shrink2d
