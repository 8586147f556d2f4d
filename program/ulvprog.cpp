#include "program/ulvprog.h"

#include "program/deaths.h"
#include "program/game.h"
#include "program/texts.h"
#include "program/verbs.h"
#include "program/world.h"

namespace ulvora {
namespace {

using program::Game;
using program::Step;
namespace text = program::text;

constexpr int kTitleClicks = 81;

// A second start on the day of the last one is refused.
bool playedToday(Game& game) {
    const Game::DateParts date = game.today();
    return game.m.peek(program::kDateRecord) == date.day &&
           game.m.peek(program::kDateRecord + 1) == date.month &&
           game.m.peek(program::kDateRecord + 2) == date.century &&
           game.m.peek(program::kDateRecord + 3) == date.year;
}

// A saved position never outlives the run that saved it.
void clearSavedPositions(Game& game) {
    for (int a = program::kSaveRegisters; a <= program::kSavedAreaEnd; ++a) game.m.poke(a, 0);
}

void newGame(Game& game) {
    game.s.carried = 0;
    game.s.row = program::kStartPlace.row;
    game.s.col = program::kStartPlace.col;
    program::loadObjectTable(game);
}

void title(Game& game) {
    game.say(text::kTitleAnnouncement);
    game.m.setpitch(70);
    game.say(text::kTitle);
    for (int n = 0; n < kTitleClicks; ++n) game.m.click(0);
    game.m.setpitch(program::kNormalPitch);
}

void instructions(Game& game) {
    game.say(text::kAskName);
    game.m.inputstr(game.s.name, 0);
    game.say(text::kWelcome, 1);
    game.m.print(game.s.name, 1);
    game.say(text::kForgetYourName);
    game.say(text::kSettingFirst, 1);
    game.say(text::kSettingSecond);
    game.m.setpitch(58);
    game.say(text::kHeadline);
    game.say(text::kNewsFirst);
    game.say(text::kNewsSecond);
    game.m.setpitch(program::kNormalPitch);
    game.m.sound({5000}, 500, 2);
    game.sayLines(text::kInstructions);
    game.sayAtPitch(80, text::kGoodLuck);
}

Step instructionsQuestion(Game& game) {
    game.say(text::kInstructionsQuestion);
    game.askAnswer(game.s.cmdline);
    if (Game::firstIs(game.s.cmdline, 'a')) instructions(game);
    return Step::Describe;
}

Step playAgain(Game& game) {
    game.say(text::kPlayAgainQuestion);
    game.askAnswer(game.s.cmdline);
    if (!Game::firstIs(game.s.cmdline, 'a')) {
        game.say(text::kGameErased);
        return Step::End;
    }
    if (game.s.gamesleft > 0) return Step::NewGame;
    game.storeDate();
    game.say(text::kNoGamesLeft);
    return Step::End;
}

Step restart(Game& game) {
    game.s.restarted = 1;
    newGame(game);
    return Step::Instructions;
}

Step next(Game& game, Step step) {
    switch (step) {
        case Step::Instructions:
            return instructionsQuestion(game);
        case Step::Describe:
            return program::describeRoom(game);
        case Step::Exits:
            return program::listExits(game);
        case Step::Prompt:
            return program::commandTurn(game);
        case Step::DeathSequence:
            return program::deathSequence(game);
        case Step::PlayAgain:
            return playAgain(game);
        case Step::NewGame:
            return restart(game);
        case Step::End:
            break;
    }
    return Step::End;
}

}  // namespace

void runprogram(Machine& machine) {
    Game game(machine);
    if (playedToday(game)) {
        game.say(text::kPlayedEnough, 1);
        game.say("");
        return;
    }
    game.storeDate();
    clearSavedPositions(game);
    newGame(game);
    title(game);
    for (Step step = Step::Instructions; step != Step::End;) step = next(game, step);
}

}  // namespace ulvora
