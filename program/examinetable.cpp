#include "program/examinetable.h"

#include "program/deaths.h"
#include "program/events.h"
#include "program/texts.h"

namespace ulvora::program {
namespace {

constexpr Where any() {
    return {};
}

template <typename... P>
constexpr Where in(P... places) {
    return {Where::Kind::In, {places...}, static_cast<int>(sizeof...(places))};
}

constexpr Where anyBut(Place place) {
    return {Where::Kind::AnyBut, {place}, 1};
}

using N = std::array<std::string_view, 3>;
using enum Cond;
using enum Then;

// clang-format off
constexpr SceneryRow kExamine[] = {
    // nouns                 where                                    condition             reply                           second                        then
    {N{"pav"},               in(kTortureCorridorPlace),               None,                 text::kSeeSpider,               {},                           Nothing},
    {N{"zna"},               in(kArrowPlace),                         DeciphererCarried,    text::kSignsDeciphered,         {},                           Warn},
    {N{"zna"},               in(kArrowPlace),                         DeciphererNotCarried, text::kSignsUnreadable,         {},                           Nothing},
    {N{"šip"},               in(kArrowPlace),                         None,                 text::kArrowPointsWest,         {},                           Nothing},
    {N{"oko"},               in(kTorturePlace),                       NotFreed,             text::kShacklesUnapproachable,  {},                           Nothing},
    {N{"oko"},               in(kTorturePlace),                       Freed,                text::kShacklesEmpty,           {},                           Nothing},
    {N{"drá"},               in(kWirePassagePlace),                   None,                 text::kSeeRedWire,              {},                           Nothing},
    {N{"kab"},               in(kWirePassagePlace),                   None,                 text::kSeeCable,                {},                           Nothing},
    // The broken cube cannot be carried, so it is examined where it lies.
    {N{"kry"},               any(),                                   BrokenCubeHere,       text::kBrokenCubeDescription,   {},                           Nothing},
    {N{"kno"},               in(kHelicopterPlace),                    None,                 text::kSeeButton,               {},                           Nothing},
    {N{"dve"},               in(kHelicopterPlace),                    None,                 text::kSeeDoor,                 {},                           Nothing},
    {N{"náp"},               in(kHelicopterPlace),                    None,                 text::kDoorInscriptionFirst,    text::kDoorInscriptionSecond, Nothing},
    {N{"kal", "naf"},        in(kHelicopterPlace),                    None,                 text::kSeeDiesel,               {},                           Nothing},
    {N{"tru"},               in(kDebrisPlace, kNewLaboratoryPlace),   None,                 text::kSeeYellowPipes,          {},                           Nothing},
    {N{"tru"},               in(kBurningPlace),                       None,                 text::kSeeBentPipes,            {},                           Nothing},
    {N{"pák"},               in(kSupportPlace),                       None,                 text::kSeeSupportLever,         {},                           Nothing},
    {N{"slo"},               in(kSupportPlace),                       None,                 text::kSeeColumn,               {},                           Nothing},
    {N{"pák"},               in(kRegulatorPlace),                     None,                 text::kSeeRegulatorLever,       {},                           Nothing},
    {N{"ced"},               in(kRegulatorPlace),                     None,                 text::kSeeRegulatorSign,        {},                           Nothing},
    {N{"reg"},               in(kRegulatorPlace),                     None,                 text::kSeeRegulator,            {},                           Nothing},
    {N{"pro"},               in(kCrumblingEdgePlace, kBrokenStairsPlace), None,             text::kSeeAbyss,                {},                           Nothing},
    {N{"agr"},               in(kGeneratorPlace),                     None,                 text::kSeeGenerator,            {},                           Nothing},
    {N{"fil"},               in(kGeneratorPlace),                     None,                 text::kSeeFilter,               {},                           Nothing},
    {N{"poč"},               in(kComputerPlace),                      None,                 text::kSeeComputer,             text::kSeeComputerJammed,     JammedLine},
    {N{"kno"},               in(kComputerPlace),                      None,                 text::kSeeInstrumentButtons,    {},                           Nothing},
    {N{"pří", "bud"},        in(kComputerPlace),                      None,                 text::kSeeInstruments,          {},                           Nothing},
    {N{"páč"},               in(kComputerPlace),                      None,                 text::kSeeInstrumentLevers,     {},                           Nothing},
    {N{"okn"},               in(kWindowCorridorPlace),                None,                 text::kSeeSealedWindow,         {},                           Nothing},
    {N{"pří"},               in(kNewLaboratoryPlace),                 None,                 text::kSeeNewInstruments,       {},                           Nothing},
    {N{"stě"},               in(kNewLaboratoryPlace),                 None,                 text::kSeeGlassWall,            {},                           Nothing},
    {N{"ced"},               in(kNewLaboratoryPlace),                 None,                 text::kSignHasText,             {},                           Nothing},
    {N{"tex"},               in(kNewLaboratoryPlace),                 None,                 text::kSeeSignText,             {},                           Nothing},
    {N{"vrt", "hel"},        in(kHelicopterPlace),                    None,                 text::kSeeHelicopter,           {},                           Nothing},
    {N{"okn"},               in(kHelicopterPlace),                    None,                 text::kSeeRoofWindow,           {},                           Nothing},
    {N{"skl"},               in(kHelicopterPlace),                    None,                 text::kSeeCrackedGlass,         {},                           Nothing},
    {N{"ply"},               in(kBurningPlace),                       None,                 text::kGasBurns,                {},                           Nothing},
    {N{"lak"},               in(kBurningPlace),                       None,                 text::kSeePaint,                {},                           Nothing},
    {N{"trh"},               in(kDebrisPlace),                        None,                 text::kSeeCracks,               {},                           Nothing},
    {N{"úlo"},               in(kDebrisPlace),                        None,                 text::kSeeDebris,               {},                           Nothing},
    {N{"obr"},               in(kComputerPlace),                      DisketteNotJammed,    text::kScreenOff,               {},                           Nothing},
    {N{"obr"},               in(kComputerPlace),                      DisketteJammed,       {},                             {},                           DisketteText},
    {N{"pul"},               in(kComputerPlace),                      None,                 text::kSeeDesk,                 {},                           Nothing},
    {N{"pap"},               in(kComputerPlace),                      None,                 text::kSeePapers,               {},                           Nothing},
    {N{"pís"},               in(kComputerPlace),                      None,                 text::kSeeLetters,              {},                           Nothing},
    {N{"vět"},               in(kComputerPlace),                      None,                 text::kSeeSentences,            {},                           Nothing},
    {N{"hák"},               any(),                                   RopeCarried,          text::kSeeHook,                 {},                           Nothing},
    {N{"sch"},               in(kBrokenStairsPlace),                  None,                 text::kSeeStairs,               {},                           Nothing},
    {N{"kou"},               in(kBrokenStairsPlace, kCrumblingEdgePlace), None,             text::kSeeGroundPiece,          {},                           Nothing},
    {N{"řím"},               in(kBrokenStairsPlace),                  None,                 text::kSeeLedge,                {},                           Nothing},
    {N{"zem", "pod"},        any(),                                   None,                 text::kGroundIsGround,          {},                           Nothing},
    {N{"mís", "výz"},        any(),                                   None,                 text::kAllInDescription,        {},                           Nothing},
    {N{"prů"},               in(kWirePassagePlace),                   None,                 text::kSeePassage,              {},                           Nothing},
    {N{"muč"},               in(kTorturePlace),                       None,                 text::kSeeTortureChamber,       {},                           Nothing},
    {N{"ohe"},               in(kBurningPlace),                       None,                 text::kSeeFire,                 {},                           Nothing},
    {N{"kac"},               in(kGasPlace),                           None,                 text::kSeeTiles,                {},                           Nothing},
    {N{"pra"},               in(kGasPlace),                           None,                 text::kSeeCrack,                {},                           Nothing},
    {N{"dou"},               in(kGasPlace),                           None,                 text::kHoleLook,                {},                           HoleDeath},
    {N{"cih"},               any(),                                   None,                 text::kSeeBricks,               {},                           Nothing},
    {N{"zeď", "stě", "zdi"}, any(),                                   None,                 text::kSeeWall,                 {},                           Nothing},
    {N{"mal"},               any(),                                   None,                 text::kSeeMortar,               {},                           Nothing},
    {N{"str"},               anyBut(kCrumblingEdgePlace),             None,                 text::kSeeCeiling,              {},                           Nothing},
    {N{"pří"},               in(kMonsterPlace),                       None,                 text::kSeeMonster,              {},                           Nothing},
    {N{"kru"},               in(kHallPlace),                          None,                 text::kSeeLightCircle,          {},                           Nothing},
    {N{"hal"},               in(kHallPlace),                          None,                 text::kSeeHall,                 {},                           Nothing},
    {N{"kru"},               in(kTortureCorridorPlace),               None,                 text::kCircleTooFar,            {},                           Nothing},
    {N{"cho"},               in(kTortureCorridorPlace, kJewel1Place, kJewel2Place, kWindowCorridorPlace), None, text::kAllInDescription, {},          Nothing},
    {N{"lab"},               in(kComputerPlace, kNewLaboratoryPlace), None,                 text::kSeeLaboratory,           {},                           Nothing},
    {N{"skl"},               in(kScientistsStorePlace, kNorthStorePlace), None,             text::kAllInDescription,        {},                           Nothing},
    {N{"tru"},               in(kGasPlace),                           None,                 text::kSeeEmptyPipe,            {},                           Nothing},
    {N{"ply"},               in(kGasPlace),                           None,                 text::kSeeGas,                  {},                           Nothing},
    {N{"náp"},               in(kWirePassagePlace),                   None,                 {},                             {},                           Inscription},
};

constexpr SceneryRow kTakeRefusals[] = {
    // nouns                 where                                    condition             reply                           second                        then
    {N{"zem", "pod"},        any(),                                   None,                 text::kNoSpade,                 {},                           Nothing},
    {N{"mís"},               any(),                                   None,                 text::kRoomTooBig,              {},                           Nothing},
    {N{"cih"},               any(),                                   None,                 text::kBricksStuck,             {},                           Nothing},
    {N{"mal"},               any(),                                   None,                 text::kMortarAlone,             {},                           Nothing},
    {N{"zeď", "zdi", "stě"}, any(),                                   None,                 text::kWallsTooBig,             {},                           Nothing},
    {N{"str"},               anyBut(kCrumblingEdgePlace),             None,                 text::kCeilingOutOfReach,       {},                           Nothing},
    {N{"hal"},               in(kHallPlace),                          None,                 text::kHallNotTaken,            {},                           Nothing},
    {N{"cho"},               in(kTortureCorridorPlace, kJewel1Place, kJewel2Place, kWindowCorridorPlace), None, text::kCorridorNotTaken, {},           Nothing},
    {N{"lab"},               in(kComputerPlace, kNewLaboratoryPlace), None,                 text::kLaboratoryNotTaken,      {},                           LabSound},
    {N{"skl"},               in(kScientistsStorePlace, kNorthStorePlace), None,             text::kStoreTooBig,             {},                           Nothing},
    {N{"ply"},               in(kGasPlace),                           None,                 text::kGasNotNeeded,            {},                           Nothing},
    {N{"zna", "šip"},        in(kArrowPlace),                         None,                 text::kSignsAreRelic,           {},                           Nothing},
    {N{"oko"},               in(kTorturePlace),                       NotFreed,             text::kShacklesOccupied,        {},                           Nothing},
    {N{"oko"},               in(kTorturePlace),                       Freed,                text::kShacklesClose,           {},                           ShacklesDeath},
    {N{"kab"},               in(kWirePassagePlace),                   None,                 text::kCableAnchored,           {},                           Nothing},
    {N{"kal", "naf"},        in(kHelicopterPlace),                    None,                 text::kDieselNoVessel,          {},                           Nothing},
    {N{"úlo"},               in(kDebrisPlace),                        None,                 text::kDebrisStuck,             {},                           Nothing},
    {N{"trh"},               in(kDebrisPlace),                        None,                 text::kCracksNotTaken,          {},                           Nothing},
    {N{"obr"},               in(kComputerPlace),                      None,                 text::kScreenScrewed,           {},                           Nothing},
    {N{"sch"},               in(kBrokenStairsPlace),                  None,                 text::kStairsTooBig,            {},                           Nothing},
    {N{"kou"},               in(kBrokenStairsPlace, kCrumblingEdgePlace), None,             text::kTakeWholeRoom,           {},                           Nothing},
    {N{"poč"},               in(kComputerPlace),                      None,                 text::kComputerFixed,           {},                           Nothing},
    {N{"pro"},               in(kCrumblingEdgePlace),                 None,                 text::kAbyssGoCloser,           {},                           Nothing},
    {N{"muč"},               in(kTorturePlace),                       None,                 text::kExecutionerNear,         {},                           Nothing},
    {N{"řím"},               in(kBrokenStairsPlace),                  None,                 {},                             {},                           LedgeDeath},
    {N{"prů"},               in(kWirePassagePlace),                   None,                 {},                             {},                           PassageDeath},
    {N{"ply"},               in(kBurningPlace),                       None,                 text::kFirePocketed,            {},                           Nothing},
    {N{"výz"},               any(),                                   None,                 text::kNothingOffTheWalls,      {},                           Nothing},
    {N{"pul"},               in(kComputerPlace),                      None,                 text::kDeskFixed,               {},                           Nothing},
    {N{"fil"},               in(kGeneratorPlace),                     None,                 text::kLeaveFilter,             {},                           Nothing},
    {N{"kru"},               in(kHallPlace),                          None,                 text::kCircleJumpsBack,         {},                           Nothing},
};
// clang-format on

constexpr int kShacklesWaitMs = 2000;

bool applies(const Game& game, const Where& where) {
    bool listed = false;
    for (int k = 0; k < where.count; ++k) listed = listed || isAt(game, where.places[k]);
    switch (where.kind) {
        case Where::Kind::Any:
            return true;
        case Where::Kind::In:
            return listed;
        case Where::Kind::AnyBut:
            return !listed;
    }
    return false;
}

bool holds(const Game& game, Cond cond) {
    switch (cond) {
        case Cond::None:
            return true;
        case Cond::DeciphererCarried:
            return game.carrying(Obj::Decipherer);
        case Cond::DeciphererNotCarried:
            return !game.carrying(Obj::Decipherer);
        case Cond::NotFreed:
            return game.s.freed == 0;
        case Cond::Freed:
            return game.s.freed == 1;
        case Cond::DisketteNotJammed:
            return game.field(Obj::Diskette, Field::State) < kGone;
        case Cond::DisketteJammed:
            return game.field(Obj::Diskette, Field::State) == kGone;
        case Cond::RopeCarried:
            return game.carrying(Obj::Rope);
        case Cond::BrokenCubeHere:
            return game.liesHere(Obj::Cube) && game.field(Obj::Cube, Field::State) == kLying &&
                   game.field(Obj::Cube, Field::Kind) == kKindBrokenCube;
    }
    return false;
}

bool nounListed(const Game& game, const SceneryRow& row) {
    for (const auto noun : row.nouns) {
        if (!noun.empty() && game.nounIs(noun)) return true;
    }
    return false;
}

}  // namespace

std::span<const SceneryRow> examineTable() {
    return kExamine;
}
std::span<const SceneryRow> takeRefusals() {
    return kTakeRefusals;
}

const SceneryRow* findScenery(const Game& game, std::span<const SceneryRow> table) {
    for (const SceneryRow& row : table) {
        if (nounListed(game, row) && applies(game, row.where) && holds(game, row.cond)) {
            return &row;
        }
    }
    return nullptr;
}

Step applyScenery(Game& game, const SceneryRow& row) {
    if (!row.reply.empty()) {
        if (!row.second.empty() && row.then == Then::Nothing) {
            game.say(row.reply, 1);
            game.say(row.second);
        } else {
            game.say(row.reply);
        }
    }
    switch (row.then) {
        case Then::Nothing:
            break;
        case Then::Warn:
            game.s.warned = 1;
            break;
        case Then::JammedLine:
            if (game.field(Obj::Diskette, Field::State) == kGone) game.say(row.second);
            break;
        case Then::DisketteText:
            disketteScreen(game);
            break;
        case Then::HoleDeath:
            return die(game, Death::Hole);
        case Then::Inscription:
            return inscription(game);
        case Then::LabSound:
            game.m.sound({1000}, 500, 1);
            break;
        case Then::ShacklesDeath:
            game.m.host.sleepBlocking(kShacklesWaitMs);
            return die(game, Death::Shackles);
        case Then::LedgeDeath:
            return die(game, Death::LedgeTornOut);
        case Then::PassageDeath:
            return die(game, Death::PassageRolledUp);
    }
    return Step::Prompt;
}

}  // namespace ulvora::program
