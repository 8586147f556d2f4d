// The audio side of the machine's sound operations.
//
// The runtime decides what plays (wave names, rates, volumes, durations);
// a device plays it. The desktop's device mixes the bank's waves; tests
// record the calls; a machine without sound plays nothing.
#pragma once

#include <string>
#include <vector>

namespace ulvora {

struct LoopedNote {
    std::string wave;  // a wave name of the bank, for example "snd13"
    double rate;       // playback rate in samples per second
};

class SoundDevice {
  public:
    virtual ~SoundDevice() = default;

    // Whether the bank holds a wave of this name.
    virtual bool hasWave(const std::string& name) const = 0;

    // Starts the notes together, looped from their beginnings, at `volume`
    // hundredths of a decibel (-10000..0). The device itself silences them
    // after exactly durationMs milliseconds of audio (a negative value: only
    // stopNotes silences them).
    virtual void startNotes(const std::vector<LoopedNote>& notes, int volume, int durationMs) = 0;

    // Stops every playing copy of these waves at once.
    virtual void stopNotes(const std::vector<std::string>& waves) = 0;

    // Plays the wave once from its beginning and returns when it has
    // finished (the caller blocks; no events are handled meanwhile).
    virtual void playOnceAndWait(const std::string& wave, int volume) = 0;
};

// A device that has every wave and plays nothing: the console front end,
// which makes no sounds of its own.
class NoSoundDevice final : public SoundDevice {
  public:
    bool hasWave(const std::string&) const override { return true; }
    void startNotes(const std::vector<LoopedNote>&, int, int) override {}
    void stopNotes(const std::vector<std::string>&) override {}
    void playOnceAndWait(const std::string&, int) override {}
};

}  // namespace ulvora
