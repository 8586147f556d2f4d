#include "app/consolehost.h"

#include <cstdlib>
#include <ctime>
#include <iostream>
#include <thread>

#include "l10n/cp1250.h"

namespace ulvora {

ConsoleHost::ConsoleHost(std::istream& in, std::ostream& out, std::ostream& err)
    : in_(in), out_(out), err_(err) {}

std::string ConsoleHost::readLineOrExit() {
    out_.flush();
    std::string line;
    if (!std::getline(in_, line)) {
        if (machine_ != nullptr) machine_->saveram();
        endProcess(0);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

// The only waits are the sound timer and the full-screen pause for a key;
// on a terminal that key is Enter.
void ConsoleHost::waitUntil(const std::function<bool()>& done) {
    while (!done()) {
        if (timer_) {
            std::this_thread::sleep_until(timer_->due);
            auto onTimeout = std::move(timer_->onTimeout);
            timer_.reset();
            onTimeout();
            continue;
        }
        if (machine_ == nullptr) return;
        // The machine says this aloud; here the terminal's reader shows it.
        out_ << toUtf8(machine_->getstring(41)) << '\n';
        readLineOrExit();
        machine_->keybuffer.assign(1, '\r');  // Enter
    }
}

bool ConsoleHost::askLine(std::string& line) {
    line = fromUtf8(readLineOrExit());
    return true;
}

void ConsoleHost::showMessage(const std::string& text) {
    out_.flush();
    err_ << toUtf8(text) << std::endl;
}

void ConsoleHost::startTimer(int ms, std::function<void()> onTimeout) {
    timer_ = Timer{std::chrono::steady_clock::now() + std::chrono::milliseconds(ms),
                   std::move(onTimeout)};
}

void ConsoleHost::sleepBlocking(int ms) {
    out_.flush();
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

Date ConsoleHost::today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

void ConsoleHost::printed(const std::string& text, std::uint8_t mode) {
    out_ << toUtf8(text);
    if (mode == 0) out_ << '\n';
}

void ConsoleHost::endProcess(int exitCode) {
    out_.flush();
    err_.flush();
    std::exit(exitCode);
}

}  // namespace ulvora
