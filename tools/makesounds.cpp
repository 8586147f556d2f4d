// makesounds: writes the wave bank sounds.dat (see docs/sounds-format.md).
//
// Usage: makesounds <output file>
//
// Every wave is computed from the tables below, with no randomness beyond a
// fixed-seed generator, so the build makes the same bank every time and no
// recorded sound has to be kept in the repository.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <span>
#include <string>
#include <vector>

#include "platform/wavebank.h"

namespace {

using ulvora::Wave;
using ulvora::WaveBank;

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// --- Note waves -------------------------------------------------------------
//
// The runtime loops a note's wave at 64 x note samples per second, so a wave
// holding `cycles` periods of its fundamental in 64 x `cycles` samples
// sounds at the note's value in hertz. Its nominal rate, 64,000 samples/s,
// is the rate at which it sounds at 1000 Hz.

constexpr std::uint32_t kSamplesPerCycle = 64;
constexpr std::uint32_t kNoteWaveRate = 64000;

struct Partial {
    double ratio;      // times the fundamental; ratio x cycles must be whole
    double amplitude;  // relative
};

struct Timbre {
    int octave;
    int cycles;   // fundamental periods in the loop
    double peak;  // peak level of one voice
    std::vector<Partial> partials;
};

// Square-ish organ partials: odd harmonics at 1/h, softened by Lanczos
// sigma factors so the edges do not ring.
std::vector<Partial> organ() {
    constexpr int kHighest = 11;
    std::vector<Partial> partials;
    for (int h = 1; h <= kHighest; h += 2) {
        const double x = std::numbers::pi * h / (kHighest + 2);
        partials.push_back({static_cast<double>(h), std::sin(x) / x / h});
    }
    return partials;
}

// One row per octave the program uses; voices 1 to 4 of an octave share it.
// Peaks leave room for the chords: four organ voices stay below full scale.
const std::vector<Timbre>& timbres() {
    static const std::vector<Timbre> table = {
        // 1: short signals and the flight: soft, nearly a sine.
        {1, 1, 0.60, {{1, 1.0}, {2, 0.12}, {3, 0.04}}},
        // 2: the high tone (note 5000): brighter, but nothing above the 4th
        // harmonic, which is 20 kHz there.
        {2, 1, 0.50, {{1, 1.0}, {2, 0.45}, {3, 0.25}, {4, 0.12}}},
        // 3: the four-voice chords and the on/off signals: an organ.
        {3, 1, 0.22, organ()},
        // 5: the screen review's two notes: a gentle bell, its inharmonic
        // partials (2.75, 5.25) fitting whole into four periods.
        {5, 4, 0.40, {{1, 1.0}, {2, 0.30}, {2.75, 0.18}, {5.25, 0.06}}},
    };
    return table;
}

// Sums sines, all starting at phase 0, so the loop begins at silence (no
// click at a note's start) and joins itself smoothly.
std::vector<float> additive(std::size_t length, double peak, std::span<const Partial> partials,
                            double periodsOfFirst) {
    std::vector<double> sum(length, 0.0);
    for (std::size_t i = 0; i < length; ++i) {
        const double phase =
            kTwoPi * periodsOfFirst * static_cast<double>(i) / static_cast<double>(length);
        for (const auto& partial : partials)
            sum[i] += partial.amplitude * std::sin(partial.ratio * phase);
    }
    const double highest = std::abs(*std::max_element(
        sum.begin(), sum.end(), [](double a, double b) { return std::abs(a) < std::abs(b); }));
    std::vector<float> samples(length);
    std::transform(sum.begin(), sum.end(), samples.begin(),
                   [&](double v) { return static_cast<float>(v / highest * peak); });
    return samples;
}

Wave noteWave(const Timbre& timbre, int voice) {
    const std::size_t length =
        std::size_t{kSamplesPerCycle} * static_cast<std::size_t>(timbre.cycles);
    return {"snd" + std::to_string(voice) + std::to_string(timbre.octave), kNoteWaveRate, true,
            additive(length, timbre.peak, timbre.partials, timbre.cycles)};
}

// --- Beep and clicks --------------------------------------------------------
//
// Played once at 48,000 samples/s, the output's own rate.

constexpr std::uint32_t kRate = 48000;

std::size_t framesOf(double ms) {
    return static_cast<std::size_t>(std::lround(ms * kRate / 1000.0));
}

// Raised-cosine ramps at both ends, so the beep neither starts nor stops
// with a click.
void ramp(std::vector<float>& samples, double attackMs, double releaseMs) {
    const std::size_t attack = framesOf(attackMs);
    const std::size_t release = framesOf(releaseMs);
    const auto attackFrames = static_cast<double>(attack);
    const auto releaseFrames = static_cast<double>(release);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        double gain = 1.0;
        if (i < attack)
            gain = 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / attackFrames);
        const std::size_t left = samples.size() - 1 - i;
        if (left < release) {
            gain *=
                0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(left) / releaseFrames);
        }
        samples[i] = static_cast<float>(samples[i] * gain);
    }
}

