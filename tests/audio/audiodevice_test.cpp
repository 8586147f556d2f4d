// The SDL2 output, on the dummy driver (the silent device): it pulls the mix
// in real time, so these tests wait for it, but assert only on samples.
#include "platform/audiodevice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/banksounddevice.h"
#include "signal.h"

namespace ulvora {
namespace {

using namespace std::chrono_literals;
using testing::firstSounding;
using testing::lastSounding;
using testing::leftOf;

const std::filesystem::path kBank = std::filesystem::path(ULVORA_RUN_DIR) / "sounds.dat";

// Keeps everything the device mixes, from the frame the monitor was set on.
class Tap {
  public:
    void attach(AudioDevice& device) {
        device.setMonitor([this](std::span<const float> stereo, std::int64_t first) {
            const std::lock_guard lock(mutex_);
            if (samples_.empty()) first_ = first;
            samples_.insert(samples_.end(), stereo.begin(), stereo.end());
        });
    }
    std::int64_t firstFrame() {
        const std::lock_guard lock(mutex_);
        return first_;
    }
    std::vector<float> left() {
        const std::lock_guard lock(mutex_);
        return leftOf(samples_);
    }

  private:
    std::mutex mutex_;
    std::int64_t first_ = 0;
    std::vector<float> samples_;
};

// Waits (without any time assertion) until the device has mixed `frame`.
void mixedPast(Mixer& mixer, std::int64_t frame) {
    const auto giveUp = std::chrono::steady_clock::now() + 10s;
    while (mixer.framesRendered() <= frame && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(1ms);
    }
}

class AudioDeviceTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
};

TEST_F(AudioDeviceTest, DummyDriverIsTheSilentDeviceAndSaysSo) {
    AudioDevice device;
    EXPECT_EQ(device.driver(), "dummy");
    EXPECT_TRUE(device.isSilent());
    EXPECT_FALSE(device.silentReason().empty());
    EXPECT_EQ(device.mixer().deviceRate(), 48000);
}

TEST_F(AudioDeviceTest, FallsBackToTheSilentDeviceWhenNoOutputOpens) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    AudioDevice device;
    EXPECT_EQ(device.driver(), "dummy");
    EXPECT_TRUE(device.isSilent());
    EXPECT_NE(device.silentReason().find("no sound output could be opened"), std::string::npos)
        << device.silentReason();
    // It plays all the same: the mix is pulled.
    mixedPast(device.mixer(), 960);
    EXPECT_GT(device.mixer().framesRendered(), 960);
}

TEST_F(AudioDeviceTest, TimedNoteKeepsItsLengthWhenTheTimerStopsIt) {
    auto output = std::make_unique<AudioDevice>();
    AudioDevice& audio = *output;
    Tap tap;
    tap.attach(audio);
    BankSoundDevice device(*WaveBank::load(kBank), std::move(output));

    for (const int ms : {10, 50}) {
        device.startNotes({{"snd11", 64.0 * 1000}}, 0, ms);
        const auto voices = audio.mixer().voices();
        ASSERT_EQ(voices.size(), 1u);
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));  // the window timer
        device.stopNotes({"snd11"});
        mixedPast(audio.mixer(), voices[0].endFrame + 480);

        const auto left = tap.left();
        const auto start = static_cast<std::size_t>(voices[0].startFrame - tap.firstFrame());
        const std::vector<float> note(left.begin() + static_cast<std::ptrdiff_t>(start),
                                      left.end());
        EXPECT_EQ(firstSounding(note), 1u) << ms;
        EXPECT_EQ(lastSounding(note), static_cast<std::size_t>(ms * 48 - 1)) << ms;
    }
}

TEST_F(AudioDeviceTest, OneShotWaitEndsOnceTheSilentDeviceHasPlayedTheWave) {
    auto output = std::make_unique<AudioDevice>();
    AudioDevice& audio = *output;
    Tap tap;
    tap.attach(audio);
    BankSoundDevice device(*WaveBank::load(kBank), std::move(output));

    device.playOnceAndWait("click1", 0);

    const auto& click = device.wavelist().find("click1")->samples;
    const auto left = tap.left();
    const auto found = firstSounding(left);
    ASSERT_TRUE(found);
    ASSERT_GE(left.size(), *found + click.size()) << "returned before the click was mixed";
    for (std::size_t i = 0; i < click.size(); ++i) ASSERT_EQ(left[*found + i], click[i]) << i;
}

TEST_F(AudioDeviceTest, OpeningTheSoundsTellsAMissingBankFromABadOne) {
    const auto folder = std::filesystem::temp_directory_path() / "ulvora-audiodevice-test";
    std::filesystem::create_directories(folder);
    EXPECT_EQ(openBankSoundDevice(folder / "sounds.dat"), nullptr);
    std::ofstream(folder / "sounds.dat", std::ios::binary) << "ULVWAVE1";
    EXPECT_THROW(openBankSoundDevice(folder / "sounds.dat"), WaveBankError);
    std::filesystem::remove_all(folder);

    const auto sounds = openBankSoundDevice(kBank);
    ASSERT_NE(sounds, nullptr);
    EXPECT_TRUE(sounds->isSilent());
    EXPECT_TRUE(sounds->hasWave("snd43"));
}

}  // namespace
}  // namespace ulvora
