#include "platform/audiodevice.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>

namespace ulvora {
namespace {

// How long a one-shot may overrun its own length before the wait gives up:
// a few buffers of latency and a generous allowance for a busy machine.
std::chrono::microseconds slackFor(int rate, int bufferFrames) {
    return std::chrono::microseconds(4LL * bufferFrames * 1'000'000 / rate) +
           std::chrono::milliseconds(250);
}

}  // namespace

AudioDevice::AudioDevice(int rate, int bufferFrames) : mixer_(rate), bufferFrames_(bufferFrames) {
    std::string failure;
    if (!open(failure)) {
        // Debian's SDL does not fall back to its dummy driver by itself.
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        std::string dummyFailure;
        if (!open(dummyFailure)) {
            throw AudioError("no sound output could be opened: " + failure + "; " + dummyFailure);
        }
        reason_ = "no sound output could be opened (" + failure + ")";
    }
    const char* driver = SDL_GetCurrentAudioDriver();
    driver_ = driver ? driver : "";
    if (driver_ == "dummy") {
        silent_ = true;
        if (reason_.empty()) reason_ = "the dummy audio driver was chosen";
    }
    SDL_PauseAudioDevice(id_, 0);
}

AudioDevice::~AudioDevice() {
    SDL_CloseAudioDevice(id_);  // waits for a callback in progress
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool AudioDevice::open(std::string& failure) {
    // SDL would otherwise take SIGINT and SIGTERM for itself, and the program
    // could no longer be ended from a terminal or by the session.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        failure = SDL_GetError();
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = mixer_.deviceRate();
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 2;
    wanted.samples = static_cast<Uint16>(bufferFrames_);
    wanted.callback = &AudioDevice::fill;
    wanted.userdata = this;
    SDL_AudioSpec granted{};
    id_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &granted, 0);
    if (id_ == 0) {
        failure = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

void AudioDevice::fill(void* self, std::uint8_t* stream, int length) {
    auto& device = *static_cast<AudioDevice*>(self);
    // SDL hands out a buffer of the format asked for (allowed_changes 0):
    // float samples, suitably aligned.
    const std::span<float> stereo(reinterpret_cast<float*>(stream),
                                  static_cast<std::size_t>(length) / sizeof(float));
    const std::int64_t first = device.mixer_.framesRendered();
    device.mixer_.render(stereo, device.clock());
    if (device.monitor_) device.monitor_(stereo, first);
}

std::int64_t AudioDevice::clock() {
    const auto since = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - opened_);
    return since.count() * mixer_.deviceRate() / 1'000'000;
}

void AudioDevice::waitUntilPlayed(const OneShot& shot) {
    const std::int64_t ahead = std::max<std::int64_t>(0, shot.endFrame() - mixer_.framesRendered());
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::microseconds(ahead * 1'000'000 / mixer_.deviceRate()) +
                          slackFor(mixer_.deviceRate(), bufferFrames_);
    if (!mixer_.waitPlayed(shot, deadline)) mixer_.stop(shot);
}

void AudioDevice::setMonitor(Monitor monitor) {
    SDL_LockAudioDevice(id_);
    monitor_ = std::move(monitor);
    SDL_UnlockAudioDevice(id_);
}

}  // namespace ulvora
