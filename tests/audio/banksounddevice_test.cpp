// The runtime's sound device over the generated bank, recorded.
#include "platform/banksounddevice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/recordingaudiodevice.h"
#include "runtime/host.h"
#include "signal.h"

namespace ulvora {
namespace {

using testing::firstSounding;
using testing::lastSounding;
using testing::leftOf;
using testing::peakOf;

WaveBank generatedBank() {
    auto bank = WaveBank::load(std::filesystem::path(ULVORA_RUN_DIR) / "sounds.dat");
    if (!bank) throw std::runtime_error("the build did not make sounds.dat");
    return std::move(*bank);
}

class BankSoundDeviceTest : public ::testing::Test {
  protected:
    BankSoundDeviceTest() {
        auto output = std::make_unique<RecordingAudioDevice>();
        recording = output.get();
        device = std::make_unique<BankSoundDevice>(generatedBank(), std::move(output));
    }
    RecordingAudioDevice* recording;  // owned by device
    std::unique_ptr<BankSoundDevice> device;
};

TEST_F(BankSoundDeviceTest, ChordPlaysEachWaveLoopedAtItsRateAndVolumeForTheDuration) {
    struct Case {
        int ms;
        std::int64_t frames;  // Mixer::kForever: until stopped
    };
    for (const Case c : {Case{10, 480}, Case{500, 24000}, Case{1, 48}, Case{-1, Mixer::kForever}}) {
        recording->render(77);
        const std::vector<LoopedNote> notes = {{"snd13", 64.0 * 900},
                                               {"snd23", 64.0 * 906},
                                               {"snd33", 64.0 * 912},
                                               {"snd43", 64.0 * 918}};
        device->startNotes(notes, -600, c.ms);

        const auto voices = device->mixer().voices();
        ASSERT_EQ(voices.size(), 4u) << c.ms;
        const std::int64_t start = device->mixer().framesRendered();
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(voices[i].wave, notes[i].wave);
            EXPECT_DOUBLE_EQ(voices[i].rate, notes[i].rate);
            EXPECT_EQ(voices[i].volume, -600);
            EXPECT_TRUE(voices[i].looped);
            EXPECT_EQ(voices[i].startFrame, start);
            EXPECT_EQ(voices[i].endFrame,
                      c.frames == Mixer::kForever ? Mixer::kForever : start + c.frames);
        }
        if (c.frames != Mixer::kForever) {
            recording->clearRecorded();
            const auto left = leftOf(recording->render(static_cast<std::size_t>(c.frames) + 960));
            EXPECT_EQ(firstSounding(left), 1u) << c.ms;  // the waves begin at a zero
            EXPECT_EQ(lastSounding(left), static_cast<std::size_t>(c.frames - 1)) << c.ms;
        }
        device->stopNotes({"snd13", "snd23", "snd33", "snd43"});
        recording->render(480);
        EXPECT_TRUE(device->mixer().voices().empty());
    }
}

TEST_F(BankSoundDeviceTest, StopNotesCutsEveryCopyAtOnce) {
    device->startNotes({{"snd11", 64.0 * 700}}, 0, -1);
    device->startNotes({{"snd11", 64.0 * 2000}, {"snd12", 64.0 * 5000}}, 0, -1);
    recording->render(960);
    device->stopNotes({"snd11", "snd12"});
    const auto left = leftOf(recording->render(960));
    EXPECT_GT(peakOf(left, 0, 8), 0.0f);
    EXPECT_EQ(peakOf(left, static_cast<std::size_t>(device->mixer().fadeFrames())), 0.0f);
    EXPECT_TRUE(device->mixer().voices().empty());
}

TEST_F(BankSoundDeviceTest, OneShotWavesPlayOnceWholeBeforeTheCallReturns) {
    for (const char* name : {"beep", "click0", "click1", "click2", "click16"}) {
        recording->clearRecorded();
        device->playOnceAndWait(name, -1200);

        const auto& samples = device->wavelist().find(name)->samples;
        const auto left = leftOf(recording->recorded());
        ASSERT_GE(left.size(), samples.size()) << name << ": returned before the end";
        const auto gain = static_cast<float>(amplitudeOf(-1200));
        for (std::size_t i = 0; i < samples.size(); ++i) {
            ASSERT_NEAR(left[i], samples[i] * gain, 1e-6f) << name << " " << i;
        }
        EXPECT_EQ(peakOf(left, samples.size()), 0.0f) << name;
        EXPECT_EQ(peakOf(leftOf(recording->render(4800))), 0.0f) << name << ": played again";
    }
}

TEST_F(BankSoundDeviceTest, UnknownWaveIsTheMachinesErrorAndPlaysNothing) {
    EXPECT_TRUE(device->hasWave("beep"));
    EXPECT_TRUE(device->hasWave("click16"));
    EXPECT_FALSE(device->hasWave("click3"));
    EXPECT_FALSE(device->hasWave("snd14"));
    EXPECT_FALSE(device->hasWave(""));

    try {
        device->startNotes({{"snd11", 64000.0}, {"snd99", 64000.0}}, 0, 500);
        FAIL() << "no error";
    } catch (const MachineError& error) {
        EXPECT_STREQ(error.what(), "Wave 'snd99' not found");
    }
    EXPECT_TRUE(device->mixer().voices().empty());
    try {
        device->playOnceAndWait("click3", 0);
        FAIL() << "no error";
    } catch (const MachineError& error) {
        EXPECT_STREQ(error.what(), "Wave 'click3' not found");
    }
    EXPECT_EQ(peakOf(leftOf(recording->render(4800))), 0.0f);
}

}  // namespace
}  // namespace ulvora
