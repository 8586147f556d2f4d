#include "program/events.h"

#include "program/deaths.h"
#include "program/texts.h"
#include "program/world.h"

namespace ulvora::program {
namespace {

// The slipping sound: a falling chord of four notes, step by step.
constexpr int kSlipHigh = 900;
constexpr int kSlipLow = 300;
constexpr int kSlipStep = 10;

// The teleport's sweeps of single notes, up before the flight, down after.
constexpr int kSweepLow = 700;
constexpr int kSweepHigh = 2000;
constexpr int kSweepStep = 20;
constexpr int kFlightPauseMs = 1000;

constexpr double kShortSignalMs = 10;

void sweep(Game& game, int from, int to, int step) {
    for (int n = from; step > 0 ? n <= to : n >= to; n += step) {
        game.m.sound({static_cast<double>(n)}, kShortSignalMs, 1);
    }
}

void flight(Game& game) {
    sweep(game, kSweepLow, kSweepHigh, kSweepStep);
    game.say(text::kFlightLight);
    game.m.host.sleepBlocking(kFlightPauseMs);
    game.say(text::kFlight);
    sweep(game, kSweepHigh, kSweepLow, -kSweepStep);
    game.s.flying = 1;
}

void setBackSilenceInTheDark(Game& game) {
    if (game.s.dark == 1) game.m.setprintsilent(1);
}

}  // namespace

std::optional<Step> ledgeCheck(Game& game) {
    if (game.carrying(Obj::Rope)) {
        game.say(text::kRopeHelped);
        return std::nullopt;
    }
    for (int n = kSlipHigh; n >= kSlipLow; n -= kSlipStep) {
        const auto base = static_cast<double>(n);
        game.m.sound({base, base + 6, base + 12, base + 18}, kShortSignalMs, 3);
    }
    return die(game, Death::LedgeFall);
}

void tortureChamber(Game& game) {
    State& s = game.s;
    if (s.freed == 1) {
        s.exitnorth = 1;
        return;
    }
    game.say(text::kScientistSoul);
    if (game.carrying(Obj::Key)) {
        game.say(text::kSoulFreed);
        s.freed = 1;
        game.say(text::kKeyVanished);
        game.setField(Obj::Key, Field::State, kGone);
        --s.carried;
        game.say(text::kPassageAppeared);
        s.exitnorth = 1;
    } else {
        game.say(text::kSoulPleads);
    }
}

void disketteEvent(Game& game) {
    game.say(text::kDisketteScreen[0], 1);
    game.say(text::kDisketteScreen[1], 1);
    game.say(text::kDisketteScreen[2]);
    game.say(text::kDisketteScreen[3]);
    game.setField(Obj::Diskette, Field::State, kGone);
    game.say(text::kDisketteStuck);
    game.say(text::kSecretDoorOpened);
    game.s.secretdoor = 1;
    game.s.exitnorth = 1;
}

void disketteScreen(Game& game) {
    game.say(text::kDisketteScreen[1], 1);
    game.say(text::kDisketteScreen[2]);
    game.say(text::kDisketteScreen[3]);
}

Step lightsOff(Game& game) {
    game.s.dark = 1;
    game.say(text::kLightsOff);
    game.m.setprintsilent(1);
    game.m.cls();
    return Step::Prompt;
}

Step lightsOn(Game& game) {
    game.s.dark = 0;
    game.m.setprintsilent(0);
    game.say(text::kLeverByTouch);
    game.sayAtPitch(70, text::kLetThereBeLight);
    game.say(text::kThereWasLight);
    return Step::Prompt;
}

std::optional<Step> countHotTurn(Game& game) {
    constexpr int kTurnsTheSuitLasts = 3;
    if (!isAt(game, kBurningPlace)) return std::nullopt;
    ++game.s.hotturns;
    if (game.s.hotturns <= kTurnsTheSuitLasts) return std::nullopt;
    return die(game, Death::BurntSpacesuit);
}

Step breakCube(Game& game) {
    State& s = game.s;
    s.breaking = 1;
    if (s.breaking == 1) {
        game.say(text::kCubeSmashed);
        game.setField(Obj::Board, Field::Row, s.row);
        game.setField(Obj::Board, Field::Col, s.col);
        s.breaking = 0;
        game.setField(Obj::Cube, Field::Kind, kKindBrokenCube);
    }
    return Step::Prompt;
}

Step teleport(Game& game) {
    State& s = game.s;
    game.m.setprintsilent(0);
    const bool boardCarried = game.carrying(Obj::Board);
    if (boardCarried && isAt(game, kTeleport1Place)) {
        flight(game);
        s.row = kHallPlace.row;
        s.col = kHallPlace.col;
        setBackSilenceInTheDark(game);
        return Step::Describe;
    }
    if (boardCarried && isAt(game, kTeleport2Place)) {
        flight(game);
        s.row = kSecondEntrancePlace.row;
        s.col = kSecondEntrancePlace.col;
        s.dark = 0;
        game.say(text::kLostEverything);
        s.carried = 0;
        // Objects 0 to 12 are lost in the flight; the note's record stays.
        for (int a = kObjectTable; a <= fieldAddress(Obj::Leaflet, Field::Kind); ++a) {
            game.m.poke(a, 0);
        }
        return Step::Describe;
    }
    if (isAt(game, kTeleport1Place) || isAt(game, kTeleport2Place)) {
        game.say(text::kTeleportIncomplete);
    } else {
        game.say(text::kTeleportOnlyInRooms);
    }
    setBackSilenceInTheDark(game);
    return Step::Prompt;
}

Step readBook(Game& game) {
    game.say(text::kBookIsManual);
    for (;;) {
        game.sayLines(text::kBookContents);
        game.m.inputnum(game.s.choice, 0);
        if (game.s.choice < 1 || game.s.choice > 4) {
            game.say(text::kBookWrongNumber);
            continue;
        }
        switch (toWhole(game.s.choice)) {
            case 1:
                game.sayLines(text::kBookGeneral);
                break;
            case 2:
                game.say(text::kBookCommands[0], 1);
                game.say(text::kBookCommands[1]);
                game.say(text::kBookCommands[2], 1);
                game.say(text::kBookCommands[3]);
                game.say(text::kBookCommands[4]);
                game.say(text::kBookCommands[5]);
                break;
            case 3:
                game.say(text::kBookAdviceFirst);
                game.say("");
                game.say(text::kBookAdviceWishes);
                break;
            default:
                game.say(text::kBookClosed);
                return Step::Prompt;
        }
    }
}

Step inscription(Game& game) {
    State& s = game.s;
    game.say(text::kInscriptionQuestion);
    game.askAnswer(s.answer);
    if (Game::firstIs(s.answer, 'n')) return Step::Prompt;
    game.say(text::kKnowPassword);
    game.askAnswer(s.answer);
    if (Game::firstIs(s.answer, 'n')) {
        game.say(text::kHonestAnswer);
        return Step::Prompt;
    }
    // Claiming to know the password is enough: nothing is ever compared.
    game.say(text::kCheat, 1);
    game.say("");
    return Step::End;
}

Step win(Game& game) {
    game.say(text::kWinFirst, 1);
    game.say(text::kWinSecond);
    game.sayAtPitch(70, text::kSecondPartTitle);
    game.say(text::kPasswordHint);
    return Step::End;
}

}  // namespace ulvora::program
