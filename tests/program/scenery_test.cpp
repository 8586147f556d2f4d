// The examine table and the take refusals, room by room, checked against
// the rows they must match (first match wins), and the descriptions of the
// carried objects.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "program/texts.h"
#include "routes.h"

namespace ulvora::testing {
namespace {

namespace text = program::text;
using ::testing::HasSubstr;

const std::string kCannotExamine = "Tuto věc nelze zkoumat nebo ji nemáš u sebe.";
const std::string kCannotTake = "Tuto věc nelze sebrat!";

struct Exchange {
    std::string typed;
    std::string reply;
};

struct RoomVisit {
    const char* room;
    Script route;  // test world, from the hall, scientist freed, mask carried
    std::vector<Exchange> exchanges;
};

std::string s(std::string_view text) {
    return std::string(text);
}

const Script kFreedWithMask = kFreeAndBack + Script{"ber mas"};

const RoomVisit kVisits[] = {
    {"entrance hall",
     {},
     {{"pro kru", s(text::kSeeLightCircle)},
      {"pro hal", s(text::kSeeHall)},
      {"pro zem", "Zem jako zem. Co na tom sejde."},
      {"pro pod", "Zem jako zem. Co na tom sejde."},
      {"pro mís", s(text::kAllInDescription)},
      {"pro výz", s(text::kAllInDescription)},
      {"pro cih", s(text::kSeeBricks)},
      {"pro zeď", s(text::kSeeWall)},
      {"pro stě", s(text::kSeeWall)},
      {"pro zdi", s(text::kSeeWall)},
      {"pro mal", s(text::kSeeMortar)},
      {"pro str", s(text::kSeeCeiling)},
      {"pro cho", kCannotExamine},
      {"pro hák", kCannotExamine},
      {"pro mas", s(text::kMaskDescription)},
      {"ber zem", s(text::kNoSpade)},
      {"ber pod", s(text::kNoSpade)},
      {"ber mís", s(text::kRoomTooBig)},
      {"ber cih", s(text::kBricksStuck)},
      {"ber mal", s(text::kMortarAlone)},
      {"ber zeď", s(text::kWallsTooBig)},
      {"ber zdi", s(text::kWallsTooBig)},
      {"ber stě", s(text::kWallsTooBig)},
      {"ber str", s(text::kCeilingOutOfReach)},
      {"ber výz", "Ze stěn nic nejde servat."},
      {"ber hal", s(text::kHallNotTaken)},
      {"ber kru", s(text::kCircleJumpsBack)},
      {"ber cho", kCannotTake}}},
    {"torture corridor",
     {"z"},
     {{"pro pav", s(text::kSeeSpider)},
      {"pro kru", s(text::kCircleTooFar)},
      {"pro cho", s(text::kAllInDescription)},
      {"pro hal", kCannotExamine},
      {"ber cho", s(text::kCorridorNotTaken)},
      {"ber kru", kCannotTake}}},
    {"torture chamber",
     {"z", "z"},
     {{"pro oko", s(text::kShacklesEmpty)},
      {"pro muč", s(text::kSeeTortureChamber)},
      {"ber muč", s(text::kExecutionerNear)}}},
    {"computer room",
     {"z", "z", "s"},
     {{"pro kno", s(text::kSeeInstrumentButtons)},
      {"pro pří", s(text::kSeeInstruments)},
      {"pro bud", s(text::kSeeInstruments)},
      {"pro páč", s(text::kSeeInstrumentLevers)},
      {"pro pul", "Na pultu jsou nějaké papíry a počítač."},
      {"pro pap", "Na papírech jsou nějaká písmena."},
      {"pro pís", "Z písmen jsou složeny nějaké věty."},
      {"pro vět", s(text::kSeeSentences)},
      {"pro lab", s(text::kSeeLaboratory)},
      {"ber obr", s(text::kScreenScrewed)},
      {"ber poč", s(text::kComputerFixed)},
      {"ber pul", s(text::kDeskFixed)},
      {"ber lab", s(text::kLaboratoryNotTaken)}}},
    {"wire passage",
     {"z", "z", "s", "z"},
     {{"pro drá", s(text::kSeeRedWire)},
      {"pro kab", "Kabel je černý a tlustý."},
      {"pro prů", s(text::kSeePassage)},
      {"ber kab", s(text::kCableAnchored)}}},
    {"generator room",
     {"z", "z", "s", "z", "z"},
     {{"pro agr", s(text::kSeeGenerator)},
      {"pro fil", s(text::kSeeFilter)},
      {"ber fil", s(text::kLeaveFilter)}}},
    {"broken stairs",
     {"z", "z", "s", "z", "s"},
     {{"pro pro", s(text::kSeeAbyss)},
      {"pro sch", s(text::kSeeStairs)},
      {"pro kou", s(text::kSeeGroundPiece)},
      {"pro řím", s(text::kSeeLedge)},
      {"ber sch", s(text::kStairsTooBig)},
      {"ber kou", s(text::kTakeWholeRoom)},
      {"ber pro", kCannotTake}}},
    {"crumbling edge",
     {"z", "z", "s", "z", "s", "ber lan", "z"},
     {{"pro pro", s(text::kSeeAbyss)},
      {"pro kou", s(text::kSeeGroundPiece)},
      {"pro str", kCannotExamine},
      {"pro hák", s(text::kSeeHook)},
      {"pro lan", s(text::kRopeDescription)},
      {"ber pro", s(text::kAbyssGoCloser)},
      {"ber kou", s(text::kTakeWholeRoom)},
      {"ber str", kCannotTake}}},
    {"helicopter room",
     {"z", "z", "s", "s"},
     {{"pro kno", s(text::kSeeButton)},
      {"pro dve", s(text::kSeeDoor)},
      {"pro náp", s(text::kDoorInscriptionFirst) + s(text::kDoorInscriptionSecond)},
      {"pro kal", s(text::kSeeDiesel)},
      {"pro naf", s(text::kSeeDiesel)},
      {"pro vrt", s(text::kSeeHelicopter)},
      {"pro hel", s(text::kSeeHelicopter)},
      {"pro okn", s(text::kSeeRoofWindow)},
      {"pro skl", "Sklo je popraskané, tak bacha na to."},
      {"ber kal", s(text::kDieselNoVessel)},
      {"ber naf", s(text::kDieselNoVessel)}}},
    {"arrow room",
     {"s"},
     {{"pro zna", s(text::kSignsUnreadable)},
      {"pro šip", "Šipka ukazuje na západ."},
      {"ber zna", s(text::kSignsAreRelic)},
      {"ber šip", s(text::kSignsAreRelic)},
      {"ber deš", "oukej"},
      {"pro deš", s(text::kDeciphererDescription)},
      {"pro zna", s(text::kSignsDeciphered)}}},
    {"monster room", {"s", "ber deš", "pro zna", "z"}, {{"pro pří", s(text::kSeeMonster)}}},
    {"window corridor",
     {"s", "v"},
     {{"pro okn", s(text::kSeeSealedWindow)},
      {"pro cho", s(text::kAllInDescription)},
      {"ber cho", s(text::kCorridorNotTaken)}}},
    {"scientists' store",
     {"s", "v", "v"},
     {{"pro skl", s(text::kAllInDescription)}, {"ber skl", s(text::kStoreTooBig)}}},
    {"north store",
     {"s", "v", "v", "s"},
     {{"pro skl", s(text::kAllInDescription)}, {"ber skl", s(text::kStoreTooBig)}}},
    {"support room",
     {"s", "v", "v", "s", "v"},
     {{"pro pák", s(text::kSeeSupportLever)}, {"pro slo", s(text::kSeeColumn)}}},
    {"gas room",
     {"s", "v", "v", "s", "v", "v"},
     {{"pro kac", s(text::kSeeTiles)},
      {"pro pra", s(text::kSeeCrack)},
      {"pro tru", s(text::kSeeEmptyPipe)},
      {"pro ply", s(text::kSeeGas)},
      {"ber ply", s(text::kGasNotNeeded)}}},
    {"regulator room",
     {"s", "v", "v", "s", "v", "v", "j"},
     {{"pro pák", s(text::kSeeRegulatorLever)},
      {"pro ced", s(text::kSeeRegulatorSign)},
      {"pro reg", s(text::kSeeRegulator)}}},
    {"new laboratory",
     {"s", "v", "v", "s", "z"},
     {{"pro tru", s(text::kSeeYellowPipes)},
      {"pro pří", s(text::kSeeNewInstruments)},
      {"pro stě", s(text::kSeeGlassWall)},
      {"pro ced", "Na cedulce je nějaký text."},
      {"pro tex", s(text::kSeeSignText)},
      {"pro lab", s(text::kSeeLaboratory)},
      {"ber lab", s(text::kLaboratoryNotTaken)},
      {"ber stě", s(text::kWallsTooBig)}}},
    {"debris room",
     {"s", "v", "v", "s", "z", "z"},
     {{"pro tru", s(text::kSeeYellowPipes)},
      {"pro trh", s(text::kSeeCracks)},
      {"pro úlo", s(text::kSeeDebris)},
      {"ber úlo", s(text::kDebrisStuck)},
      {"ber trh", s(text::kCracksNotTaken)},
      {"ber ska", "oukej"},
      {"pro ska", s(text::kSpacesuitDescription) + "\nZe skafandru něco vypadlo."}}},
    // Three commands at most in the burning room: the quit is the third.
    {"burning room 1",
     {"s", "v", "v", "s", "z", "z", "ber ska", "z"},
     {{"pro tru", s(text::kSeeBentPipes)}, {"pro ply", "Plyn hoří, nebo tak něco."}}},
    {"burning room 2",
     {"s", "v", "v", "s", "z", "z", "ber ska", "z"},
     {{"pro lak", s(text::kSeePaint)}, {"pro ohe", s(text::kSeeFire)}}},
    {"burning room 3",
     {"s", "v", "v", "s", "z", "z", "ber ska", "z"},
     {{"ber ply", s(text::kFirePocketed)}, {"pro str", s(text::kSeeCeiling)}}},
    {"jewel corridor 1",
     {"v"},
     {{"pro cho", s(text::kAllInDescription)},
      {"ber kla", "oukej"},
      {"pro kla", s(text::kHammerDescription)},
      {"ber kry", "oukej"},
      {"pro kry", s(text::kIntactCubeDescription)}}},
    {"jewel corridor 2", {"v", "v"}, {{"pro cho", s(text::kAllInDescription)}}},
};

TEST(Scenery, EachRoomAnswersItsNounsFromTheTables) {
    for (const RoomVisit& visit : kVisits) {
        SCOPED_TRACE(visit.room);
        Script lines = kNoInstructions + kFreedWithMask + visit.route;
        const std::string arrival = "> " + lines.back() + "\n";
        for (const Exchange& e : visit.exchanges) lines.push_back(e.typed);
        GameRig rig(kTestWorld);
        rig.run(lines + kQuitRun);
        const std::string& out = rig.transcript();
        const std::size_t start = out.rfind(arrival, out.find("> " + visit.exchanges[0].typed));
        ASSERT_NE(start, std::string::npos);
        for (const Exchange& e : visit.exchanges) {
            EXPECT_NE(out.find("> " + e.typed + "\n" + e.reply + "\n\nco teď?\n", start),
                      std::string::npos)
                << e.typed;
        }
    }
}

TEST(Scenery, FirstMatchingRowWinsForTheShackles) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions + Script{"z", "z", "pro oko", "ber oko"} + kQuitRun);
    EXPECT_THAT(rig.transcript(),
                HasSubstr(exchange("pro oko", text::kShacklesUnapproachable) + "\nco teď?\n" +
                          exchange("ber oko", "Někdo je v okovech. Nemůžeš je vzít.")));
}

