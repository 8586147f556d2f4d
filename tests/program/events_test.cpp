// The events: darkness and the lever, teleport room 2, the teleport and its
// flights, the burning room's counter, the burning door, the cube and the
// board, the leaflet, the torture chamber, the diskette, the book, the ledge
// and the monster room.
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
using ::testing::Not;

int spokenCount(const GameRig& rig, std::string_view text) {
    return static_cast<int>(std::count(rig.speech.spoken.begin(), rig.speech.spoken.end(), text));
}

const std::string kPrompt = "\nco teď?\n";

TEST(Darkness, LeverPutsOutTheLightsClearsTheScreenAndSilencesReplies) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions + kLightsOut + Script{"inv", "sti pák", "inv"} + kQuitRun);
    const std::string& out = rig.transcript();
    EXPECT_THAT(out, HasSubstr(exchange("sti pák", text::kLightsOff) + kPrompt +
                               "> inv\nVe tvých rukou je \nmaska, \nco teď?\n> sti pák\n" +
                               line(text::kLeverByTouch) + line(text::kLetThereBeLight) +
                               line(text::kThereWasLight) + kPrompt));
    EXPECT_EQ(spokenCount(rig, text::kLightsOff), 1);
    // In the dark only the prompt is heard; after the lever, replies again.
    EXPECT_EQ(spokenCount(rig, "Ve tvých rukou je "), 1);
    EXPECT_EQ(spokenCount(rig, text::kLeverByTouch), 1);
    EXPECT_EQ(spokenCount(rig, text::kThereWasLight), 1);
    const auto& pitches = rig.speech.pitches;
    EXPECT_EQ(std::vector<double>(pitches.end() - 2, pitches.end()), (std::vector<double>{70, 56}));
}

std::string screenRow(const GameRig& rig, int row) {
    std::string text = toUtf8(rig.machine.printmemo.at(static_cast<std::size_t>(row)));
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

TEST(Darkness, TheScreenIsClearedWhenTheLightsGoOut) {
    GameRig rig(kTestWorld);
    const int firstDarkPrompt = static_cast<int>(kNoInstructions.size() + kLightsOut.size());
    bool checked = false;
    rig.host.beforeLine = [&](int asked) {
        if (asked != firstDarkPrompt) return;
        checked = true;
        EXPECT_EQ(screenRow(rig, 0), "");
        EXPECT_EQ(screenRow(rig, 1), "co teď?");
        for (int row = 2; row < 24; ++row) EXPECT_EQ(rig.machine.printmemo[row], "") << row;
    };
    rig.run(kNoInstructions + kLightsOut + kQuitRun);
    EXPECT_TRUE(checked);
}

TEST(Darkness, TeleportRoomTwoThrowsThePlayerOutOnlyInTheLight) {
    GameRig light(kTestWorld);
    light.run(kNoInstructions + kToRegulator + Script{"j"} + kQuitRun);
    EXPECT_THAT(light.transcript(),
                HasSubstr(exchange("j", text::kBlindingLight) + line(text::kRegulatorRoom) +
                          "\nLze jít \nna sever,\nna jih,\n" + kPrompt));

    GameRig dark(kTestWorld);
    dark.run(kNoInstructions + kLightsOut + Script{"j"} + kQuitRun);
    EXPECT_THAT(dark.transcript(), HasSubstr("> j\n\nLze jít \nna sever,\n" + kPrompt));
    EXPECT_EQ(spokenCount(dark, "na sever,"), spokenCount(light, "na sever,") - 1);
}

TEST(Teleport, OnlyTheTeleportRoomsTeleportAndOnlyWithTheBoard) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions + kFreeAndBack + Script{"tel", "z", "z", "s", "z", "z", "j", "tel"} +
            kQuitRun);
    EXPECT_THAT(rig.transcript(), HasSubstr(exchange("tel",
                                                     "K teleportování časoprostorem lze využít jen "
                                                     "teleportačních místností.")));
    EXPECT_THAT(rig.transcript(), HasSubstr(exchange("tel", "K teleportu ti něco chybí.")));
}

