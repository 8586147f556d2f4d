// The command loop: the prompt, the splitting of the typed line, movement
// and the verbs.
#pragma once

#include "program/game.h"

namespace ulvora::program {

// One turn: the prompt, one typed line, one command.
Step commandTurn(Game& game);

// Splits cmdline into the verb part (cmdline) and the noun.
void splitLine(State& state);

}  // namespace ulvora::program
