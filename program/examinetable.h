// The scenery: nouns that are no objects, which the examine verb and the
// take verb know in given rooms. Each table is read from its first row; the
// first row that matches wins.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "program/game.h"
#include "program/world.h"

namespace ulvora::program {

// Where a row applies.
struct Where {
    enum class Kind { Any, In, AnyBut };
    Kind kind = Kind::Any;
    std::array<Place, 4> places{};
    int count = 0;
};

// A condition on the game's state that a row also needs.
enum class Cond {
    None,
    DeciphererCarried,
    DeciphererNotCarried,
    NotFreed,
    Freed,
    DisketteNotJammed,
    DisketteJammed,
    RopeCarried,
    BrokenCubeHere,
};

// What a row does besides printing its reply.
enum class Then {
    Nothing,
    Warn,           // the signs were read: warned = 1
    JammedLine,     // the second text only while the diskette is stuck
    DisketteText,   // the computer's screen from its second part (no reply)
    HoleDeath,      // the death text follows the reply
    Inscription,    // the inscription questions (no reply)
    LabSound,       // a long tone after the reply
    ShacklesDeath,  // a blocking wait after the reply, then the death
    LedgeDeath,     // the death itself is the reply
    PassageDeath,   // the death itself is the reply
};

struct SceneryRow {
    std::array<std::string_view, 3> nouns;
    Where where;
    Cond cond;
    std::string_view reply;
    std::string_view second;  // printed after a reply printed with mode 1
    Then then;
};

std::span<const SceneryRow> examineTable();
std::span<const SceneryRow> takeRefusals();

// The first row of the table that matches the noun, the room and the state.
const SceneryRow* findScenery(const Game& game, std::span<const SceneryRow> table);

// Carries out a row: its replies and what follows them.
Step applyScenery(Game& game, const SceneryRow& row);

}  // namespace ulvora::program