TEST(Teleport, FlightPlaysTheRisingAndFallingSweepsAroundAOneSecondWait) {
    GameRig rig(kTestWorld);
    const Script toTeleport =
        kNoInstructions + kFreeAndBack +
        Script{"v", "ber kla", "roz kry", "ber des", "pol kla", "z", "z", "z", "s", "z", "z", "j"};
    rig.host.beforeLine = [&rig, &toTeleport](int asked) {
        if (asked == static_cast<int>(toTeleport.size())) rig.forget();
    };
    rig.run(toTeleport + Script{"tel"} + kQuitRun);

    ASSERT_EQ(rig.sound.started.size(), 132u);
    for (std::size_t k = 0; k < 66; ++k) {
        const auto up = rig.sound.started[k];
        const auto down = rig.sound.started[66 + k];
        ASSERT_EQ(up.notes.size(), 1u);
        EXPECT_EQ(up.notes[0].wave, "snd11");
        EXPECT_EQ(up.notes[0].rate, 64.0 * (700 + 20 * static_cast<double>(k)));
        EXPECT_EQ(down.notes[0].rate, 64.0 * (2000 - 20 * static_cast<double>(k)));
        EXPECT_EQ(up.durationMs, 10);
        EXPECT_EQ(down.durationMs, 10);
    }
    EXPECT_EQ(std::count(rig.host.sleeps.begin(), rig.host.sleeps.end(), 1000), 1);
    EXPECT_THAT(rig.transcript(),
                HasSubstr("> tel\nVše okolo tebe se ztratilo v záři světla.\nLetíš "
                          "časoprostorem.\n" +
                          line(text::kEntranceHall) + "Je zde \nkniha, \nmaska, \n"));
}

TEST(Teleport, InTheDarkTheFlightIsHeardButTheLandingIsNot) {
    GameRig rig(kTestWorld);
    rig.host.keys.assign(200, " ");
    const Script toTeleport = kNoInstructions + kFreeAndBack +
                              Script{"v", "ber kla", "roz kry", "ber des", "pol kla", "z"} +
                              kLightsOut + kRegulatorToHall + Script{"z", "z", "s", "z", "z", "j"};
    rig.host.beforeLine = [&rig, &toTeleport](int asked) {
        if (asked == static_cast<int>(toTeleport.size())) rig.speech.spoken.clear();
    };
    rig.run(toTeleport + Script{"tel"} + kQuitRun);
    EXPECT_TRUE(rig.spoke("Vše okolo tebe se ztratilo v záři světla."));
    EXPECT_TRUE(rig.spoke("Letíš časoprostorem."));
    EXPECT_FALSE(rig.spoke(std::string(text::kEntranceHall)));
    EXPECT_THAT(rig.transcript(), HasSubstr("Letíš časoprostorem.\n" + line(text::kEntranceHall)));
}

TEST(Teleport, TheLastFlightLosesEverythingButTheNoteAndSwitchesTheLightOn) {
    GameRig rig;
    Script lines = walkthrough();
    lines.insert(lines.end() - 2, "inv");
    rig.run(lines);
    for (int a = 44000; a <= 44064; ++a) ASSERT_EQ(rig.peek(a), 0) << a;
    EXPECT_EQ(rig.peek(44068), 14);  // the note's record is intact
    EXPECT_THAT(rig.transcript(),
                HasSubstr("Při letu časoprostorem jsi ztratil veškeré předměty, které jsi měl u "
                          "sebe.\n" +
                          line(text::kSecondEntrance) +
                          "Je zde \nlístek, \n\nZ této místnosti nevede žádný východ.\n" + kPrompt +
                          exchange("inv", "Nic sebou neneseš.")));
    EXPECT_TRUE(rig.spoke(std::string(text::kSecondEntrance)));
    EXPECT_TRUE(rig.spoke("Nic sebou neneseš."));
}

