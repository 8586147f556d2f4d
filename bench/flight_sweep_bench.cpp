// The adventure's flight: 66 notes of 10 ms (700 to 2000 Hz in steps of 20,
// octave 1) through Machine::sound on the SDL2 device in real time, with a
// real-time host as the desktop's timer (goal: the sweep within 0.70 s).
// Also the falling sweep and the 61 four-note slipping chords, and how the
// notes sat in the output: their audible lengths and the gaps between them.
//
// Usage: flight_sweep_bench  (SDL_AUDIODRIVER picks the driver; dummy when unset)
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "bench/soundbench.h"
#include "runtime/machine.h"
#include "speech/speechoutput.h"

using namespace ulvora;
using namespace ulvora::bench;

namespace {

constexpr int kRate = AudioDevice::kRate;
constexpr std::int64_t kNoteFrames = 10 * kRate / 1000;

struct Sweep {
    const char* name;
    std::function<void(Machine&)> play;
    int ideal;  // ms: the notes' own length
};

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

}  // namespace

int main() {
    if (!std::getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);
    auto bank = WaveBank::load(std::filesystem::path(ULVORA_RUN_DIR) / "sounds.dat");
    if (!bank) {
        std::fprintf(stderr, "no sounds.dat in %s: build first\n", ULVORA_RUN_DIR);
        return 1;
    }
    auto output = std::make_unique<AudioDevice>();
    AudioDevice& audio = *output;
    Tap tap;
    tap.attach(audio);
    BankSoundDevice device(std::move(*bank), std::move(output));
    NotedSoundDevice noted(device);
    RealTimeHost host;
    NoSpeech speech;
    Machine machine(host, speech, noted, std::filesystem::temp_directory_path());
    std::printf("SDL2 device, driver '%s'%s\n", audio.driver().c_str(),
                audio.isSilent() ? " (silent)" : "");

    const Sweep sweeps[] = {
        {"rising flight sweep (66 notes)",
         [](Machine& m) {
             for (int n = 700; n <= 2000; n += 20) m.sound({double(n)}, 10, 1);
         },
         660},
        {"falling flight sweep (66 notes)",
         [](Machine& m) {
             for (int n = 2000; n >= 700; n -= 20) m.sound({double(n)}, 10, 1);
         },
         660},
        {"slipping chords (61 x 4 notes)",
         [](Machine& m) {
             for (int n = 900; n >= 300; n -= 10) {
                 m.sound({double(n), n + 6.0, n + 12.0, n + 18.0}, 10, 3);
             }
         },
         610},
    };
    machine.sound({1000}, 10, 1);  // warm up
    for (const auto& sweep : sweeps) {
        std::vector<double> totals;
        std::vector<double> heard;
        std::vector<double> gaps;
        for (int run = 0; run < 5; ++run) {
            noted.starts.clear();
            const auto begin = Clock::now();
            sweep.play(machine);
            totals.push_back(ms(Clock::now() - begin) / 1000.0);
            waitMixed(audio.mixer(), noted.starts.back() + kNoteFrames + 960);
            for (std::size_t i = 0; i < noted.starts.size(); ++i) {
                const std::int64_t start = noted.starts[i];
                const std::int64_t next =
                    i + 1 < noted.starts.size() ? noted.starts[i + 1] : start + 4 * kNoteFrames;
                heard.push_back(
                    1000.0 * static_cast<double>(audibleFrames(tap.frames(start, next))) / kRate);
                if (i + 1 < noted.starts.size()) {
                    gaps.push_back(1000.0 * static_cast<double>(next - start - kNoteFrames) /
                                   kRate);
                }
            }
        }
        const Spread t = spreadOf(totals);
        const Spread h = spreadOf(heard);
        const Spread g = spreadOf(gaps);
        std::printf("%s, 5 runs:\n", sweep.name);
        std::printf("  total time     min %.3f / median %.3f / max %.3f s (notes alone %.3f s)\n",
                    t.min, t.median, t.max, sweep.ideal / 1000.0);
        std::printf("  each note      audible min %.3f / median %.3f / max %.3f ms\n", h.min,
                    h.median, h.max);
        std::printf("  between notes  silence min %.3f / median %.3f / max %.3f ms\n", g.min,
                    g.median, g.max);
    }
    return 0;
}
