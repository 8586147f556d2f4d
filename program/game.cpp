#include "program/game.h"

#include "l10n/cp1250.h"
#include "program/world.h"

namespace ulvora::program {

void Game::say(std::string_view utf8, std::uint8_t mode) {
    m.print(fromUtf8(utf8), mode);
}

void Game::sayAtPitch(int pitch, std::string_view utf8) {
    m.setpitch(pitch);
    say(utf8);
    m.setpitch(kNormalPitch);
}

void Game::sayLines(const std::string_view* lines, std::size_t count) {
    for (std::size_t k = 0; k < count; ++k) say(lines[k]);
}

bool Game::nounIs(std::string_view utf8) const {
    return s.noun == fromUtf8(utf8);
}

bool Game::cmdIs(std::string_view utf8) const {
    return s.cmdline == fromUtf8(utf8);
}

int Game::field(int record, Field f) const {
    return m.peek(fieldAddress(record, f));
}

int Game::field(Obj object, Field f) const {
    return field(static_cast<int>(object), f);
}

void Game::setField(int record, Field f, int value) {
    m.poke(fieldAddress(record, f), value);
}

void Game::setField(Obj object, Field f, int value) {
    setField(static_cast<int>(object), f, value);
}

void Game::lookupName(int nameindex) {
    if (nameindex < 1 || nameindex > kObjectCount) return;
    s.objname = fromUtf8(kNameTable[nameindex - 1]);
}

bool Game::nameMatchesNoun() const {
    return Machine::leftstr(s.objname, 3) == s.noun;
}

void Game::askAnswer(std::string& variable) {
    variable.clear();
    m.inputstr(variable, 0);
}

Game::DateParts Game::today() {
    DateParts parts{};
    parts.day = static_cast<int>(Machine::val(Machine::leftstr(m.datestr(), 2)));
    parts.month = static_cast<int>(Machine::val(Machine::midstr(m.datestr(), 4, 2)));
    parts.century = static_cast<int>(Machine::val(Machine::midstr(m.datestr(), 7, 2)));
    parts.year = static_cast<int>(Machine::val(Machine::rightstr(m.datestr(), 2)));
    return parts;
}

void Game::storeDate() {
    const DateParts date = today();
    m.poke(kDateRecord, date.day);
    m.poke(kDateRecord + 1, date.month);
    m.poke(kDateRecord + 2, date.century);
    m.poke(kDateRecord + 3, date.year);
}

}  // namespace ulvora::program