TEST(BurningRoom, FourthCommandInARunKillsEvenAcrossGames) {
    GameRig rig(kTestWorld);
    // First game: two commands in the burning room, then quit elsewhere.
    const Script game = kHallToDebris + Script{"ber ska", "z", "inv"};
    rig.run(kNoInstructions + game + Script{"v", "kon", "ano", "ano", "ne"} + game + Script{"inv"} +
            kNoMore);
    const std::string& out = rig.transcript();
    EXPECT_THAT(out, EndsWith("> inv\nVe tvých rukou je \nskafandr, \nco teď?\n> inv\n" +
                              line(text::kDeathBurntSpacesuit) + line(text::kEpitaph) +
                              "Chceš si zahrát ještě jednou? Napiš ano nebo ne\n> ne\n"
                              "Hra i paměť pro ram save smazána.\n"));
}

TEST(BurningRoom, TheSuitKeepsThePlayerAliveThereForThreeCommands) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions + kHallToDebris + Script{"ber ska", "z", "inv", "inv", "v"} + kQuitRun);
    EXPECT_THAT(rig.transcript(), HasSubstr("> z\n" + line(text::kBurningRoom) +
                                            "\nLze jít \nna východ,\n" + kPrompt));
    EXPECT_THAT(rig.transcript(), HasSubstr("> v\n" + line(text::kDebrisRoom)));
    EXPECT_THAT(rig.transcript(), Not(HasSubstr(std::string(text::kEpitaph))));
}

TEST(BurningDoor, TheSpacesuitDoesNotSaveThePlayer) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions + Script{"ber klí"} + kHallToDebris +
            Script{"ber ska", "v", "v", "j", "z", "z", "j", "z", "z", "s", "s", "sti kno"} +
            kNoMore);
    EXPECT_THAT(rig.transcript(),
                HasSubstr(exchange("sti kno", text::kBurningDoorOpens) +
                          std::string(text::kDeathSpacesuitFailedFirst) +
                          line(text::kDeathSpacesuitFailedSecond) + line(text::kEpitaph)));
}

TEST(Cube, BreakingStepsFromTheToolToTheSplinters) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions +
            Script{"v",       "roz kry", "ber kla", "ber kry", "pro kry", "roz kry",
                   "pol kry", "roz kni", "roz kry", "mís",     "pro kry", "ber kry",
                   "inv",     "z",       "ber kry", "roz kry", "roz kni", "s",
                   "roz kry", "j",       "v",       "roz kry"} +
            kNoMore);
    const std::string& out = rig.transcript();
    EXPECT_THAT(out, HasSubstr(exchange("roz kry", "Nemáš nástroj, kterým bys mohl rozbíjet.")));
    EXPECT_THAT(out, HasSubstr(exchange("pro kry", text::kIntactCubeDescription)));
    EXPECT_THAT(out,
                HasSubstr(exchange("roz kry", "Polož si, co chceš rozbít, ještě si ublížíš.")));
    EXPECT_THAT(out, HasSubstr(exchange("roz kni", "Tento předmět nemůžeš rozbít.")));
    EXPECT_THAT(out, HasSubstr(exchange("roz kry", text::kCubeSmashed) + kPrompt + "> mís\n" +
                               line(text::kJewelCorridor1) +
                               "Je zde \nkrychle, \ndeska s písmenem té, \n"));
    // The broken cube lying here can be looked at but not taken.
    EXPECT_THAT(out, HasSubstr(exchange("pro kry", text::kBrokenCubeDescription)));
    EXPECT_THAT(out,
                HasSubstr(exchange("ber kry", "Ještě by ses pořezal, ty nemotorné, obézní slůně!") +
                          kPrompt + "> inv\nVe tvých rukou je \nkladivo, \n"));
    // In the hall, with the book lying there, the broken cube elsewhere
    // still gets the cut warning.
    EXPECT_THAT(out, HasSubstr("> ber kry\nJeště by ses pořezal, ty nemotorné, obézní slůně!\n" +
                               kPrompt + "> roz kry\n"));
    // In the hall, same row as the cube: "kry" falls through to press.
    EXPECT_THAT(out, HasSubstr(exchange("roz kry", text::kCannotPress) + kPrompt +
                               exchange("roz kni", text::kNothingToBreak)));
    // In the arrow room, another row.
    EXPECT_THAT(out, HasSubstr("> s\n" + line(text::kArrowRoom)));
    EXPECT_THAT(out, HasSubstr(exchange("roz kry", text::kNothingToBreak)));
    EXPECT_THAT(out, HasSubstr(exchange("roz kry", text::kDeathSplinters)));
}

