#include "program/verbs.h"

#include <optional>
#include <string_view>

#include "program/deaths.h"
#include "program/events.h"
#include "program/examinetable.h"
#include "program/texts.h"
#include "program/world.h"

namespace ulvora::program {
namespace {

enum class Verb {
    None,
    Take,
    Put,
    Inventory,
    Room,
    Commands,
    Examine,
    Memory,
    Teleport,
    Break,
    Press,
    Drink,
    Quit,
    Exits,
};

struct VerbRow {
    std::string_view text;
    Verb verb;
};

constexpr VerbRow kVerbs[] = {
    {"ber", Verb::Take},   {"pol", Verb::Put},      {"inv", Verb::Inventory},
    {"mís", Verb::Room},   {"pří", Verb::Commands}, {"pro", Verb::Examine},
    {"ram", Verb::Memory}, {"tel", Verb::Teleport}, {"roz", Verb::Break},
    {"sti", Verb::Press},  {"pij", Verb::Drink},    {"kon", Verb::Quit},
    {"smě", Verb::Exits},
};

struct MoveRow {
    std::string_view text;
    int State::*exit;
    int rowStep;
    int colStep;
};

constexpr MoveRow kMoves[] = {
    {"s", &State::exitnorth, -1, 0},
    {"j", &State::exitsouth, 1, 0},
    {"v", &State::exiteast, 0, 1},
    {"z", &State::exitwest, 0, -1},
};

constexpr int kHandsFullAt = 3;

std::optional<Step> move(Game& game) {
    State& s = game.s;
    for (const MoveRow& move : kMoves) {
        if (!game.cmdIs(move.text)) continue;
        if (s.*move.exit == 1) {
            s.row += move.rowStep;
            s.col += move.colStep;
            return Step::Describe;
        }
        if (s.dark == 1) return die(game, Death::Wall);
        game.say(text::kBlocked);
        return Step::Exits;
    }
    return std::nullopt;
}

Step takeRecord(Game& game, int record) {
    State& s = game.s;
    if (s.carried >= kHandsFullAt) {
        game.say(text::kHandsFull);
        return Step::Prompt;
    }
    ++s.carried;
    game.say(text::kTaken);
    game.setField(record, Field::State, kCarried);
    switch (game.field(record, Field::Kind)) {
        case kKindSpider:
            return die(game, Death::Spider);
        case kKindWire:
            return die(game, Death::Wire);
        case kKindBrokenCube:
            game.say(text::kWouldCutYourself);
            break;
        default:
            break;
    }
    return Step::Prompt;
}

Step take(Game& game) {
    State& s = game.s;
    for (int k = 0; k < kObjectCount; ++k) {
        const bool takeable =
            game.field(k, Field::Row) == s.row && game.field(k, Field::Col) == s.col &&
            game.field(k, Field::State) == kLying && game.field(k, Field::Kind) < kKindNeverTaken;
        if (takeable) {
            game.lookupName(game.field(k, Field::NameIndex));
            if (game.field(Obj::Cube, Field::Kind) == kKindBrokenCube && game.nounIs("kry")) {
                game.say(text::kWouldCutYourself);
                return Step::Prompt;
            }
            if (game.nameMatchesNoun()) return takeRecord(game, k);
        }
        if (s.noun.empty()) {
            game.say(text::kTakeWhat);
            return Step::Prompt;
        }
    }
    if (const SceneryRow* refusal = findScenery(game, takeRefusals())) {
        return applyScenery(game, *refusal);
    }
    game.say(text::kCannotTake);
    return Step::Prompt;
}

Step put(Game& game) {
    State& s = game.s;
    for (int k = 0; k < kObjectCount; ++k) {
        game.lookupName(game.field(k, Field::NameIndex));
        if (game.nameMatchesNoun() && game.field(k, Field::State) == kCarried) {
            game.setField(k, Field::Row, s.row);
            game.setField(k, Field::Col, s.col);
            game.setField(k, Field::State, kLying);
            --s.carried;
            game.say(text::kPutDown);
            if (isAt(game, kComputerPlace)) computerRoomCheck(game);
            return Step::Prompt;
        }
        if (s.noun.empty()) {
            game.say(text::kPutWhat);
            return Step::Prompt;
        }
    }
    game.say(s.carried < 1 ? text::kCarryingNothingToPut : text::kNotCarried);
    return Step::Prompt;
}

Step inventory(Game& game) {
    State& s = game.s;
    for (int k = 0; k < kObjectCount; ++k) {
        if (game.field(k, Field::State) != kCarried) continue;
        if (s.invlisted == 0) {
            game.say(text::kInventoryHeader, 1);
            game.say("");
            s.invlisted = 1;
        }
        game.lookupName(game.field(k, Field::NameIndex));
        game.m.print(s.objname, 1);
        game.say(text::kListSeparator, 1);
    }
    if (s.invlisted == 0) game.say(text::kCarryingNothing);
    return Step::Prompt;
}

Step examineSpacesuit(Game& game) {
    State& s = game.s;
    game.say(text::kSpacesuitDescription);
    if (s.leafletout == 0) {
        s.leafletout = 1;
        game.say(text::kSomethingFellOut);
        game.setField(Obj::Leaflet, Field::Row, s.row);
        game.setField(Obj::Leaflet, Field::Col, s.col);
    }
    return Step::Prompt;
}

// A carried object, by its entry in the name table.
Step examineCarried(Game& game, int nameindex) {
    const auto describe = [&game](std::string_view description) {
        game.say(description);
        return Step::Prompt;
    };
    switch (nameindex) {
        case 1:
            return readBook(game);
        case 3:
            return describe(text::kKeyDescription);
        case 4:
            return describe(text::kDeciphererDescription);
        case 5:
            return describe(text::kDisketteDescription);
        case 7:
            return describe(game.field(Obj::Cube, Field::Kind) == kKindIntactCube
                                ? text::kIntactCubeDescription
                                : text::kBrokenCubeDescription);
        case 8:
            return describe(text::kBoardDescription);
        case 9:
            return describe(text::kHammerDescription);
        case 10:
            return examineSpacesuit(game);
        case 11:
            return describe(text::kRopeDescription);
        case 12:
            return describe(text::kMaskDescription);
        case 13:
            return describe(text::kLeafletDescription);
        case 14:
            return win(game);
        default:
            return describe(text::kCannotExamine);
    }
}

Step examine(Game& game) {
    if (game.s.noun.empty()) {
        game.say(text::kExamineWhat);
        return Step::Prompt;
    }
    if (const SceneryRow* row = findScenery(game, examineTable())) return applyScenery(game, *row);
    for (int k = 0; k < kObjectCount; ++k) {
        if (game.field(k, Field::State) != kCarried) continue;
        game.lookupName(game.field(k, Field::NameIndex));
        if (game.nameMatchesNoun()) return examineCarried(game, game.field(k, Field::NameIndex));
    }
    game.say(text::kCannotExamine);
    return Step::Prompt;
}

Step press(Game& game) {
    const bool dark = game.s.dark == 1;
    if (game.nounIs("kno") && isAt(game, kHelicopterPlace)) return burningDoor(game);
    if (game.nounIs("pák") && isAt(game, kSupportPlace)) return die(game, Death::Ceiling);
    if (game.nounIs("pák") && isAt(game, kRegulatorPlace) && !dark) return lightsOff(game);
    if (game.nounIs("pák") && isAt(game, kRegulatorPlace) && dark) return lightsOn(game);
    if ((game.nounIs("kno") || game.nounIs("páč")) && isAt(game, kComputerPlace)) {
        return die(game, Death::ElectricShock);
    }
    game.say(game.s.noun.empty() ? text::kPressWhat : text::kCannotPress);
    return Step::Prompt;
}

// Break, first matching step wins; the last step hands over to press.
Step breakVerb(Game& game) {
    const State& s = game.s;
    const bool cube = game.nounIs("kry");
    const bool hammer = game.carrying(Obj::Hammer);
    const int cubeState = game.field(Obj::Cube, Field::State);
    const int cubeKind = game.field(Obj::Cube, Field::Kind);
    const bool cubeHere = game.liesHere(Obj::Cube);
    if (cube && hammer && cubeState == kCarried) {
        game.say(text::kPutItDownFirst);
        return Step::Prompt;
    }
    if (cube && hammer && cubeState == kLying && cubeHere && cubeKind == kKindIntactCube) {
        return breakCube(game);
    }
    if (game.field(Obj::Hammer, Field::State) == kLying) {
        game.say(text::kNoTool);
        return Step::Prompt;
    }
    if (game.field(Obj::Cube, Field::Row) != s.row ||
        (game.field(Obj::Cube, Field::Col) != s.col && !cube)) {
        game.say(text::kNothingToBreak);
        return Step::Prompt;
    }
    if (cube && hammer && cubeHere && cubeKind == kKindBrokenCube) {
        return die(game, Death::Splinters);
    }
    if (!cube && hammer && cubeHere) {
        game.say(text::kCannotBreak);
        return Step::Prompt;
    }
    return press(game);
}

Step drink(Game& game) {
    if (game.nounIs("naf") && isAt(game, kHelicopterPlace)) return die(game, Death::Diesel);
    game.say(game.s.noun.empty() ? text::kDrinkWhat : text::kCannotDrink);
    return Step::Prompt;
}

Step quit(Game& game) {
    if (isAt(game, kSecondEntrancePlace)) {
        game.say(text::kDoNotQuitHere);
        return Step::Prompt;
    }
    game.say(text::kQuitQuestion);
    game.askAnswer(game.s.cmdline);
    return Game::firstIs(game.s.cmdline, 'a') ? Step::PlayAgain : Step::Prompt;
}

Verb lookupVerb(const Game& game) {
    for (const VerbRow& row : kVerbs) {
        if (game.cmdIs(row.text)) return row.verb;
    }
    return Verb::None;
}

Step obey(Game& game) {
    const Verb verb = lookupVerb(game);
    game.s.verb = static_cast<int>(verb);
    switch (verb) {
        case Verb::None:
            game.say(text::kUnknownCommand);
            return Step::Prompt;
        case Verb::Take:
            return take(game);
        case Verb::Put:
            return put(game);
        case Verb::Inventory:
            return inventory(game);
        case Verb::Room:
            return Step::Describe;
        case Verb::Commands:
            game.sayLines(text::kCommandsList);
            return Step::Prompt;
        case Verb::Examine:
            return examine(game);
        case Verb::Memory:
            return memoryCommand(game);
        case Verb::Teleport:
            return teleport(game);
        case Verb::Break:
            return breakVerb(game);
        case Verb::Press:
            return press(game);
        case Verb::Drink:
            return drink(game);
        case Verb::Quit:
            return quit(game);
        case Verb::Exits:
            return Step::Exits;
    }
    return Step::Prompt;
}

}  // namespace

void splitLine(State& s) {
    // No trimming and no case change: a blank within the first three
    // characters stays in the verb part, and a second blank after the verb
    // starts the noun.
    for (std::size_t p = 1; p <= s.cmdline.size(); ++p) {
        if (s.cmdline[p - 1] == ' ') {
            s.noun = Machine::midstr(s.cmdline, static_cast<double>(p + 1), 3);
            s.cmdline = Machine::leftstr(s.cmdline, 3);
        }
    }
}

Step commandTurn(Game& game) {
    State& s = game.s;
    s.cmdline.clear();
    s.noun.clear();
    s.verb = 0;
    s.invlisted = 0;
    s.heresaid = 0;
    s.flying = 0;
    if (s.dark == 1) game.m.setprintsilent(0);
    // A player who put the mask or the spacesuit down where it is needed.
    if (isAt(game, kGasPlace) && game.field(Obj::Mask, Field::State) == kLying) {
        return die(game, Death::Gas);
    }
    if (isAt(game, kBurningPlace) && game.field(Obj::Spacesuit, Field::State) == kLying) {
        return die(game, Death::Heat);
    }
    game.say("");
    game.say(text::kPrompt);
    game.m.inputstr(s.cmdline, 0);
    if (s.dark == 1) game.m.setprintsilent(1);
    if (auto burnt = countHotTurn(game)) return *burnt;
    splitLine(s);
    if (auto moved = move(game)) return *moved;
    return obey(game);
}

}  // namespace ulvora::program
