// DATE$, LEFT$, RIGHT$, MID$, VAL and the switch that silences PRINT.
#include <charconv>
#include <cstdio>

#include "runtime/machine.h"

namespace ulvora {
namespace {

// Characters from a 1-based position, with BASIC's forgiving bounds.
std::string piece(const std::string& text, std::int64_t start, std::int64_t count) {
    if (start < 1) start = 1;
    const auto length = static_cast<std::int64_t>(text.size());
    if (count <= 0 || start > length) return {};
    return text.substr(static_cast<std::size_t>(start - 1),
                       static_cast<std::size_t>(std::min(count, length - start + 1)));
}

// A whole number in which "$" introduces hexadecimal digits, as "%" is
// written in the program ("-%FF" is -255).
double hexadecimal(const std::string& text) {
    std::string digits = trimmed(text);
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.erase(0, 1);
    }
    int base = 10;
    if (!digits.empty() && digits.front() == '$') {
        base = 16;
        digits.erase(0, 1);
    }
    std::int64_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (digits.empty() || error != std::errc() || stop != end || value > 0xFFFFFFFFLL) {
        throw MachineError("'" + text + "' is not a valid integer value");
    }
    return static_cast<double>(negative ? -value : value);
}

}  // namespace

std::string Machine::datestr() {
    const Date today = host.today();
    char text[16];
    std::snprintf(text, sizeof text, "%02d %02d %04d", today.day % 100, today.month % 100,
                  today.year % 10000);
    return text;
}

std::string Machine::leftstr(const std::string& text, double count) {
    return piece(text, 1, toWhole(count));
}

std::string Machine::rightstr(const std::string& text, double count) {
    const std::int64_t n = toWhole(count);
    if (n <= 0) return {};
    return piece(text, static_cast<std::int64_t>(text.size()) + 1 - n, n);
}

std::string Machine::midstr(const std::string& text, double start, double count) {
    return piece(text, toWhole(start), toWhole(count));
}

double Machine::val(const std::string& text) {
    if (text.find('%') != std::string::npos) {
        std::string replaced = text;
        for (char& c : replaced) {
            if (c == '%') c = '$';
        }
        return hexadecimal(replaced);
    }
    std::size_t first = 0;
    while (first < text.size() && text[first] == ' ') ++first;
    std::string number = text.substr(first);
    if (!number.empty() && number.front() == '+') number.erase(0, 1);
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (number.empty() || error != std::errc() || stop != end) return 0;
    return value;
}

void Machine::setprintsilent(double value) {
    printsilent = static_cast<std::uint8_t>(toWhole(value) & 0xFF);
}

}  // namespace ulvora