TEST(Leaflet, FallsOutOfTheSpacesuitOnlyOnce) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions + kHallToDebris +
            Script{"ber ska", "pro ska", "pro ska", "mís", "ber let", "pro let"} + kQuitRun);
    const std::string& out = rig.transcript();
    EXPECT_THAT(out, HasSubstr(exchange("pro ska", text::kSpacesuitDescription) +
                               "Ze skafandru něco vypadlo.\n" + kPrompt +
                               exchange("pro ska", text::kSpacesuitDescription) + kPrompt +
                               "> mís\n" + line(text::kDebrisRoom) +
                               line(text::kDebrisNothingElse) + "Je zde \nletáček, \n"));
    EXPECT_THAT(out, HasSubstr(exchange("pro let", text::kLeafletDescription)));
}

TEST(TortureChamber, TheKeyFreesTheScientistEvenWithFullHands) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions +
            Script{"z", "z", "pro oko", "v", "v", "ber klí", "ber mas", "ber kni", "z", "z", "inv",
                   "pro oko", "mís"} +
            kQuitRun);
    const std::string& out = rig.transcript();
    EXPECT_THAT(out, HasSubstr(line(text::kTortureChamber) + line(text::kScientistSoul) +
                               line(text::kSoulPleads) + "\nLze jít \nna východ,\n" + kPrompt +
                               exchange("pro oko", text::kShacklesUnapproachable)));
    EXPECT_THAT(out, HasSubstr(line(text::kTortureChamber) + line(text::kScientistSoul) +
                               line(text::kSoulFreed) + line(text::kKeyVanished) +
                               "Na severu se objevil průchod.\n\nLze jít \nna sever,\nna "
                               "východ,\n" +
                               kPrompt + "> inv\nVe tvých rukou je \nkniha, maska, \nco teď?\n"));
    EXPECT_THAT(out, HasSubstr(exchange("pro oko", text::kShacklesEmpty)));
    // Described again: no soul, and the way north stays open.
    EXPECT_THAT(out, HasSubstr("> mís\n" + line(text::kTortureChamber) +
                               "\nLze jít \nna sever,\nna východ,\n"));
    EXPECT_EQ(rig.peek(44012), 15);
}

TEST(Diskette, TheComputerReadsItOnceAndTheSecretDoorOpens) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions + kFreeAndBack +
            Script{"ber kni", "z", "z", "s", "pol kni", "pro obr", "pro poč", "smě"} + kQuitRun);
    const std::string& out = rig.transcript();
    // Entering with the diskette lying there: the event, then straight to
    // the prompt without the objects or the exits.
    const std::string screen = std::string(text::kDisketteScreen[1]) +
                               line(text::kDisketteScreen[2]) + line(text::kDisketteScreen[3]);
    EXPECT_THAT(
        out,
        HasSubstr("> s\n" + line(text::kComputerRoom) + std::string(text::kDisketteScreen[0]) +
                  screen + line(text::kDisketteStuck) + line(text::kSecretDoorOpened) + kPrompt +
                  exchange("pol kni", "položeno") + kPrompt + "> pro obr\n" + screen + kPrompt +
                  exchange("pro poč", text::kSeeComputer) + line(text::kSeeComputerJammed) +
                  kPrompt + "> smě\n\nLze jít \nna sever,\nna jih,\nna západ,\n"));
    EXPECT_EQ(rig.peek(44022), 15);
}

TEST(Diskette, BeforeItIsReadTheScreenIsOff) {
    GameRig rig;
    rig.run(kNoInstructions + kFreeTheScientist + Script{"s", "pro obr", "pro poč", "s"} +
            kQuitRun);
    EXPECT_THAT(rig.transcript(), HasSubstr(exchange("pro obr", "Obrazovka je vypnutá.") + kPrompt +
                                            exchange("pro poč", text::kSeeComputer) + kPrompt +
                                            exchange("s", "Tímto směrem se nedá jít.") +
                                            "\nLze jít \nna jih,\nna západ,\n"));
}

