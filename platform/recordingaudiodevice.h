// An output for tests: nothing plays in the background; the test asks for
// the next frames and gets exactly what the mixer made of them, so lengths
// and frequencies can be checked to the sample. Time, for the mixer, is the
// number of frames rendered so far.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/audiooutput.h"

namespace ulvora {

class RecordingAudioDevice final : public AudioOutput {
  public:
    static constexpr std::size_t kWaitChunk = 480;

    explicit RecordingAudioDevice(int rate = 48000) : mixer_(rate) {}

    // Mixes the next `frames` frames and returns them (stereo, interleaved);
    // they are also kept in recorded().
    std::vector<float> render(std::size_t frames);

    // Everything mixed so far, including what waitUntilPlayed rendered.
    const std::vector<float>& recorded() const { return recorded_; }
    void clearRecorded() { recorded_.clear(); }

    Mixer& mixer() override { return mixer_; }
    // Time passes only as the test renders.
    std::int64_t clock() override { return mixer_.framesRendered(); }
    // Renders, in chunks of kWaitChunk frames, until the wave has been mixed.
    void waitUntilPlayed(const OneShot& shot) override;
    bool isSilent() const override { return false; }

  private:
    Mixer mixer_;
    std::vector<float> recorded_;
};

}  // namespace ulvora
