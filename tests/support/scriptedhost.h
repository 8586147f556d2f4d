// A host for tests: input lines, keys and the date come from the test; time
// is virtual (timers and blocking sleeps advance a clock, nothing really
// waits); printed text, messages and the end of the process are recorded.
#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "runtime/host.h"
#include "runtime/machine.h"
#include "runtime/sounddevice.h"
#include "speech/speechoutput.h"

namespace ulvora::testing {

// Thrown by endProcess so that a test can see the process end.
struct ProcessEnded {
    int exitCode;
};

// Thrown when the machine asks for a line or waits for a key that the
// script does not hold: the test would otherwise hang.
struct ScriptExhausted : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ScriptedHost : public Host {
  public:
    // The machine whose keybuffer receives the scripted keys.
    Machine* machine = nullptr;

    // Lines for the input dialog, UTF-8; std::nullopt closes it without OK.
    std::deque<std::optional<std::string>> lines;
    // Key codes (Windows-1250 bytes) put into keybuffer, one per wait step.
    std::deque<std::string> keys;
    Date date{11, 12, 2026};

    // What was printed, in UTF-8, as the console shows it: each text, and a
    // line end after a text printed with mode 0.
    std::string transcript;
    // The lines given to the dialog (UTF-8), in order.
    std::vector<std::string> answered;
    std::vector<std::string> messages;  // UTF-8
    std::vector<int> sleeps;            // blocking sleeps, in ms
    long long nowMs = 0;                // virtual clock
    int timersStarted = 0;

    void feed(std::initializer_list<std::string> utf8Lines) {
        for (const auto& line : utf8Lines) lines.emplace_back(line);
    }

    void waitUntil(const std::function<bool()>& done) override;
    void processPendingEvents() override;
    bool askLine(std::string& line) override;
    void showMessage(const std::string& text) override;
    void startTimer(int ms, std::function<void()> onTimeout) override;
    void stopTimer() override;
    void sleepBlocking(int ms) override;
    Date today() override { return date; }
    void printed(const std::string& text, std::uint8_t mode) override;
    [[noreturn]] void endProcess(int exitCode) override { throw ProcessEnded{exitCode}; }

    // Called at every wait step, before anything else happens; a test can use
    // it to act "while the machine waits" (for example, press a key).
    std::function<void()> onWaitStep;

  private:
    std::optional<long long> timerDue_;
    std::function<void()> timerCallback_;
};

// Speech that records what it is asked to say (UTF-8).
class RecordingSpeech : public SpeechOutput {
  public:
    std::vector<std::string> spoken;  // speakandwait and speaknowait
    std::vector<std::string> keys;    // speakkey
    std::vector<double> pitches;      // setpitch
    int stops = 0;

    void speakandwait(const std::string& text) override;
    void speaknowait(const std::string& text) override;
    void speakkey(const std::string& text) override;
    void stopspeech() override { ++stops; }
    void setpitch(double value) override { pitches.push_back(value); }
};

// A sound device that records every call; it holds the waves named in
// `waves` (by default the whole bank the program needs).
class RecordingSoundDevice : public SoundDevice {
  public:
    struct Started {
        std::vector<LoopedNote> notes;
        int volume;
        int durationMs;
    };
    std::vector<std::string> waves;
    std::vector<Started> started;
    std::vector<std::vector<std::string>> stopped;
    std::vector<std::pair<std::string, int>> playedOnce;  // wave, volume

    RecordingSoundDevice();
    bool hasWave(const std::string& name) const override;
    void startNotes(const std::vector<LoopedNote>& notes, int volume, int durationMs) override;
    void stopNotes(const std::vector<std::string>& names) override { stopped.push_back(names); }
    void playOnceAndWait(const std::string& wave, int volume) override {
        playedOnce.emplace_back(wave, volume);
    }
};

// A machine with a scripted host, recording speech and sound, working in a
// fresh temporary folder that is removed afterwards.
class TestMachine {
  public:
    TestMachine();
    ~TestMachine();
    TestMachine(const TestMachine&) = delete;
    TestMachine& operator=(const TestMachine&) = delete;

    std::filesystem::path folder;
    ScriptedHost host;
    RecordingSpeech speech;
    RecordingSoundDevice sound;
    Machine machine;

    // Writes a file into the machine's folder.
    void writeFile(const std::string& name, const std::string& bytes) const;
    // The screen's row as UTF-8 with trailing blanks removed.
    std::string row(int index) const;
};

}  // namespace ulvora::testing
