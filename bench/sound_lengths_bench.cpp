// How long a note really sounds at the output, against the asked 10 and
// 500 ms (goal: within 1 ms). First with the recording device (the mixer
// alone, sample-exact), then with the SDL2 device in real time through
// Machine::sound and a real-time host, as the desktop plays them: the timer
// ends the wait and stopNotes runs while the device keeps mixing.
//
// Usage: sound_lengths_bench  (SDL_AUDIODRIVER picks the driver; dummy when unset)
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "bench/soundbench.h"
#include "platform/recordingaudiodevice.h"
#include "runtime/machine.h"
#include "speech/speechoutput.h"

using namespace ulvora;
using namespace ulvora::bench;

namespace {

constexpr int kRate = AudioDevice::kRate;

WaveBank loadBank() {
    auto bank = WaveBank::load(std::filesystem::path(ULVORA_RUN_DIR) / "sounds.dat");
    if (!bank) {
        std::fprintf(stderr, "no sounds.dat in %s: build first\n", ULVORA_RUN_DIR);
        std::exit(1);
    }
    return std::move(*bank);
}

void recordingDevice() {
    std::printf("recording device (48,000 Hz, mixer only):\n");
    for (const int ms : {10, 500}) {
        auto output = std::make_unique<RecordingAudioDevice>();
        RecordingAudioDevice& recording = *output;
        BankSoundDevice device(loadBank(), std::move(output));
        device.startNotes({{"snd11", 64.0 * 1000}}, 0, ms);
        const auto stereo = recording.render(static_cast<std::size_t>(ms * kRate / 1000 + 4800));
        std::vector<float> left;
        for (std::size_t i = 0; i < stereo.size(); i += 2) left.push_back(stereo[i]);
        const double heard = 1000.0 * static_cast<double>(audibleFrames(left)) / kRate;
        std::printf("  %3d ms note: audible %8.3f ms (error %+.3f ms)\n", ms, heard, heard - ms);
    }
}

void realTimeDevice() {
    if (!std::getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);
    auto output = std::make_unique<AudioDevice>();
    AudioDevice& audio = *output;
    Tap tap;
    tap.attach(audio);
    BankSoundDevice bank(loadBank(), std::move(output));
    NotedSoundDevice noted(bank);
    RealTimeHost host;
    NoSpeech speech;
    Machine machine(host, speech, noted, std::filesystem::temp_directory_path());

    std::printf("SDL2 device, driver '%s'%s, %d-frame buffers, through Machine::sound:\n",
                audio.driver().c_str(), audio.isSilent() ? " (silent)" : "",
                AudioDevice::kBufferFrames);
    machine.sound({1000}, 10, 1);  // warm up
    for (const int ms : {10, 500}) {
        const int runs = ms == 10 ? 40 : 8;
        noted.starts.clear();
        std::vector<double> wall;
        for (int run = 0; run < runs; ++run) {
            const auto begin = Clock::now();
            machine.sound({ms == 10 ? 700.0 : 1000.0}, ms, 1);
            wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
        }
        const std::int64_t frames = std::int64_t{ms} * kRate / 1000;
        waitMixed(audio.mixer(), noted.starts.back() + frames + 2 * AudioDevice::kBufferFrames);
        std::vector<double> heard;
        for (std::size_t i = 0; i < noted.starts.size(); ++i) {
            const std::int64_t start = noted.starts[i];
            const std::int64_t stop =
                i + 1 < noted.starts.size() ? noted.starts[i + 1] : start + frames + 4800;
            heard.push_back(1000.0 * static_cast<double>(audibleFrames(tap.frames(start, stop))) /
                            kRate);
        }
        const Spread h = spreadOf(heard);
        const Spread w = spreadOf(wall);
        std::printf(
            "  %3d ms note x %d: audible min %.3f / median %.3f / max %.3f ms"
            " (worst error %.3f ms); sound() took median %.3f, max %.3f ms\n",
            ms, runs, h.min, h.median, h.max, std::max(std::abs(h.min - ms), std::abs(h.max - ms)),
            w.median, w.max);
    }
}

}  // namespace

int main() {
    recordingDevice();
    realTimeDevice();
    return 0;
}
