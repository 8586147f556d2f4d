// The program's sound output: the mixer played through SDL2.
//
// It opens the system's default output (PulseAudio, PipeWire or ALSA) as
// 32-bit float stereo at 48,000 Hz with 480-frame (10 ms) buffers, taken as
// asked. When no output can be opened, it opens SDL's dummy driver instead:
// the silent device, which still pulls the mix in real time, so every
// duration and every wait for a one-shot behaves as with sound.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <stdexcept>
#include <string>

#include "platform/audiooutput.h"

namespace ulvora {

// Not even the silent device could be opened.
class AudioError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class AudioDevice final : public AudioOutput {
  public:
    static constexpr int kRate = 48000;
    // A whole number of milliseconds: the dummy driver sleeps whole
    // milliseconds per buffer, and then keeps time.
    static constexpr int kBufferFrames = 480;

    // Opens and starts the output (see above); throws AudioError when not
    // even the silent device opens.
    explicit AudioDevice(int rate = kRate, int bufferFrames = kBufferFrames);
    ~AudioDevice() override;
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    Mixer& mixer() override { return mixer_; }
    std::int64_t clock() override;
    void waitUntilPlayed(const OneShot& shot) override;
    bool isSilent() const override { return silent_; }
    std::string silentReason() const override { return reason_; }

    // The SDL driver in use ("pulseaudio", "alsa", "dummy", ...).
    const std::string& driver() const { return driver_; }

    // Called on the audio thread with each mixed buffer and the output frame
    // it starts at (measurements); an empty function removes it.
    using Monitor = std::function<void(std::span<const float> stereo, std::int64_t firstFrame)>;
    void setMonitor(Monitor monitor);

  private:
    bool open(std::string& failure);
    static void fill(void* self, std::uint8_t* stream, int length);

    Mixer mixer_;
    const std::chrono::steady_clock::time_point opened_ = std::chrono::steady_clock::now();
    const int bufferFrames_;
    std::uint32_t id_ = 0;
    bool silent_ = false;
    std::string reason_;
    std::string driver_;
    Monitor monitor_;  // changed only while the device is locked
};

}  // namespace ulvora
