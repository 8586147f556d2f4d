// Every death, each played in the dark, where the speech rule shows: a death
// that switches speech on is heard, the others are only shown. A death at
// the start of a turn (heat, gas) is heard because the prompt itself
// switches speech on in the dark.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "l10n/cp1250.h"
#include "program/texts.h"
#include "routes.h"

namespace ulvora::testing {
namespace {

namespace text = program::text;
using ::testing::EndsWith;
using ::testing::HasSubstr;

struct Said {
    std::string_view text;
    bool spoken;
};

struct DeathCase {
    const char* name;
    Script script;  // from the hall, after the instructions question
    std::vector<Said> said;
};

// The scientist freed, lights out, back in the hall in the dark.
const Script kDarkHallFreed = kFreeAndBack + kLightsOut + kRegulatorToHall;
const Script kDarkHall = kLightsOut + kRegulatorToHall;
const Script kDarkToStairs = kDarkHallFreed + Script{"z", "z", "s", "z", "s"};
const Script kDarkToWirePassage = kDarkHallFreed + Script{"z", "z", "s", "z"};
const Script kDarkToHelicopter = kDarkHallFreed + Script{"z", "z", "s", "s"};
const Script kDarkToDebrisWithSuit = kLightsOut + Script{"s", "z", "z", "z", "z", "ber ska"};

const DeathCase kDeaths[] = {
    {"abyss", kDarkToStairs + Script{"ber lan", "z", "s"}, {{text::kAbyssFall, false}}},
    {"ledge fall", kDarkToStairs + Script{"z"}, {{text::kDeathLedgeFall, false}}},
    {"ledge torn out", kDarkToStairs + Script{"ber řím"}, {{text::kDeathLedgeTornOut, false}}},
    {"passage rolled up",
     kDarkToWirePassage + Script{"ber prů"},
     {{text::kDeathPassageRolledUp, false}}},
    {"shackles",
     kDarkHallFreed + Script{"z", "z", "ber oko"},
     {{text::kShacklesClose, false}, {text::kDeathShackles, false}}},
    {"hole",
     kLightsOut + Script{"s", "pro dou"},
     {{text::kHoleLook, false}, {text::kDeathHole, false}}},
    {"unprotected fire",
     kLightsOut + Script{"s", "z", "z", "z", "z", "z"},
     {{text::kBurningRoomFull, false}, {text::kDeathUnprotectedFire, true}}},
    {"heat", kDarkToDebrisWithSuit + Script{"z", "pol ska"}, {{text::kDeathHeat, true}}},
    {"burnt spacesuit",
     kDarkToDebrisWithSuit + Script{"z", "inv", "inv", "inv", "inv"},
     {{text::kDeathBurntSpacesuit, true}}},
    {"burning door",
     kDarkToHelicopter + Script{"sti kno"},
     {{text::kBurningDoorOpens, true}, {text::kDeathVaporised, true}}},
    {"gas on entry",
     kLightsOut + Script{"pol mas", "s"},
     {{text::kGasRoom, false}, {text::kDeathGasOnEntry, true}}},
    {"gas", kLightsOut + Script{"s", "pol mas"}, {{text::kDeathGas, true}}},
    {"ceiling", kLightsOut + Script{"s", "z", "sti pák"}, {{text::kDeathCeiling, false}}},
    {"electric shock",
     kDarkHallFreed + Script{"z", "z", "s", "sti páč"},
     {{text::kDeathElectricShock, true}}},
    {"diesel", kDarkToHelicopter + Script{"pij naf"}, {{text::kDeathDiesel, false}}},
    {"monster's mouth", kDarkHall + Script{"z", "s"}, {{text::kDeathMonsterMouth, true}}},
    {"scream",
     kDarkHall + Script{"s", "z"},
     {{text::kMonsterRoom, false}, {text::kDeathScream, false}}},
    {"spiders", kLightsOut + Script{"s", "z", "z", "j", "v"}, {{text::kDeathSpiders, false}}},
    {"electrocution", kDarkToWirePassage + Script{"j"}, {{text::kDeathElectrocution, false}}},
    {"crocodiles",
     kDarkHall + Script{"v", "v", "v"},
     {{text::kDeathCrocodilesFirst, false}, {text::kDeathCrocodilesSecond, false}}},
    {"spider", kDarkHall + Script{"z", "ber pav"}, {{"oukej", false}, {text::kDeathSpider, true}}},
    {"wire",
     kDarkToWirePassage + Script{"ber drá"},
     {{text::kDeathWireFirst, true}, {text::kDeathWireSecond, true}}},
    {"splinters",
     kDarkHall + Script{"v", "ber kla", "roz kry", "roz kry"},
     {{text::kDeathSplinters, true}}},
    {"wall", kLightsOut + Script{"v"}, {{text::kDeathWall, true}}},
};

int clicks(const GameRig& rig, const std::string& wave) {
    int count = 0;
    for (const auto& [name, volume] : rig.sound.playedOnce) count += name == wave ? 1 : 0;
    return count;
}

TEST(Deaths, InTheDarkEachDeathIsHeardOnlyWhereItSwitchesSpeechOn) {
    for (const DeathCase& death : kDeaths) {
        SCOPED_TRACE(death.name);
        GameRig rig(kTestWorld);
        rig.host.keys.assign(500, " ");  // for the screen-full pauses of the dark
        const Script lines = kNoInstructions + death.script + kNoMore;
        // Only what is spoken from the fatal command on counts.
        const int fatal = static_cast<int>(lines.size()) - 2;
        rig.host.beforeLine = [&rig, fatal](int asked) {
            if (asked == fatal) rig.speech.spoken.clear();
        };
        rig.run(lines);
        const std::string& out = rig.transcript();

        std::size_t from = out.rfind("> " + death.script.back() + "\n");
        ASSERT_NE(from, std::string::npos);
        for (const Said& said : death.said) {
            const std::size_t at = out.find(said.text, from);
            ASSERT_NE(at, std::string::npos) << said.text;
            from = at;
            EXPECT_EQ(rig.spoke(std::string(said.text)), said.spoken) << said.text;
        }
        // Then the death sequence, heard again: the epitaph and the question.
        EXPECT_NE(out.find(text::kEpitaph, from), std::string::npos);
        EXPECT_TRUE(rig.spoke(std::string(text::kEpitaph)));
        EXPECT_TRUE(rig.spoke("Chceš si zahrát ještě jednou? Napiš ano nebo ne"));
        EXPECT_EQ(clicks(rig, "click1"), 21);
        EXPECT_EQ(rig.machine.printsilent, 0);
        EXPECT_THAT(out, EndsWith("Hra i paměť pro ram save smazána.\n"));
    }
}

TEST(Deaths, TheDeathSequenceClicksClearsTheScreenAndSpeaksTheEpitaphLower) {
    GameRig rig;
    rig.run(kNoInstructions + Script{"v", "v", "v"} + kNoMore);
    EXPECT_THAT(
        rig.transcript(),
        HasSubstr("> v\n" + std::string(text::kDeathCrocodilesFirst) +
                  std::string(text::kDeathCrocodilesSecond) + "\n" + std::string(text::kEpitaph) +
                  "\nChceš si zahrát ještě jednou? Napiš ano nebo ne\n> ne\n"));
    EXPECT_EQ(clicks(rig, "click1"), 21);
    // The screen was cleared before the epitaph: it is the first line.
    EXPECT_EQ(toUtf8(rig.machine.printmemo[0]).substr(0, text::kEpitaph.size()), text::kEpitaph);
    const auto& pitches = rig.speech.pitches;
    ASSERT_GE(pitches.size(), 4u);
    EXPECT_EQ(pitches[pitches.size() - 2], 65);
    EXPECT_EQ(pitches.back(), 56);
}

TEST(Deaths, TheLedgeFallFollowsSixtyOneSlippingChords) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions + kFreeAndBack + Script{"z", "z", "s", "z", "s", "z"} + kNoMore);
    ASSERT_EQ(rig.sound.started.size(), 61u);
    for (std::size_t k = 0; k < 61; ++k) {
        const auto& chord = rig.sound.started[k];
        const double base = 900.0 - 10.0 * static_cast<double>(k);
        EXPECT_EQ(chord.durationMs, 10);
        ASSERT_EQ(chord.notes.size(), 4u);
        const char* waves[] = {"snd13", "snd23", "snd33", "snd43"};
        for (std::size_t v = 0; v < 4; ++v) {
            EXPECT_EQ(chord.notes[v].wave, waves[v]);
            EXPECT_EQ(chord.notes[v].rate, 64.0 * (base + 6.0 * static_cast<double>(v)));
        }
    }
    EXPECT_THAT(rig.transcript(), HasSubstr("> z\n" + std::string(text::kDeathLedgeFall) + "\n" +
                                            std::string(text::kEpitaph)));
}

TEST(Deaths, TheShacklesWaitTwoSecondsBeforeTheExecutioner) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions + kFreeAndBack + Script{"z", "z", "ber oko"} + kNoMore);
    // The list's ", " pauses aside, one blocking wait of two seconds.
    EXPECT_EQ(std::count(rig.host.sleeps.begin(), rig.host.sleeps.end(), 2000), 1);
    EXPECT_EQ(rig.host.sleeps.back(), 2000);
    EXPECT_THAT(rig.transcript(), HasSubstr(exchange("ber oko", text::kShacklesClose) +
                                            std::string(text::kDeathShackles)));
}

}  // namespace
}  // namespace ulvora::testing
