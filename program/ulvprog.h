// The built-in program: the Czech text adventure.
#pragma once

#include "runtime/machine.h"

namespace ulvora {

// Runs the program once, from its start to END. Errors of the runtime
// (MachineError) leave it and reach the caller.
void runprogram(Machine& machine);

}  // namespace ulvora
