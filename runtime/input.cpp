// INPUT: lines asked for in the input dialog, handed out item by item.
#include <charconv>
#include <optional>

#include "runtime/machine.h"

namespace ulvora {
namespace {

// A numeric item: optional sign, digits with an optional fraction after ".",
// an optional exponent, blanks around. Anything else does not convert.
std::optional<double> toNumber(const std::string& item) {
    std::string text = trimmed(item);
    if (!text.empty() && text.front() == '+') text.erase(0, 1);
    if (text.empty() || text.front() == '+') return std::nullopt;
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

// Removes a leading comma, then trims.
void dropSeparator(std::string& buffer) {
    if (!buffer.empty() && buffer.front() == ',') buffer.erase(0, 1);
    buffer = trimmed(buffer);
}

}  // namespace

bool Machine::asklinefor(std::uint8_t mode) {
    if (mode == 1 || mode == 2) print(getstring(23), 0);
    std::string line;
    if (!host.askLine(line)) return false;
    inputbuffer = trimmed(line);
    return true;
}

void Machine::inputstr(std::string& variable, std::uint8_t mode) {
    if (mode == 0 || mode == 2) inputbuffer.clear();
    if (inputbuffer.empty() && asklinefor(mode) && !inputbuffer.empty() &&
        inputbuffer.front() == ',') {
        variable.clear();
        inputbuffer.erase(0, 1);
        return;
    }
    if (inputbuffer.empty()) return;
    dropSeparator(inputbuffer);
    std::string item;
    if (!inputbuffer.empty() && inputbuffer.front() == '"') {
        inputbuffer.erase(0, 1);
        const auto close = inputbuffer.find('"');
        if (close == std::string::npos) {
            item = std::move(inputbuffer);
            inputbuffer.clear();
        } else {
            item = inputbuffer.substr(0, close);
            inputbuffer = trimmed(inputbuffer.substr(close + 1));
        }
    } else if (const auto comma = inputbuffer.find(','); comma != std::string::npos) {
        item = inputbuffer.substr(0, comma);
        inputbuffer = trimmed(inputbuffer.substr(comma + 1));
    } else {
        item = std::move(inputbuffer);
        inputbuffer.clear();
    }
    variable = std::move(item);
}

void Machine::inputnum(double& variable, std::uint8_t mode) {
    if (mode == 0 || mode == 2) inputbuffer.clear();
    bool asked = false;
    for (;;) {
        bool converted = true;
        if (inputbuffer.empty()) {
            std::string line;
            if (mode == 1 || mode == 2) print(getstring(23), 0);
            if (!host.askLine(line)) return;
            asked = true;
            inputbuffer = trimmed(line);
            if (line.empty()) variable = 0;
            if (!inputbuffer.empty() && inputbuffer.front() == ',') {
                variable = 0;
                inputbuffer.erase(0, 1);
                return;
            }
        }
        if (!inputbuffer.empty()) {
            dropSeparator(inputbuffer);
            std::optional<double> number;
            if (const auto comma = inputbuffer.find(','); comma != std::string::npos) {
                number = toNumber(inputbuffer.substr(0, comma));
                inputbuffer = trimmed(inputbuffer.substr(comma + 1));
            } else {
                number = inputbuffer.empty() ? 0.0 : toNumber(inputbuffer);
                inputbuffer.clear();
            }
            if (number) {
                variable = *number;
            } else {
                converted = false;
            }
        }
        if (converted) return;
        if (!asked) {
            variable = 0;
            return;
        }
        inputbuffer.clear();
        print(getstring(44), 0);
    }
}

std::string Machine::takekeys() {
    host.processPendingEvents();
    std::string keys = std::move(keybuffer);
    keybuffer.clear();
    return keys;
}

}  // namespace ulvora