std::string bookMenu() {
    return "OBSAH:\n\n1 =Obecný popis hry,\n2 =podrobný popis příkazů,\n3 =rada autorů,\n"
           "4 =zavřít knihu.\nNapiš 1, 2, 3 nebo 4\n";
}

TEST(Book, MenuChoicesAndTheRetypeRule) {
    GameRig rig;
    rig.run(
        kNoInstructions +
        Script{"pro kni", "ber kni", "pro kni", "abc", "7", "0.5", "4.5", "1", "2.9", "3", "4"} +
        kQuitRun);
    const std::string expected =
        exchange("pro kni", "Tuto věc nelze zkoumat nebo ji nemáš u sebe.") + kPrompt +
        exchange("ber kni", "oukej") + kPrompt + exchange("pro kni", text::kBookIsManual) +
        bookMenu() + "> abc\nProsím přepiš\n> 7\n" +
        "Musíš psát jen číslo mezi jedničkou a čtyřkou!\n" + bookMenu() + "> 0.5\n" +
        "Musíš psát jen číslo mezi jedničkou a čtyřkou!\n" + bookMenu() + "> 4.5\n" +
        "Musíš psát jen číslo mezi jedničkou a čtyřkou!\n" + bookMenu() + "> 1\n" +
        line(text::kBookGeneral[0]) + line(text::kBookGeneral[1]) + line(text::kBookGeneral[2]) +
        bookMenu() + "> 2.9\n" + std::string(text::kBookCommands[0]) +
        line(text::kBookCommands[1]) + std::string(text::kBookCommands[2]) +
        line(text::kBookCommands[3]) + line(text::kBookCommands[4]) + line(text::kBookCommands[5]) +
        bookMenu() + "> 3\n" + line(text::kBookAdviceFirst) + "\n" + line(text::kBookAdviceWishes) +
        bookMenu() + "> 4\nZavřel jsi knihu.\n" + kPrompt;
    EXPECT_THAT(rig.transcript(), HasSubstr(expected));
}

TEST(Ledge, TheRopeCarriesThePlayerAcrossBothWays) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions + kFreeAndBack +
            Script{"z", "z", "s", "z", "s", "ber lan", "z", "pro kou", "ber kou", "v"} + kQuitRun);
    const std::string& out = rig.transcript();
    EXPECT_THAT(out, HasSubstr("> z\n" + line(text::kRopeHelped) + line(text::kCrumblingEdge) +
                               "\nLze jít \nna sever,\nna východ,\n"));
    EXPECT_THAT(out, HasSubstr(exchange("pro kou", text::kSeeGroundPiece)));
    EXPECT_THAT(out, HasSubstr(exchange("ber kou", text::kTakeWholeRoom)));
    EXPECT_THAT(out, HasSubstr("> v\n" + line(text::kRopeHelped) + line(text::kBrokenStairs)));
    EXPECT_TRUE(rig.sound.started.empty());
}

TEST(MonsterRoom, FromTheTortureCorridorItsMouthKillsEvenAfterTheWarning) {
    GameRig rig;
    rig.run(kNoInstructions + kGetDecipherer + Script{"s", "pro zna", "j", "z", "s"} + kNoMore);
    EXPECT_THAT(rig.transcript(),
                HasSubstr(exchange("s", text::kDeathMonsterMouth) + line(text::kEpitaph)));
}

TEST(MonsterRoom, FromTheArrowRoomTheWarnedPlayerStaysQuiet) {
    GameRig rig;
    rig.run(kNoInstructions + kGetDecipherer + Script{"s", "pro zna", "z", "mís"} + kQuitRun);
    const std::string room = line(text::kMonsterRoom) + line(text::kStayQuiet) +
                             "Je zde \nklíč, \n\nLze jít \nna východ,\n" + kPrompt;
    EXPECT_THAT(rig.transcript(), HasSubstr("> z\n" + room + "> mís\n" + room));
}

}  // namespace
}  // namespace ulvora::testing
