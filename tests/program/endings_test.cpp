// How games and runs end: quitting, the play-again question, a failed load,
// the daily limit after the third death, the password claim, the win.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "program/texts.h"
#include "routes.h"

namespace ulvora::testing {
namespace {

namespace text = program::text;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;

const std::string kPlayAgain = "Chceš si zahrát ještě jednou? Napiš ano nebo ne\n";
const Script kCrocodiles = {"v", "v", "v"};  // from the hall: a quick death

int occurrences(const std::string& haystack, std::string_view needle) {
    int count = 0;
    for (auto at = haystack.find(needle); at != std::string::npos;
         at = haystack.find(needle, at + 1)) {
        ++count;
    }
    return count;
}

TEST(Endings, QuitAnsweredNoReturnsToThePromptAndYesAsksToPlayAgain) {
    GameRig rig;
    rig.run(kNoInstructions + Script{"kon", "ne", "kon", "ano", "ne"});
    EXPECT_THAT(rig.transcript(),
                HasSubstr("> kon\nOpravdu chceš skončit? Napiš ano nebo ne\n> ne\n\nco teď?\n"
                          "> kon\nOpravdu chceš skončit? Napiš ano nebo ne\n> ano\n" +
                          kPlayAgain + "> ne\nHra i paměť pro ram save smazána.\n"));
    EXPECT_THAT(rig.transcript(), EndsWith("Hra i paměť pro ram save smazána.\n"));
}

TEST(Endings, QuitIsRefusedInTheSecondPartEntrance) {
    GameRig rig;
    Script lines = walkthrough();
    lines.insert(lines.end() - 2, "kon");
    rig.run(lines);
    EXPECT_THAT(rig.transcript(),
                HasSubstr(exchange("kon",
                                   "Tady by bylo škoda skončit, zkus jiný příkaz a určitě "
                                   "dojdeš svého cíle.") +
                          "\nco teď?\n> ber lís\n"));
}

TEST(Endings, ARestartedGameKeepsTheFlagsButNotThePositionOrTheObjects) {
    GameRig rig;
    rig.run(kNoInstructions + kFreeTheScientist +
            Script{"kon", "ano", "ano", "ne", "inv", "z", "z"} + kQuitRun);
    const std::string& out = rig.transcript();
    // No title for the second game, straight to the instructions question;
    // the hall without its door slamming again, nothing carried.
    EXPECT_THAT(out, HasSubstr(kPlayAgain + "> ano\nchceš instrukce? Napiš ano nebo ne\n> ne\n" +
                               line(text::kEntranceHall) + "Je zde \nkniha, \n"));
    EXPECT_EQ(occurrences(out, text::kTitle), 1);
    EXPECT_EQ(occurrences(out, text::kDoorSlammed), 1);
    EXPECT_THAT(out, HasSubstr(exchange("inv", "Nic sebou neneseš.")));
    // The scientist stays free: the chamber's north exit is open at once.
    EXPECT_THAT(out, HasSubstr("> z\n" + line(text::kTortureChamber) +
                               "\nLze jít \nna sever,\nna východ,\n"));
}

TEST(Endings, AfterTheThirdDeathAnotherGameIsRefusedAndTheDateStored) {
    GameRig rig;
    const Script lines = kNoInstructions + kCrocodiles + Script{"ano", "ne"} + kCrocodiles +
                         Script{"ano", "ne"} + kCrocodiles + Script{"ano"};
    // The last answer comes on the next day: the refusal stores that date.
    rig.host.beforeLine = [&rig, &lines](int asked) {
        if (asked == static_cast<int>(lines.size()) - 1) rig.host.date = {12, 12, 2026};
    };
    rig.run(lines);

    EXPECT_EQ(occurrences(rig.transcript(), text::kEpitaph), 3);
    EXPECT_THAT(rig.transcript(),
                EndsWith(kPlayAgain + "> ano\nDnes už radši né. Nějak ti to nezapaluje. Zkus to "
                                      "zítra.\n"));
    EXPECT_EQ(rig.peek(44070), 12);

    rig.host.beforeLine = nullptr;
    rig.forget();
    rig.run({});
    EXPECT_EQ(rig.transcript(), "Dneska už sis zahrál dost a \n");
}

TEST(Endings, QuittingAndAFailedLoadDoNotUseUpAGame) {
    GameRig rig;
    rig.run(kNoInstructions + Script{"kon", "ano", "ano", "ne", "ram loa", "ano", "ne"} +
            kCrocodiles + Script{"ano", "ne"} + kCrocodiles + Script{"ano", "ne"} + kCrocodiles +
            Script{"ano"});
    const std::string& out = rig.transcript();
    EXPECT_THAT(out, HasSubstr("> ram loa\n" + std::string(text::kNothingSavedFirst) +
                               line(text::kNothingSavedSecond) + kPlayAgain + "> ano\n"));
    EXPECT_EQ(occurrences(out, text::kEpitaph), 3);
    EXPECT_THAT(out, EndsWith("Dnes už radši né. Nějak ti to nezapaluje. Zkus to zítra.\n"));
}

TEST(Endings, DecliningAnotherGameAfterADeathEndsTheRun) {
    GameRig rig;
    rig.run(kNoInstructions + kCrocodiles + kNoMore);
    EXPECT_THAT(rig.transcript(), EndsWith(line(text::kEpitaph) + kPlayAgain +
                                           "> ne\nHra i paměť pro ram save smazána.\n"));
}

const Script kToWirePassage = kNoInstructions + kFreeTheScientist + Script{"s", "z"};

TEST(Endings, ClaimingToKnowThePasswordEndsTheRunAtOnce) {
    GameRig rig;
    rig.run(kToWirePassage + Script{"pro náp", "ano", "ano"});
    EXPECT_THAT(rig.transcript(), EndsWith("> pro náp\n" + line(text::kInscriptionQuestion) +
                                           "> ano\n" + "A znáš heslo? Napiš ano nebo ne\n> ano\n" +
                                           std::string(text::kCheat) + "\n"));
    EXPECT_THAT(rig.transcript(), Not(HasSubstr(kPlayAgain)));
}

TEST(Endings, InscriptionQuestionsTakeOnlyAnNAsNo) {
    GameRig rig;
    rig.run(kToWirePassage + Script{"pro náp", "ne", "pro náp", "ano", "nevím", "pro náp", "", ""});
    const std::string& out = rig.transcript();
    EXPECT_THAT(out,
                HasSubstr("> pro náp\n" + line(text::kInscriptionQuestion) + "> ne\n\nco teď?\n"));
    EXPECT_THAT(out, HasSubstr("> ano\nA znáš heslo? Napiš ano nebo ne\n> nevím\n" +
                               line(text::kHonestAnswer) + "\nco teď?\n"));
    // Empty answers are yes, even after an earlier "nevím".
    EXPECT_THAT(out, EndsWith("> \nA znáš heslo? Napiš ano nebo ne\n> \n" +
                              std::string(text::kCheat) + "\n"));
}

TEST(Endings, ARunThatEndsInTheDarkLeavesPrintingSilent) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions + kLightsOut + kQuitRun);
    EXPECT_EQ(rig.machine.printsilent, 1);
    EXPECT_FALSE(rig.spoke("Hra i paměť pro ram save smazána."));
    EXPECT_TRUE(rig.spoke("co teď?"));
}

}  // namespace
}  // namespace ulvora::testing
