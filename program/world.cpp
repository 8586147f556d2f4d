#include "program/world.h"

#include <algorithm>
#include <iterator>

#include "l10n/cp1250.h"
#include "program/deaths.h"
#include "program/events.h"
#include "program/texts.h"

namespace ulvora::program {
namespace {

constexpr int S = kSecretDoor;

constexpr Room kMap[] = {
    // row, col, room, N, S, E, W, kills on entry
    {6, 1, RoomId::Abyss, 0, 0, 0, 0, true},
    {6, 2, RoomId::SecondEntrance, 0, 0, 0, 0, false},
    {7, 1, RoomId::CrumblingEdge, 1, 0, 1, 0, false},
    {7, 2, RoomId::BrokenStairs, 0, 1, 0, 1, false},
    {7, 3, RoomId::HelicopterRoom, 0, 1, 0, 0, false},
    {7, 4, RoomId::BurningRoom, 0, 0, 1, 0, false},
    {7, 5, RoomId::DebrisRoom, 0, 0, 1, 1, false},
    {7, 6, RoomId::NewLaboratory, 0, 0, 1, 1, false},
    {7, 7, RoomId::NorthStore, 0, 1, 1, 1, false},
    {7, 8, RoomId::SupportRoom, 0, 0, 1, 1, false},
    {7, 9, RoomId::GasRoom, 0, 1, 0, 1, false},
    {8, 1, RoomId::GeneratorRoom, 0, 1, 1, 0, false},
    {8, 2, RoomId::WirePassage, 1, 1, 1, 1, false},
    {8, 3, RoomId::ComputerRoom, S, 1, 0, 1, false},
    {8, 4, RoomId::MonsterRoom, 0, 0, 1, 0, false},
    {8, 5, RoomId::ArrowRoom, 0, 1, 1, 1, false},
    {8, 6, RoomId::WindowCorridor, 0, 0, 1, 1, false},
    {8, 7, RoomId::ScientistsStore, 1, 0, 1, 1, false},
    {8, 8, RoomId::SpiderStore, 0, 0, 0, 0, true},
    {8, 9, RoomId::RegulatorRoom, 1, 1, 0, 0, false},
    {9, 1, RoomId::TeleportRoom1, 1, 0, 0, 0, false},
    {9, 2, RoomId::CableRoom, 0, 0, 0, 0, true},
    {9, 3, RoomId::TortureChamber, 0, 0, 1, 0, false},
    {9, 4, RoomId::TortureCorridor, 1, 0, 1, 1, false},
    {9, 5, RoomId::EntranceHall, 1, 0, 1, 1, false},
    {9, 6, RoomId::JewelCorridor1, 0, 0, 1, 1, false},
    {9, 7, RoomId::JewelCorridor2, 0, 0, 1, 1, false},
    {9, 8, RoomId::CrocodileCliff, 0, 0, 0, 0, true},
    {9, 9, RoomId::TeleportRoom2, 1, 0, 0, 0, false},
};

void setExits(Game& game, const Room& room) {
    game.s.exitnorth = room.north == kSecretDoor ? game.s.secretdoor : room.north;
    game.s.exitsouth = room.south;
    game.s.exiteast = room.east;
    game.s.exitwest = room.west;
}

// What a room does when it is described, in its order. A Step means the
// description ends there (a death, the diskette event's prompt, or teleport
// room 2 sending the player on); nothing means the objects and exits follow.
std::optional<Step> enterRoom(Game& game, const Room& room) {
    State& s = game.s;
    switch (room.id) {
        case RoomId::Abyss:
            return die(game, Death::Abyss);
        case RoomId::SecondEntrance:
            game.say(text::kSecondEntrance);
            break;
        case RoomId::CrumblingEdge:
            if (Game::firstIs(s.cmdline, 'z')) {
                if (auto fell = ledgeCheck(game)) return fell;
            }
            game.say(text::kCrumblingEdge);
            s.entrymark = 1;
            break;
        case RoomId::BrokenStairs:
            if (Game::firstIs(s.cmdline, 'v')) {
                if (auto fell = ledgeCheck(game)) return fell;
            }
            game.say(text::kBrokenStairs);
            break;
        case RoomId::HelicopterRoom:
            game.say(text::kHelicopterRoom);
            game.say(text::kHelicopterDoor);
            break;
        case RoomId::BurningRoom:
            if (game.field(Obj::Spacesuit, Field::State) == kLying) return unprotectedFire(game);
            game.say(text::kBurningRoom);
            break;
        case RoomId::DebrisRoom:
            game.say(text::kDebrisRoom);
            game.say(text::kDebrisNothingElse);
            break;
        case RoomId::NewLaboratory:
            game.say(text::kNewLaboratoryFirst, 1);
            game.say(text::kNewLaboratorySecond);
            break;
        case RoomId::NorthStore:
            game.say(text::kNorthStore);
            break;
        case RoomId::SupportRoom:
            game.say(text::kSupportRoom);
            break;
        case RoomId::GasRoom:
            game.say(text::kGasRoom);
            if (game.field(Obj::Mask, Field::State) == kLying) return die(game, Death::GasOnEntry);
            game.say(text::kMaskPraise);
            break;
        case RoomId::GeneratorRoom:
            game.say(text::kGeneratorRoom);
            break;
        case RoomId::WirePassage:
            game.say(text::kWirePassageFirst, 1);
            game.say(text::kWirePassageSecond);
            break;
        case RoomId::ComputerRoom:
            game.say(text::kComputerRoom);
            if (computerRoomCheck(game)) return Step::Prompt;
            break;
        case RoomId::MonsterRoom:
            if (s.entrymark == 9) return die(game, Death::MonsterMouth);
            game.say(text::kMonsterRoom);
            if (s.warned == 0) return die(game, Death::Scream);
            game.say(text::kStayQuiet);
            break;
        case RoomId::ArrowRoom:
            s.entrymark = 0;
            game.say(text::kArrowRoom);
            break;
        case RoomId::WindowCorridor:
            game.say(text::kWindowCorridor);
            break;
        case RoomId::ScientistsStore:
            game.say(text::kScientistsStore);
            break;
        case RoomId::SpiderStore:
            return die(game, Death::Spiders);
        case RoomId::RegulatorRoom:
            game.say(text::kRegulatorRoom);
            break;
        case RoomId::TeleportRoom1:
            game.say(text::kTeleportRoom1);
            break;
        case RoomId::CableRoom:
            return die(game, Death::Electrocution);
        case RoomId::TortureChamber:
            game.say(text::kTortureChamber);
            tortureChamber(game);
            break;
        case RoomId::TortureCorridor:
            game.say(text::kTortureCorridor);
            s.entrymark = s.row;
            break;
        case RoomId::EntranceHall:
            game.say(text::kEntranceHall);
            if (s.hallclosed != 1) {
                s.hallclosed = 1;
                game.say(text::kDoorSlammed);
            }
            break;
        case RoomId::JewelCorridor1:
            game.say(text::kJewelCorridor1);
            break;
        case RoomId::JewelCorridor2:
            game.say(text::kJewelCorridor2);
            break;
        case RoomId::CrocodileCliff:
            return die(game, Death::Crocodiles);
        case RoomId::TeleportRoom2:
            // In the light the room throws the player out into the regulator
            // room, whose description then starts from the beginning.
            if (s.dark == 0) {
                game.say(text::kBlindingLight);
                s.row = kRegulatorPlace.row;
                s.col = kRegulatorPlace.col;
                return Step::Describe;
            }
            break;
    }
    return std::nullopt;
}

void listObjects(Game& game) {
    State& s = game.s;
    for (int k = 0; k < kObjectCount; ++k) {
        if (game.field(k, Field::Row) != s.row || game.field(k, Field::Col) != s.col ||
            game.field(k, Field::State) != kLying) {
            continue;
        }
        if (s.heresaid == 0) {
            game.say(text::kHereHeader, 1);
            game.say("");
            s.heresaid = 1;
        }
        game.lookupName(game.field(k, Field::NameIndex));
        game.m.print(s.objname, 1);
        game.say(text::kListSeparator, 1);
        game.say("");
    }
}

}  // namespace

const std::string_view kNameTable[kObjectCount] = {
    "kniha",
    "pavouk",
    "klíč",
    "dešifrátor",
    "disketa 7 a půl palce",
    "drát",
    "krychle",
    "deska s písmenem té",
    "kladivo",
    "skafandr",
    "lano",
    "maska",
    "letáček",
    "lístek",
};

std::span<const Room> map() {
    return kMap;
}

const Room* roomAt(int row, int col) {
    const int mapRow = (row == 6 || row == 7 || row == 8) ? row : 9;
    const auto* found = std::find_if(std::begin(kMap), std::end(kMap), [&](const Room& room) {
        return room.row == mapRow && room.col == col;
    });
    return found == std::end(kMap) ? nullptr : found;
}

void loadObjectTable(Game& game) {
    constexpr int kTableBytes = kObjectCount * kRecordSize;
    game.m.restoredata();
    for (int a = 0; a < kTableBytes; ++a) game.m.poke(kObjectTable + a, 0);
    for (int a = 0; a < kTableBytes; ++a) {
        double number = 0;
        game.m.readnum(number);
        game.m.poke(kObjectTable + a, number);
    }
}

Step describeRoom(Game& game) {
    if (const Room* room = roomAt(game.s.row, game.s.col)) {
        if (!room->kills) setExits(game, *room);
        if (auto next = enterRoom(game, *room)) return *next;
    }
    listObjects(game);
    return listExits(game);
}

Step listExits(Game& game) {
    const State& s = game.s;
    game.say("");
    if (s.exitnorth == 0 && s.exitsouth == 0 && s.exiteast == 0 && s.exitwest == 0) {
        game.say(text::kNoExit);
        return Step::Prompt;
    }
    game.say(text::kExitsHeader, 1);
    game.say("");
    if (s.exitnorth == 1) game.say(text::kExitNorth);
    if (s.exitsouth == 1) game.say(text::kExitSouth);
    if (s.exiteast == 1) game.say(text::kExitEast);
    if (s.exitwest == 1) game.say(text::kExitWest);
    return Step::Prompt;
}

bool computerRoomCheck(Game& game) {
    State& s = game.s;
    s.exitnorth = s.secretdoor;
    s.exitsouth = 1;
    s.exiteast = 0;
    s.exitwest = 1;
    if (game.field(Obj::Diskette, Field::Row) == kComputerPlace.row &&
        game.field(Obj::Diskette, Field::Col) == kComputerPlace.col &&
        game.field(Obj::Diskette, Field::State) == kLying &&
        game.field(Obj::Diskette, Field::Kind) == kKindOrdinary) {
        disketteEvent(game);
        return true;
    }
    return false;
}

}  // namespace ulvora::program
