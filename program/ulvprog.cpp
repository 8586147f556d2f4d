#include "program/ulvprog.h"

namespace ulvora {

void runprogram(Machine& machine) { machine.print("", 0); }

}  // namespace ulvora
