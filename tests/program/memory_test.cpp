// "ram sav" and "ram loa": what is saved where, the order of restoring and
// testing on a load, the three loads of a run.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "program/texts.h"
#include "routes.h"

namespace ulvora::testing {
namespace {

namespace text = program::text;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;

const std::string kPrompt = "\nco teď?\n";
const std::string kHallExits = "\nLze jít \nna sever,\nna východ,\nna západ,\n";

TEST(SavedPositions, SaveStoresTheNineVariablesAndACopyOfTheObjectTable) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions + kFreeAndBack + Script{"ber mas", "s", "ram sav"} + kQuitRun);
    EXPECT_THAT(rig.transcript(), HasSubstr(exchange("ram sav", "Situace nahrána v paměti.")));
    // row, col, freed, warned, leafletout, breaking, secretdoor, dark, carried
    const int registers[] = {8, 5, 1, 0, 0, 0, 0, 0, 1};
    for (int k = 0; k < 9; ++k) EXPECT_EQ(rig.peek(44100 + k), registers[k]) << 44100 + k;
    // Nothing moved after the save, so the copy equals the table.
    for (int a = 44000; a <= 44070; ++a) EXPECT_EQ(rig.peek(a + 200), rig.peek(a)) << a;
    EXPECT_EQ(rig.peek(44212), 15);  // the key was gone when saved
    EXPECT_EQ(rig.peek(44271), 0);
}

TEST(SavedPositions, LoadRestoresPositionFlagsAndObjectsThenDescribesTheRoom) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions + Script{"ram sav"} + kFreeAndBack +
            Script{"ber kni", "v", "ram loa", "inv", "z", "z"} + kQuitRun);
    const std::string& out = rig.transcript();
    EXPECT_THAT(out, HasSubstr("> ram loa\nSituace v pořádku nahrána.\n" +
                               line(text::kEntranceHall) + "Je zde \nkniha, \nklíč, \nmaska, \n" +
                               kHallExits + kPrompt + exchange("inv", "Nic sebou neneseš.")));
    // The scientist is in the shackles again: freed came back as 0.
    EXPECT_THAT(out, HasSubstr("> z\n" + line(text::kTortureChamber) + line(text::kScientistSoul) +
                               line(text::kSoulPleads)));
}

TEST(SavedPositions, AFourthLoadIsRefusedButThePositionIsAlreadyRestored) {
    GameRig rig;
    rig.run(kNoInstructions +
            Script{"ram sav", "ram loa", "ram loa", "ram loa", "ber kni", "v", "ram loa", "mís",
                   "inv"} +
            kQuitRun);
    const std::string& out = rig.transcript();
    EXPECT_THAT(out, HasSubstr("> ram loa\nOperace s pamětí může být použita pouze třikrát.\n" +
                               kPrompt + "> mís\n" + line(text::kEntranceHall) + kHallExits +
                               kPrompt + "> inv\nVe tvých rukou je \nkniha, \nco teď?\n"));
    int loaded = 0;
    for (auto at = out.find("Situace v pořádku nahrána."); at != std::string::npos;
         at = out.find("Situace v pořádku nahrána.", at + 1)) {
        ++loaded;
    }
    EXPECT_EQ(loaded, 3);
}

TEST(SavedPositions, LoadingWhenNothingWasSavedLeadsToThePlayAgainQuestion) {
    GameRig rig;
    rig.run(kNoInstructions + Script{"ram load"} + kNoMore);
    EXPECT_THAT(rig.transcript(), EndsWith("> ram load\n" + std::string(text::kNothingSavedFirst) +
                                           line(text::kNothingSavedSecond) +
                                           "Chceš si zahrát ještě jednou? Napiš ano nebo ne\n> ne\n"
                                           "Hra i paměť pro ram save smazána.\n"));
}

TEST(SavedPositions, SavingAfterTheLastTeleportCountsAsNothingSaved) {
    GameRig rig;
    Script lines = walkthrough();
    lines.erase(lines.end() - 2, lines.end());
    rig.run(lines + Script{"ram sav", "ram loa"} + kNoMore);
    EXPECT_THAT(
        rig.transcript(),
        HasSubstr(exchange("ram sav", "Situace nahrána v paměti.") + kPrompt + "> ram loa\n" +
                  std::string(text::kNothingSavedFirst) + line(text::kNothingSavedSecond)));
}

TEST(SavedPositions, ASavedPositionDoesNotOutliveItsRun) {
    GameRig rig;
    rig.run(kNoInstructions + Script{"ram sav"} + kQuitRun);
    rig.host.date.day += 1;
    rig.forget();
    rig.run(kNoInstructions + Script{"ram loa"} + kNoMore);
    EXPECT_THAT(rig.transcript(), HasSubstr("> ram loa\n" + std::string(text::kNothingSavedFirst)));
}

TEST(SavedPositions, APositionSavedInTheLightLoadedInTheDarkStaysUnspoken) {
    GameRig rig(kTestWorld);
    const Script lines = kNoInstructions + Script{"ram sav"} + kLightsOut +
                         Script{"ram loa", "inv", "tel", "inv"} + kQuitRun;
    const int load = static_cast<int>(kNoInstructions.size() + 1 + kLightsOut.size());
    rig.host.beforeLine = [&rig, load](int asked) {
        if (asked == load) rig.speech.spoken.clear();
    };
    rig.run(lines);
    // The load brought back the light (dark 0), but printing stayed silent:
    // the prompt no longer switches speech on, so nothing is heard...
    EXPECT_FALSE(rig.spoke("Situace v pořádku nahrána."));
    EXPECT_FALSE(rig.spoke(std::string(text::kEntranceHall)));
    // ...until the teleport switches it on: of the two equal inventories,
    // only the second is heard, and of the four prompts the last two.
    EXPECT_EQ(std::count(rig.speech.spoken.begin(), rig.speech.spoken.end(), "co teď?"), 2);
    EXPECT_TRUE(
        rig.spoke("K teleportování časoprostorem lze využít jen teleportačních "
                  "místností."));
    EXPECT_EQ(std::count(rig.speech.spoken.begin(), rig.speech.spoken.end(), "Nic sebou neneseš."),
              1);
    EXPECT_THAT(rig.transcript(),
                HasSubstr("> ram loa\nSituace v pořádku nahrána.\n" + line(text::kEntranceHall)));
}

}  // namespace
}  // namespace ulvora::testing