TEST(Scenery, TakingTheLaboratoryPlaysALongTone) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions + Script{"s", "v", "v", "s", "z", "ber lab"} + kQuitRun);
    ASSERT_EQ(rig.sound.started.size(), 1u);
    EXPECT_EQ(rig.sound.started[0].durationMs, 500);
    ASSERT_EQ(rig.sound.started[0].notes.size(), 1u);
    EXPECT_EQ(rig.sound.started[0].notes[0].wave, "snd11");
    EXPECT_EQ(rig.sound.started[0].notes[0].rate, 64000.0);
}

TEST(Scenery, CarriedObjectsOfTheShippedWorldDescribeThemselves) {
    GameRig rig;
    rig.run(kNoInstructions + kFreeTheScientist +
            Script{"pro klí", "v", "v", "s", "v", "v", "ber dis", "pro dis", "pro deš"} + kQuitRun);
    const std::string& out = rig.transcript();
    // The key is gone with the scientist; the diskette and the decipherer
    // (put down nowhere yet) describe themselves.
    EXPECT_THAT(out, HasSubstr(exchange("pro klí", kCannotExamine)));
    EXPECT_THAT(out, HasSubstr(exchange("pro dis", text::kDisketteDescription)));
    EXPECT_THAT(out, HasSubstr(exchange("pro deš", text::kDeciphererDescription)));
}

TEST(Scenery, TheKeyAndTheBoardDescribeThemselvesWhileCarried) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions +
            Script{"ber klí", "pro klí", "v", "ber kla", "roz kry", "ber des", "pro des"} +
            kQuitRun);
    EXPECT_THAT(rig.transcript(), HasSubstr(exchange("pro klí", text::kKeyDescription)));
    EXPECT_THAT(rig.transcript(), HasSubstr(exchange("pro des", text::kBoardDescription)));
}

}  // namespace
}  // namespace ulvora::testing
