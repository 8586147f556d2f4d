// "ram sav" and "ram loa": a position kept in the emulated memory for the
// rest of the run.
#include "l10n/cp1250.h"
#include "program/events.h"
#include "program/texts.h"

namespace ulvora::program {
namespace {

// The variables of a saved position, in the order of their addresses from
// 44100 on.
constexpr int State::*kSaveRegisterOrder[] = {
    &State::row,      &State::col,        &State::freed, &State::warned,  &State::leafletout,
    &State::breaking, &State::secretdoor, &State::dark,  &State::carried,
};

// The saved copy holds 44000..44070: the object table and the first byte
// of the date record.
constexpr int kCopiedBytes = 71;
constexpr int kCopyDistance = kSaveCopy - kObjectTable;
constexpr int kLoadsAllowed = 3;

Step save(Game& game) {
    int address = kSaveRegisters;
    for (const auto member : kSaveRegisterOrder) game.m.poke(address++, game.s.*member);
    for (int a = kSaveCopy; a < kSaveCopy + kCopiedBytes; ++a) {
        game.m.poke(a, game.m.peek(a - kCopyDistance));
    }
    game.say(text::kSaved);
    return Step::Prompt;
}

Step load(Game& game) {
    // The variables come back before either test, so even a refused load
    // puts the player at the saved position.
    int address = kSaveRegisters;
    for (const auto member : kSaveRegisterOrder) game.s.*member = game.m.peek(address++);
    // The saved copy of the book's row is never 0 once something was saved.
    if (game.m.peek(kSaveCopy) == 0) {
        game.say(text::kNothingSavedFirst, 1);
        game.say(text::kNothingSavedSecond);
        return Step::PlayAgain;
    }
    ++game.s.loads;
    if (game.s.loads > kLoadsAllowed) {
        game.say(text::kLoadLimit);
        return Step::Prompt;
    }
    for (int a = kSaveCopy; a < kSaveCopy + kCopiedBytes; ++a) {
        game.m.poke(a - kCopyDistance, game.m.peek(a));
    }
    game.say(text::kLoaded);
    return Step::Describe;
}

}  // namespace

Step memoryCommand(Game& game) {
    if (game.nounIs("sav")) return save(game);
    if (game.nounIs("loa")) return load(game);
    game.say(text::kMemoryUsage);
    return Step::Prompt;
}

}  // namespace ulvora::program
