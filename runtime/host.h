// The machine's only view of the outside world.
//
// The desktop program, the console front end and the tests each implement
// this interface; the runtime and the built-in program never know which one
// runs them. All texts are Windows-1250 bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

namespace ulvora {

struct Date {
    int day = 1;
    int month = 1;
    int year = 2000;
};

class Host {
  public:
    virtual ~Host() = default;

    // Handles events until done() is true. done() is tested before the first
    // event and after each one; between events the host blocks (no spinning).
    virtual void waitUntil(const std::function<bool()>& done) = 0;

    // Handles the events that are pending now, once, without blocking.
    virtual void processPendingEvents() = 0;

    // Shows the input dialog with an empty line and waits for it to close.
    // Returns true and the typed line when it was confirmed (OK); false when
    // it was closed otherwise. The dialog's exit button never returns here.
    virtual bool askLine(std::string& line) = 0;

    // A message box; returns when the user has dismissed it.
    virtual void showMessage(const std::string& text) = 0;

    // Calls onTimeout once, after ms milliseconds, from the event loop (so
    // only while the machine waits). A new start replaces the running timer.
    virtual void startTimer(int ms, std::function<void()> onTimeout) = 0;
    virtual void stopTimer() = 0;

    // Blocks for ms milliseconds without handling any event.
    virtual void sleepBlocking(int ms) = 0;

    virtual Date today() = 0;

    // The text screen changed; a host with a display shows it again.
    virtual void screenChanged() {}

    // PRINT was given this text with this separator mode (0 ends the line).
    // A host without a screen view (the console) shows printed text from here.
    virtual void printed(const std::string& /*text*/, std::uint8_t /*mode*/) {}

    // Ends the process at once (after whatever saving the caller did).
    [[noreturn]] virtual void endProcess(int exitCode) = 0;
};

// An error of the machine that ends the operation in progress (a number that
// does not convert, a wave the bank lacks). The run ends; the host reports
// the message and stays usable.
class MachineError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace ulvora
