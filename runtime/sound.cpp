// SOUND, the beep and the clicks: waves of the bank played by the device.
#include "runtime/machine.h"

namespace ulvora {
namespace {

constexpr double kRatePerNote = 64.0;
constexpr double kRateOfSilentNote = 2.0;  // a note of 0 plays at 128 samples/s

}  // namespace

void Machine::sound(const std::vector<double>& notes, double duration, double octave) {
    if (!ulvorasounds) return;
    if (octave > 9) octave = lastoctave;
    if (duration < 0) duration = lastduration;
    lastoctave = static_cast<std::uint8_t>(toWhole(octave) & 0xFF);
    lastduration = static_cast<int>(toWhole(duration));

    std::vector<LoopedNote> playing;
    std::vector<std::string> waves;
    for (std::size_t voice = 0; voice < notes.size(); ++voice) {
        const std::string wave =
            "snd" + std::to_string(voice + 1) + std::to_string(toWhole(octave));
        if (!sounddev.hasWave(wave)) throw MachineError("Wave '" + wave + "' not found");
        const std::int64_t note = toWhole(notes[voice]);
        playing.push_back({wave, note == 0 ? kRateOfSilentNote * kRatePerNote
                                           : kRatePerNote * static_cast<double>(note)});
        waves.push_back(wave);
    }
    soundplaying = true;
    // A duration below 1 ms would never tick: it lasts the shortest interval.
    const int interval = lastduration < 1 ? 1 : lastduration;
    sounddev.startNotes(playing, sndvolume, interval);
    host.startTimer(interval, [this] { TimerTimer(); });
    host.waitUntil([this] { return !soundplaying; });
    host.stopTimer();
    sounddev.stopNotes(waves);
}

void Machine::TimerTimer() {
    soundplaying = false;
    host.stopTimer();
}

void Machine::beep() {
    if (!ulvorasounds) return;
    if (!sounddev.hasWave("beep")) throw MachineError("Wave 'beep' not found");
    sounddev.playOnceAndWait("beep", sndvolume);
}

void Machine::click(double n) {
    if (!ulvorasounds) return;
    const std::string wave = "click" + std::to_string(toWhole(n));
    if (!sounddev.hasWave(wave)) throw MachineError("Wave '" + wave + "' not found");
    sounddev.playOnceAndWait(wave, sndvolume);
}

}  // namespace ulvora
