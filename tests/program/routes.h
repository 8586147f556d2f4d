// Scripts that bring a game to a given state, for the transcript tests.
//
// Two worlds: the shipped data.dta, and a test world whose data.dta puts
// what the tests need within a few steps of the entrance hall.
#pragma once

#include <string>
#include <string_view>

#include "gamerig.h"

namespace ulvora::testing {

// A text as the transcript shows it when printed with mode 0.
inline std::string line(std::string_view text) {
    return std::string(text) + "\n";
}

// The answer to the instructions question that skips them.
inline const Script kNoInstructions = {"ne"};

// Quitting the game and declining another: the run ends.
inline const Script kQuitRun = {"kon", "ano", "ne"};

// Declining another game after a death or a failed load.
inline const Script kNoMore = {"ne"};

// --- The shipped world ------------------------------------------------------
// From the hall: the decipherer (jewel corridor 2), back to the hall.
inline const Script kGetDecipherer = {"v", "v", "ber deš", "z", "z"};
// From the hall: read the signs, take the key in the monster room, back.
inline const Script kWarnAndGetKey = {"s", "pro zna", "z", "ber klí", "v", "j"};
// From the hall: into the torture chamber (frees the scientist with the key).
inline const Script kToTortureChamber = {"z", "z"};
// From the hall to the torture chamber with the scientist freed, carrying
// the decipherer.
inline const Script kFreeTheScientist = kGetDecipherer + kWarnAndGetKey + kToTortureChamber;

// --- The test world ---------------------------------------------------------
// Records in order: book, spider, key, decipherer, diskette, wire, cube,
// board, hammer, spacesuit, rope, mask, leaflet, note. The key and the mask
// lie in the hall, the decipherer in the arrow room, the diskette already in
// the computer room (its event runs on the first entry), the cube and the
// hammer in jewel corridor 1, the spacesuit in the debris room, the rope on
// the broken stairs.
inline const std::string kTestWorld =
    "9,5,0,1,1\r\n9,4,0,2,2\r\n9,5,0,3,1\r\n8,5,0,4,1\r\n8,3,0,5,1\r\n"
    "8,2,0,6,3\r\n9,6,0,7,4\r\n0,0,0,8,1\r\n9,6,0,9,1\r\n7,5,0,10,1\r\n"
    "7,2,0,11,1\r\n9,5,0,12,1\r\n0,0,0,13,1\r\n6,2,0,14,1\r\n";

// From the hall: frees the scientist and comes back to the hall.
inline const Script kFreeAndBack = {"ber klí", "z", "z", "v", "v"};
// From the hall: with the mask through the gas room to the regulator room.
inline const Script kToRegulator = {"ber mas", "s", "v", "v", "s", "v", "v", "j"};
// From the hall: lights out in the regulator room.
inline const Script kLightsOut = kToRegulator + Script{"sti pák"};
// From the regulator room back to the hall (works in the dark).
inline const Script kRegulatorToHall = {"s", "z", "z", "j", "z", "z", "j"};
// From the hall to the computer room (the scientist must be free).
inline const Script kHallToComputer = {"z", "z", "s"};
// From the hall to the debris room, where the spacesuit lies.
inline const Script kHallToDebris = {"s", "v", "v", "s", "z", "z"};

// The transcript of one typed line and its one-line reply.
inline std::string exchange(const std::string& typed, std::string_view reply) {
    return "> " + typed + "\n" + std::string(reply) + "\n";
}

}  // namespace ulvora::testing
