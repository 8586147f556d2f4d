// Every way to die, and the death sequence they all end in.
#pragma once

#include "program/game.h"

namespace ulvora::program {

enum class Death {
    Abyss,
    LedgeFall,
    LedgeTornOut,
    PassageRolledUp,
    Shackles,
    Hole,
    UnprotectedFire,
    Heat,
    BurntSpacesuit,
    BurningDoor,
    GasOnEntry,
    Gas,
    Ceiling,
    ElectricShock,
    Diesel,
    MonsterMouth,
    Scream,
    Spiders,
    Electrocution,
    Crocodiles,
    Spider,
    Wire,
    Splinters,
    Wall,
};

// Prints the cause's text, switching speech on first where the death table
// says so, and leads to the death sequence.
Step die(Game& game, Death cause);

// The burning door: its opening text, then the end that fits the spacesuit.
Step burningDoor(Game& game);

// Entering the burning room without the spacesuit.
Step unprotectedFire(Game& game);

// One game less, the clicks and the epitaph; then the play-again question.
Step deathSequence(Game& game);

}  // namespace ulvora::program
