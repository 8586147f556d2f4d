#include "support/scriptedhost.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>

#include "l10n/cp1250.h"

namespace ulvora::testing {
namespace {

std::filesystem::path freshFolder() {
    static std::atomic<int> counter{0};
    auto path = std::filesystem::temp_directory_path() /
                ("ulvora-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    return path;
}

}  // namespace

void ScriptedHost::waitUntil(const std::function<bool()>& done) {
    while (!done()) {
        if (onWaitStep) {
            onWaitStep();
            if (done()) return;
        }
        if (timerDue_) {
            nowMs = std::max(nowMs, *timerDue_);
            timerDue_.reset();
            auto callback = timerCallback_;
            callback();
        } else if (!keys.empty() && machine != nullptr) {
            machine->keybuffer = keys.front();
            keys.pop_front();
        } else {
            throw ScriptExhausted("the machine waits for an event the script does not hold");
        }
    }
}

void ScriptedHost::processPendingEvents() {
    if (onWaitStep) onWaitStep();
}

bool ScriptedHost::askLine(std::string& line) {
    if (lines.empty())
        throw ScriptExhausted("the machine asks for a line the script does not hold");
    const auto next = lines.front();
    lines.pop_front();
    if (!next) return false;
    answered.push_back(*next);
    line = fromUtf8(*next);
    return true;
}

void ScriptedHost::showMessage(const std::string& text) {
    messages.push_back(toUtf8(text));
}

void ScriptedHost::startTimer(int ms, std::function<void()> onTimeout) {
    ++timersStarted;
    timerDue_ = nowMs + ms;
    timerCallback_ = std::move(onTimeout);
}

void ScriptedHost::stopTimer() {
    timerDue_.reset();
}

void ScriptedHost::sleepBlocking(int ms) {
    sleeps.push_back(ms);
    nowMs += ms;
}

void ScriptedHost::printed(const std::string& text, std::uint8_t mode) {
    transcript += toUtf8(text);
    if (mode == 0) transcript += '\n';
}

void RecordingSpeech::speakandwait(const std::string& text) {
    spoken.push_back(toUtf8(text));
}
void RecordingSpeech::speaknowait(const std::string& text) {
    spoken.push_back(toUtf8(text));
}
void RecordingSpeech::speakkey(const std::string& text) {
    keys.push_back(toUtf8(text));
}

RecordingSoundDevice::RecordingSoundDevice()
    : waves{"beep",  "click0", "click1", "click2", "click16", "snd11", "snd12",
            "snd13", "snd15",  "snd23",  "snd25",  "snd33",   "snd43"} {}

bool RecordingSoundDevice::hasWave(const std::string& name) const {
    return std::find(waves.begin(), waves.end(), name) != waves.end();
}

void RecordingSoundDevice::startNotes(const std::vector<LoopedNote>& notes, int volume,
                                      int durationMs) {
    started.push_back({notes, volume, durationMs});
}

TestMachine::TestMachine() : folder(freshFolder()), machine(host, speech, sound, folder) {
    host.machine = &machine;
}

TestMachine::~TestMachine() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

void TestMachine::writeFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

std::string TestMachine::row(int index) const {
    std::string line = machine.printmemo.at(static_cast<std::size_t>(index));
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return toUtf8(line);
}

}  // namespace ulvora::testing
