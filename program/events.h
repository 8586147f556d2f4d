// The events that change the game beyond moving and carrying.
#pragma once

#include <optional>

#include "program/game.h"

namespace ulvora::program {

// Crossing the ledge: nothing when the rope carries the player over, else
// the slipping chords and the fall.
std::optional<Step> ledgeCheck(Game& game);

// The scientist's soul in the torture chamber, on every description there.
void tortureChamber(Game& game);

// The diskette slides into the computer; the secret door opens. The prompt
// follows.
void disketteEvent(Game& game);
// The computer's screen while the diskette is stuck, from its second part.
void disketteScreen(Game& game);

// The regulator's lever.
Step lightsOff(Game& game);
Step lightsOn(Game& game);

// Counts a command typed in the burning room; the fourth in a run kills.
std::optional<Step> countHotTurn(Game& game);

// The hammer smashes the intact cube and the board falls out.
Step breakCube(Game& game);

// The tel verb.
Step teleport(Game& game);

// Examining the carried book: its menu.
Step readBook(Game& game);

// Examining the inscription in the wire passage.
Step inscription(Game& game);

// Examining the carried note.
Step win(Game& game);

// The ram verb: save or load the position.
Step memoryCommand(Game& game);

}  // namespace ulvora::program
