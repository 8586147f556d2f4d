// The console front end's host: printed text goes to standard output as
// UTF-8 lines, each INPUT line is read from standard input, messages go to
// standard error. Standard input ending is the input dialog's exit button.
#pragma once

#include <chrono>
#include <iosfwd>
#include <optional>

#include "runtime/host.h"
#include "runtime/machine.h"

namespace ulvora {

class ConsoleHost : public Host {
  public:
    ConsoleHost(std::istream& in, std::ostream& out, std::ostream& err);

    // The machine whose keybuffer and memory image this host serves.
    void attach(Machine& machine) { machine_ = &machine; }

    void waitUntil(const std::function<bool()>& done) override;
    void processPendingEvents() override {}
    bool askLine(std::string& line) override;
    void showMessage(const std::string& text) override;
    void startTimer(int ms, std::function<void()> onTimeout) override;
    void stopTimer() override { timer_.reset(); }
    void sleepBlocking(int ms) override;
    Date today() override;
    void printed(const std::string& text, std::uint8_t mode) override;
    [[noreturn]] void endProcess(int exitCode) override;

  private:
    struct Timer {
        std::chrono::steady_clock::time_point due;
        std::function<void()> onTimeout;
    };
    // Reads one line; at the end of standard input the memory image is
    // saved and the process ends, as the dialog's exit button does.
    std::string readLineOrExit();

    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    Machine* machine_ = nullptr;
    std::optional<Timer> timer_;
};

}  // namespace ulvora
