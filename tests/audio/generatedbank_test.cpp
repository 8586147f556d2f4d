// The bank the build synthesises into the run folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "platform/recordingaudiodevice.h"
#include "platform/wavebank.h"
#include "signal.h"

namespace ulvora {
namespace {

using testing::frequencyOf;
using testing::leftOf;
using testing::peakOf;

const WaveBank& generated() {
    static const WaveBank bank = [] {
        const auto loaded = WaveBank::load(std::filesystem::path(ULVORA_RUN_DIR) / "sounds.dat");
        if (!loaded) throw std::runtime_error("the build did not make sounds.dat");
        return *loaded;
    }();
    return bank;
}

// Every name the machine plays.
const std::vector<std::string> kNotes = {"snd11", "snd12", "snd13", "snd15",
                                         "snd23", "snd25", "snd33", "snd43"};
const std::vector<std::string> kClicks = {"click0", "click1", "click2", "click16"};

// Magnitude of the DFT bin that makes `cycles` periods over the wave.
double binOf(const std::vector<float>& samples, int cycles) {
    std::complex<double> sum;
    const auto n = static_cast<double>(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        sum += static_cast<double>(samples[i]) *
               std::polar(1.0, -2.0 * std::numbers::pi * cycles * static_cast<double>(i) / n);
    }
    return std::abs(sum);
}

TEST(GeneratedBank, HoldsEveryWaveTheMachinePlays) {
    std::vector<std::string> names = kNotes;
    names.insert(names.end(), kClicks.begin(), kClicks.end());
    names.push_back("beep");
    for (const auto& name : names) EXPECT_TRUE(generated().find(name)) << name;
}

TEST(GeneratedBank, NoteWavesLoopWholePeriodsOfSixtyFourSamples) {
    for (const auto& name : kNotes) {
        const auto wave = generated().find(name);
        ASSERT_TRUE(wave) << name;
        EXPECT_TRUE(wave->looped) << name;
        EXPECT_EQ(wave->sampleRate, 64000u) << name;
        ASSERT_EQ(wave->samples.size() % 64, 0u) << name;
        const int cycles = static_cast<int>(wave->samples.size() / 64);
        // The fundamental, `cycles` periods over the loop, is the strongest
        // component: at 64 x note samples/s the wave sounds at the note.
        const double fundamental = binOf(wave->samples, cycles);
        for (int bin = 1; bin <= static_cast<int>(wave->samples.size() / 2); ++bin) {
            if (bin == cycles) continue;
            EXPECT_LT(binOf(wave->samples, bin), fundamental) << name << " " << bin;
        }
        // It starts at silence, so a note does not begin with a click.
        EXPECT_EQ(wave->samples.front(), 0.0f) << name;
        EXPECT_LE(peakOf(wave->samples), 0.61f) << name;
    }
}

TEST(GeneratedBank, VoicesOfOneOctaveShareTheirTimbre) {
    const auto first = generated().find("snd13");
    for (const char* other : {"snd23", "snd33", "snd43"}) {
        EXPECT_EQ(generated().find(other)->samples, first->samples) << other;
    }
    EXPECT_EQ(generated().find("snd25")->samples, generated().find("snd15")->samples);
    // A four-note chord of the organ stays within full scale.
    EXPECT_LE(4.0f * peakOf(first->samples), 1.0f);
}

TEST(GeneratedBank, NoteThousandSoundsAtAThousandHertz) {
    for (const char* name : {"snd11", "snd13"}) {
        RecordingAudioDevice device;
        device.mixer().startLooped({{generated().find(name), 64.0 * 1000}}, 0, 24000,
                                   device.clock());
        const auto left = leftOf(device.render(24000));
        EXPECT_NEAR(frequencyOf(left, 48000), 1000.0, 10.0) << name;
    }
}

TEST(GeneratedBank, BeepIsAShortFadedTone) {
    const auto beep = generated().find("beep");
    ASSERT_TRUE(beep);
    EXPECT_FALSE(beep->looped);
    const double ms = 1000.0 * static_cast<double>(beep->samples.size()) / beep->sampleRate;
    EXPECT_GE(ms, 100.0);
    EXPECT_LE(ms, 200.0);
    EXPECT_NEAR(frequencyOf(beep->samples, beep->sampleRate), 880.0, 8.8);
    EXPECT_LT(std::abs(beep->samples.front()), 0.01f);
    EXPECT_LT(std::abs(beep->samples.back()), 0.01f);
    EXPECT_GT(peakOf(beep->samples), 0.3f);
}

TEST(GeneratedBank, ClicksAreShortCrispAndDistinct) {
    std::vector<std::vector<float>> seen;
    for (const auto& name : kClicks) {
        const auto click = generated().find(name);
        ASSERT_TRUE(click) << name;
        EXPECT_FALSE(click->looped) << name;
        const double ms = 1000.0 * static_cast<double>(click->samples.size()) / click->sampleRate;
        EXPECT_GE(ms, 1.0) << name;
        EXPECT_LE(ms, 10.0) << name;
        EXPECT_GT(peakOf(click->samples), 0.3f) << name;
        EXPECT_LT(std::abs(click->samples.back()), 0.01f) << name;
        for (const auto& other : seen) EXPECT_NE(click->samples, other) << name;
        seen.push_back(click->samples);
    }
}

}  // namespace
}  // namespace ulvora
