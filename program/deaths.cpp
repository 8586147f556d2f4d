#include "program/deaths.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string_view>

#include "program/texts.h"

namespace ulvora::program {
namespace {

// Whether a death switches speech on before its text: without it, a death in
// the dark is shown but not spoken. A two-part text prints its first part
// with mode 1, so both stand on one line.
struct DeathRow {
    Death cause;
    bool speechOn;
    std::string_view text;
    std::string_view second = {};
};

constexpr DeathRow kDeaths[] = {
    {Death::Abyss, false, text::kAbyssFall},
    {Death::LedgeFall, false, text::kDeathLedgeFall},
    {Death::LedgeTornOut, false, text::kDeathLedgeTornOut},
    {Death::PassageRolledUp, false, text::kDeathPassageRolledUp},
    {Death::Shackles, false, text::kDeathShackles},
    {Death::Hole, false, text::kDeathHole},
    {Death::UnprotectedFire, true, text::kDeathUnprotectedFire},
    {Death::Heat, false, text::kDeathHeat},
    {Death::BurntSpacesuit, true, text::kDeathBurntSpacesuit},
    {Death::BurningDoor, true, text::kBurningDoorOpens},
    {Death::GasOnEntry, true, text::kDeathGasOnEntry},
    {Death::Gas, false, text::kDeathGas},
    {Death::Ceiling, false, text::kDeathCeiling},
    {Death::ElectricShock, true, text::kDeathElectricShock},
    {Death::Diesel, false, text::kDeathDiesel},
    {Death::MonsterMouth, true, text::kDeathMonsterMouth},
    {Death::Scream, false, text::kDeathScream},
    {Death::Spiders, false, text::kDeathSpiders},
    {Death::Electrocution, false, text::kDeathElectrocution},
    {Death::Crocodiles, false, text::kDeathCrocodilesFirst, text::kDeathCrocodilesSecond},
    {Death::Spider, true, text::kDeathSpider},
    {Death::Wire, true, text::kDeathWireFirst, text::kDeathWireSecond},
    {Death::Splinters, true, text::kDeathSplinters},
    {Death::Wall, true, text::kDeathWall},
};

const DeathRow& rowOf(Death cause) {
    const auto* found = std::find_if(std::begin(kDeaths), std::end(kDeaths),
                                     [cause](const DeathRow& row) { return row.cause == cause; });
    if (found == std::end(kDeaths)) throw std::logic_error("a death without a row");
    return *found;
}

constexpr int kDeathClicks = 21;

}  // namespace

Step die(Game& game, Death cause) {
    const DeathRow& row = rowOf(cause);
    if (row.speechOn) game.m.setprintsilent(0);
    if (row.second.empty()) {
        game.say(row.text);
    } else {
        game.say(row.text, 1);
        game.say(row.second);
    }
    return Step::DeathSequence;
}

Step burningDoor(Game& game) {
    die(game, Death::BurningDoor);
    switch (game.field(Obj::Spacesuit, Field::State)) {
        case kLying:
            game.say(text::kDeathVaporised);
            break;
        case kCarried:
            game.say(text::kDeathSpacesuitFailedFirst, 1);
            game.say(text::kDeathSpacesuitFailedSecond);
            break;
        default:
            return unprotectedFire(game);
    }
    return Step::DeathSequence;
}

Step unprotectedFire(Game& game) {
    game.say(text::kBurningRoomFull);
    return die(game, Death::UnprotectedFire);
}

Step deathSequence(Game& game) {
    --game.s.gamesleft;
    game.m.setprintsilent(0);
    for (int n = 0; n < kDeathClicks; ++n) game.m.click(1);
    game.m.cls();
    game.sayAtPitch(65, text::kEpitaph);
    return Step::PlayAgain;
}

}  // namespace ulvora::program
