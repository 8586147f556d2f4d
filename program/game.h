// The adventure's state and the few helpers every part of it uses.
//
// Each step of the program (the room description, one command, the death
// sequence, the play-again question ...) is a function that returns the next
// Step, so the flow between them stays visible in one dispatch loop.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/machine.h"

namespace ulvora::program {

enum class Step {
    Instructions,   // the instructions question, then the room description
    Describe,       // the room description from its start
    Exits,          // the exits list only
    Prompt,         // one turn of the command loop
    DeathSequence,  // the common end of every death
    PlayAgain,      // the play-again question
    NewGame,        // a restarted game (no title)
    End,            // END: runprogram returns
};

// The objects, by their record number in the object table.
enum class Obj {
    Book,
    Spider,
    Key,
    Decipherer,
    Diskette,
    Wire,
    Cube,
    Board,
    Hammer,
    Spacesuit,
    Rope,
    Mask,
    Leaflet,
    Note,
};
inline constexpr int kObjectCount = 14;

// The program's normal voice pitch; emphasised lines are said higher.
inline constexpr int kNormalPitch = 56;

// The fields of an object record, by their offset in the record.
enum class Field { Row, Col, State, NameIndex, Kind };

inline constexpr int kObjectTable = 44000;  // 14 records of 5 bytes
inline constexpr int kRecordSize = 5;

constexpr int fieldAddress(int record, Field field) {
    return kObjectTable + kRecordSize * record + static_cast<int>(field);
}
constexpr int fieldAddress(Obj object, Field field) {
    return fieldAddress(static_cast<int>(object), field);
}

// Object states and kinds.
inline constexpr int kLying = 0;
inline constexpr int kCarried = 1;
inline constexpr int kGone = 15;
inline constexpr int kKindOrdinary = 1;
inline constexpr int kKindSpider = 2;
inline constexpr int kKindWire = 3;
inline constexpr int kKindIntactCube = 4;
inline constexpr int kKindBrokenCube = 5;
inline constexpr int kKindNeverTaken = 6;

// The other memory the program keeps.
inline constexpr int kDateRecord = 44070;     // day, month, century, year
inline constexpr int kSaveRegisters = 44100;  // nine variables, see memory.cpp
inline constexpr int kSaveCopy = 44200;       // copy of 44000..44070
inline constexpr int kSavedAreaEnd = 44280;   // cleared with the registers at every start

// Every BASIC variable of the program. Numbers are whole, so int is exact.
struct State {
    int gamesleft = 3;
    int carried = 0;
    int row = 0;
    int col = 0;
    int exitnorth = 0;
    int exitsouth = 0;
    int exiteast = 0;
    int exitwest = 0;
    int dark = 0;
    int warned = 0;
    int freed = 0;
    int leafletout = 0;
    int secretdoor = 0;
    int breaking = 0;
    int entrymark = 0;
    int hallclosed = 0;
    int hotturns = 0;
    int loads = 0;
    int flying = 0;
    int restarted = 0;

    std::string cmdline;  // the typed line, then its verb part
    std::string noun;     // at most three characters
    int verb = 0;
    int invlisted = 0;
    int heresaid = 0;
    std::string answer;   // the inscription questions
    std::string name;     // the player's own name, asked once and forgotten
    std::string objname;  // the name last looked up
    double choice = 0;    // the book's menu
};

class Game {
  public:
    explicit Game(Machine& machine) : m(machine) {}

    Machine& m;
    State s;

    // PRINT of a UTF-8 source text.
    void say(std::string_view utf8, std::uint8_t mode = 0);
    // A line spoken at a raised voice pitch, then the normal pitch again.
    void sayAtPitch(int pitch, std::string_view utf8);
    void sayLines(const std::string_view* lines, std::size_t count);
    template <std::size_t N>
    void sayLines(const std::string_view (&lines)[N]) {
        sayLines(lines, N);
    }

    bool at(int row, int col) const { return s.row == row && s.col == col; }
    bool nounIs(std::string_view utf8) const;
    bool cmdIs(std::string_view utf8) const;

    int field(Obj object, Field f) const;
    int field(int record, Field f) const;
    void setField(Obj object, Field f, int value);
    void setField(int record, Field f, int value);
    bool carrying(Obj object) const { return field(object, Field::State) == kCarried; }
    bool liesHere(Obj object) const {
        return field(object, Field::Row) == s.row && field(object, Field::Col) == s.col;
    }

    // The name lookup: objname becomes the name of the name table's entry;
    // an index outside 1..14 leaves it as it was.
    void lookupName(int nameindex);
    // Whether the first three characters of objname equal the noun.
    bool nameMatchesNoun() const;

    // A yes/no answer into the variable. The variable is emptied first so
    // that an empty line counts as the empty answer, not as the last one.
    void askAnswer(std::string& variable);
    static bool firstIs(const std::string& answer, char letter) {
        return !answer.empty() && answer.front() == letter;
    }

    // Today's date, as the start of a run takes it: one DATE$ per part.
    struct DateParts {
        int day, month, century, year;
    };
    DateParts today();
    void storeDate();
};

}  // namespace ulvora::program