Wave beep() {
    constexpr double kHertz = 880.0;
    const std::size_t length = framesOf(150.0);
    const Partial partials[] = {{1, 1.0}, {2, 0.20}, {3, 0.08}};
    // 132 whole periods of 880 Hz fit in 150 ms at 48 kHz.
    auto samples = additive(length, 0.5, partials, kHertz * static_cast<double>(length) / kRate);
    ramp(samples, 5.0, 15.0);
    return {"beep", kRate, false, std::move(samples)};
}

// A click: a tiny burst of noise (the "tick") over a ringing tone that dies
// away within a few milliseconds. Each number has its own pitch, length and
// brightness, so the ear tells them apart.
struct ClickShape {
    int number;
    double lengthMs;
    double hertz;
    double secondHertz;  // a second ringing partial, 0 for none
    double decayMs;      // time constant of the ringing
    double noise;        // level of the tick
};

const ClickShape kClicks[] = {
    // 0: the title's typing, 81 in a row: short and light.
    {0, 3.0, 2500.0, 0.0, 0.6, 0.35},
    // 1: the death sequence: lower and heavier.
    {1, 5.0, 900.0, 1350.0, 1.2, 0.25},
    // 2: the input dialog: the shortest, a bright tick.
    {2, 2.0, 4200.0, 0.0, 0.35, 0.45},
    // 16: the screen review's bounds: a two-tone knock.
    {16, 4.0, 1800.0, 2700.0, 0.9, 0.20},
};

Wave click(const ClickShape& shape) {
    const std::size_t length = framesOf(shape.lengthMs);
    const std::size_t tick = framesOf(0.25);
    std::uint32_t seed = 0x2545F491u + static_cast<std::uint32_t>(shape.number);
    std::vector<double> sum(length);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double envelope = std::exp(-t * 1000.0 / shape.decayMs);
        double tone = std::sin(kTwoPi * shape.hertz * t);
        if (shape.secondHertz > 0) tone += 0.6 * std::sin(kTwoPi * shape.secondHertz * t);
        double value = tone * envelope;
        if (i < tick) {
            seed = seed * 1664525u + 1013904223u;  // fixed-seed LCG: the same tick every build
            const double noise =
                static_cast<double>(seed >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
            value +=
                shape.noise * noise * (1.0 - static_cast<double>(i) / static_cast<double>(tick));
        }
        sum[i] = value;
    }
    const double highest = std::abs(*std::max_element(
        sum.begin(), sum.end(), [](double a, double b) { return std::abs(a) < std::abs(b); }));
    std::vector<float> samples(length);
    std::transform(sum.begin(), sum.end(), samples.begin(),
                   [&](double v) { return static_cast<float>(v / highest * 0.7); });
    ramp(samples, 0.0, 0.5);  // whatever still rings ends at silence
    return {"click" + std::to_string(shape.number), kRate, false, std::move(samples)};
}

WaveBank makeBank() {
    WaveBank bank;
    bank.add(beep());
    for (const auto& shape : kClicks) bank.add(click(shape));
    for (const auto& timbre : timbres()) {
        for (int voice = 1; voice <= 4; ++voice) bank.add(noteWave(timbre, voice));
    }
    return bank;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makesounds <output file>\n");
        return 2;
    }
    try {
        const std::filesystem::path target = argv[1];
        const std::filesystem::path partial = target.string() + ".new";
        {
            std::ofstream out(partial, std::ios::binary | std::ios::trunc);
            const std::string bytes = makeBank().serialize();
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            if (!out.flush()) throw std::runtime_error("cannot write " + partial.string());
        }
        std::filesystem::rename(partial, target);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "makesounds: %s\n", error.what());
        return 1;
    }
    return 0;
}
