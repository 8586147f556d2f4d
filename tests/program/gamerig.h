// A machine that plays the adventure from a script, for transcript tests.
//
// The transcript shows each typed line after "> " where the input dialog
// took it, so a test reads like a session at the machine.
#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "l10n/cp1250.h"
#include "program/ulvprog.h"
#include "support/scriptedhost.h"

namespace ulvora::testing {

using Script = std::vector<std::string>;

inline Script operator+(Script first, const Script& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// Echoes every line the dialog hands back into the transcript.
class EchoingHost : public ScriptedHost {
  public:
    // Called before each line is handed out, with the count of lines asked
    // for so far; a test can change the world between two answers.
    std::function<void(int)> beforeLine;
    int asked = 0;

    bool askLine(std::string& line) override {
        if (beforeLine) beforeLine(asked);
        ++asked;
        const bool confirmed = ScriptedHost::askLine(line);
        transcript += confirmed ? "> " + toUtf8(line) + "\n" : "> (closed)\n";
        return confirmed;
    }
};

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// The shipped number file.
inline std::string shippedData() {
    return readFile(std::filesystem::path(ULVORA_SOURCE_DIR) / "data" / "data.dta");
}

class GameRig {
  public:
    explicit GameRig(const std::string& data = shippedData())
        : folder(freshFolder()), machine(host, speech, sound, folder) {
        host.machine = &machine;
        machine.voiceallowed = true;
        std::ofstream(folder / "data.dta", std::ios::binary) << data;
    }
    ~GameRig() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    GameRig(const GameRig&) = delete;
    GameRig& operator=(const GameRig&) = delete;

    // One run, as Start makes it: the data file opened, the runtime reset.
    void run(const Script& lines) {
        for (const auto& line : lines) host.lines.emplace_back(line);
        machine.opendatafile();
        machine.resetrun();
        runprogram(machine);
        machine.closedatafile();
    }

    const std::string& transcript() const { return host.transcript; }

    // Forgets what earlier runs printed, spoke and played.
    void forget() {
        host.transcript.clear();
        host.sleeps.clear();
        speech.spoken.clear();
        speech.pitches.clear();
        sound.started.clear();
        sound.playedOnce.clear();
    }

    bool spoke(const std::string& utf8) const {
        for (const auto& text : speech.spoken) {
            if (text == utf8) return true;
        }
        return false;
    }

    int peek(int address) const { return machine.peek(address); }

    std::filesystem::path folder;
    EchoingHost host;
    RecordingSpeech speech;
    RecordingSoundDevice sound;
    Machine machine;

  private:
    static std::filesystem::path freshFolder() {
        static std::atomic<int> counter{0};
        auto path = std::filesystem::temp_directory_path() /
                    ("ulvora-game-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
        return path;
    }
};

// The walkthrough of docs/walkthrough.md: the lines of its "```text" block,
// each up to a "  #" comment.
inline Script walkthrough() {
    std::istringstream doc(
        readFile(std::filesystem::path(ULVORA_SOURCE_DIR) / "docs" / "walkthrough.md"));
    Script lines;
    std::string line;
    bool inside = false;
    while (std::getline(doc, line)) {
        if (!inside) {
            inside = line == "```text";
            continue;
        }
        if (line.rfind("```", 0) == 0) break;
        if (const auto comment = line.find("  #"); comment != std::string::npos) {
            line.erase(comment);
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace ulvora::testing
