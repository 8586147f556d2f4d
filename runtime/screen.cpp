// The 24 x 80 text screen: PRINT, CLS, the full-screen pause and the reset
// of a run.
#include <algorithm>

#include "runtime/machine.h"

namespace ulvora {
namespace {

constexpr int kPauseMs = 300;

bool isPausePunctuation(char c) {
    return c == '.' || c == ',' || c == ';' || c == '?';
}

}  // namespace

void Machine::writeAt(int row, int column, const std::string& piece) {
    std::string& line = printmemo[static_cast<std::size_t>(row)];
    if (line.size() < kScreenColumns) line.resize(kScreenColumns, ' ');
    const auto at = static_cast<std::size_t>(column);
    const std::size_t room = line.size() > at ? line.size() - at : 0;
    line.replace(at, std::min(piece.size(), room), piece.substr(0, room));
}

void Machine::newlinestep(int& column, int& row) {
    ++row;
    column = 0;
    if (row <= kScreenRows - 1) return;
    if (printsilent == 1) {
        screenfull(column, row);
    } else {
        row = kScreenRows - 1;
        printmemo.erase(printmemo.begin());
        printmemo.emplace_back();
    }
}

void Machine::screenfull(int& column, int& row) {
    host.screenChanged();
    speech.speakandwait(getstring(41));
    host.waitUntil([this] { return !keybuffer.empty(); });
    takekeys();
    cls();
    column = 0;
    row = 0;
}

void Machine::puttext(std::string text) {
    int column = cursor.column();
    int row = cursor.row();
    if (text.size() + static_cast<std::size_t>(column) > kScreenColumns) {
        do {
            const auto cut =
                static_cast<std::size_t>(kScreenColumns - std::min(column, kScreenColumns));
            writeAt(row, column, text.substr(0, cut));
            text.erase(0, cut);
            newlinestep(column, row);
        } while (text.size() > kScreenColumns);
    }
    writeAt(row, column, text);
    column += static_cast<int>(text.size());
    cursor.setcolumn(static_cast<std::uint8_t>(column));
    cursor.setrow(static_cast<std::uint8_t>(row));
    switch (separator_) {
        case 0:
            newlinestep(column, row);
            break;
        case 2:
            if (column >= 73) {
                newlinestep(column, row);
            } else if (const int t = column % 8; t == 1) {
                column += 1;
            } else if (t != 0) {
                column += 8 - t;
            }
            break;
        default:
            break;
    }
    cursor.setcolumn(static_cast<std::uint8_t>(column));
    cursor.setrow(static_cast<std::uint8_t>(row));
    host.screenChanged();
}

void Machine::print(const std::string& text, std::uint8_t mode) {
    separator_ = mode;
    host.printed(text, mode);
    puttext(text);
    if (printsilent != 0 || text.empty()) return;
    std::string spoken = text;
    const std::string stripped = [&] {
        std::size_t k = 0;
        while (k < text.size() && static_cast<unsigned char>(text[k]) <= ' ') ++k;
        return text.substr(k);
    }();
    if (!stripped.empty() && isPausePunctuation(stripped.front())) {
        spoken = stripped;
        while (!spoken.empty() && isPausePunctuation(spoken.front())) {
            host.sleepBlocking(kPauseMs);
            spoken.erase(0, 1);
        }
    }
    speech.speakandwait(spoken);
}

void Machine::cls() {
    if (!voiceallowed) return;
    printmemo.assign(kScreenRows, std::string());
    cursor.setcolumn(0);
    cursor.setrow(0);
    host.screenChanged();
}

void Machine::resetrun() {
    inputbuffer.clear();
    lastoctave = 1;
    lastduration = 1;
    cursor.setcolumn(0);
}

}  // namespace ulvora
