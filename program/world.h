// The game world: the map, the object table and the room description.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "program/game.h"

namespace ulvora::program {

enum class RoomId {
    Abyss,
    SecondEntrance,
    CrumblingEdge,
    BrokenStairs,
    HelicopterRoom,
    BurningRoom,
    DebrisRoom,
    NewLaboratory,
    NorthStore,
    SupportRoom,
    GasRoom,
    GeneratorRoom,
    WirePassage,
    ComputerRoom,
    MonsterRoom,
    ArrowRoom,
    WindowCorridor,
    ScientistsStore,
    SpiderStore,
    RegulatorRoom,
    TeleportRoom1,
    CableRoom,
    TortureChamber,
    TortureCorridor,
    EntranceHall,
    JewelCorridor1,
    JewelCorridor2,
    CrocodileCliff,
    TeleportRoom2,
};

// An exit value that is not fixed: the computer room's north door follows
// the secretdoor flag.
inline constexpr int kSecretDoor = -1;

struct Room {
    int row;
    int col;
    RoomId id;
    int north, south, east, west;  // 1 open, 0 closed
    bool kills;                    // kills on entry and sets no exits
};

// The map, row by row.
std::span<const Room> map();

// The room the description chooses for a position: rows 6, 7 and 8 are
// themselves, any other row is taken as row 9. Null for a column the row
// does not have.
const Room* roomAt(int row, int col);

// Position of a room, for the tables that name rooms.
struct Place {
    int row;
    int col;
};
inline constexpr Place kAbyssPlace{6, 1};
inline constexpr Place kSecondEntrancePlace{6, 2};
inline constexpr Place kCrumblingEdgePlace{7, 1};
inline constexpr Place kBrokenStairsPlace{7, 2};
inline constexpr Place kHelicopterPlace{7, 3};
inline constexpr Place kBurningPlace{7, 4};
inline constexpr Place kDebrisPlace{7, 5};
inline constexpr Place kNewLaboratoryPlace{7, 6};
inline constexpr Place kNorthStorePlace{7, 7};
inline constexpr Place kSupportPlace{7, 8};
inline constexpr Place kGasPlace{7, 9};
inline constexpr Place kGeneratorPlace{8, 1};
inline constexpr Place kWirePassagePlace{8, 2};
inline constexpr Place kComputerPlace{8, 3};
inline constexpr Place kMonsterPlace{8, 4};
inline constexpr Place kArrowPlace{8, 5};
inline constexpr Place kWindowCorridorPlace{8, 6};
inline constexpr Place kScientistsStorePlace{8, 7};
inline constexpr Place kRegulatorPlace{8, 9};
inline constexpr Place kTeleport1Place{9, 1};
inline constexpr Place kTorturePlace{9, 3};
inline constexpr Place kTortureCorridorPlace{9, 4};
inline constexpr Place kHallPlace{9, 5};
inline constexpr Place kJewel1Place{9, 6};
inline constexpr Place kJewel2Place{9, 7};
inline constexpr Place kTeleport2Place{9, 9};
inline constexpr Place kStartPlace = kHallPlace;

inline bool isAt(const Game& game, Place place) {
    return game.at(place.row, place.col);
}

// The name table: entry n (1..14) at index n - 1.
extern const std::string_view kNameTable[kObjectCount];

// Fills the object table from data.dta.
void loadObjectTable(Game& game);

// The room description: room text and exits, objects here, exits list, and
// on to the prompt (or wherever the room's entry led).
Step describeRoom(Game& game);

// The exits list; the prompt follows.
Step listExits(Game& game);

// The computer room's exits, and the diskette event when the diskette lies
// there untouched. True when the event ran (it ends at the prompt).
bool computerRoomCheck(Game& game);

}  // namespace ulvora::program
