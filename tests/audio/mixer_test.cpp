#include "platform/mixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "platform/recordingaudiodevice.h"
#include "signal.h"

namespace ulvora {
namespace {

using testing::firstSounding;
using testing::frequencyOf;
using testing::lastSounding;
using testing::leftOf;
using testing::peakOf;
using testing::sineWave;

constexpr int kRate = 48000;

TEST(Mixer, TimedNoteLastsExactlyItsFramesAndFadesWithinThem) {
    struct Case {
        int ms;
        std::int64_t frames;
    };
    for (const Case c : {Case{10, 480}, Case{500, 24000}, Case{1, 48}}) {
        RecordingAudioDevice device;
        Mixer& mixer = device.mixer();
        mixer.startLooped({{sineWave("snd11"), 64.0 * 750}}, 0, c.ms * kRate / 1000,
                          device.clock());
        const auto left = leftOf(device.render(static_cast<std::size_t>(c.frames) + 4800));

        // The wave starts at a zero crossing; the sound is there from the
        // second frame to the last frame asked for, and nothing after.
        EXPECT_EQ(firstSounding(left), 1u) << c.ms;
        EXPECT_EQ(lastSounding(left), static_cast<std::size_t>(c.frames - 1)) << c.ms;
        // Full level until the last millisecond, which fades to nearly zero.
        if (c.frames > 2 * mixer.fadeFrames()) {
            const auto fadeStart = static_cast<std::size_t>(c.frames - mixer.fadeFrames());
            EXPECT_NEAR(peakOf(left, fadeStart - 64, fadeStart), 1.0f, 1e-3f) << c.ms;
        }
        EXPECT_LE(std::abs(left[static_cast<std::size_t>(c.frames - 1)]), 1.0f / 48 + 1e-6f);
        EXPECT_TRUE(mixer.voices().empty()) << c.ms;
    }
}

TEST(Mixer, BothChannelsCarryTheSameSound) {
    RecordingAudioDevice device;
    device.mixer().startLooped({{sineWave("a"), 64.0 * 440}}, -600, 4800, device.clock());
    const auto stereo = device.render(4800);
    for (std::size_t i = 0; i < stereo.size(); i += 2) ASSERT_EQ(stereo[i], stereo[i + 1]) << i;
}

TEST(Mixer, NoteSoundsAtItsValueInHertz) {
    // The runtime plays note n at 64 x n samples per second of a one-period,
    // 64-sample wave; 5000 is the program's highest note.
    for (const double note : {300.0, 700.0, 1000.0, 2000.0, 5000.0}) {
        RecordingAudioDevice device;
        device.mixer().startLooped({{sineWave("snd11"), 64.0 * note}}, 0, -1, device.clock());
        const auto left = leftOf(device.render(24000));
        EXPECT_NEAR(frequencyOf(left, kRate), note, note / 100) << note;
    }
}

TEST(Mixer, VolumeInHundredthsOfADecibelSetsTheAmplitude) {
    struct Case {
        int volume;
        double amplitude;
    };
    const Case cases[] = {{0, 1.0},       {-600, 0.501}, {-1200, 0.251}, {-2000, 0.1},
                          {-6000, 0.001}, {-10000, 0.0}, {-12000, 0.0},  {300, 1.0}};
    for (const auto& c : cases) {
        EXPECT_NEAR(amplitudeOf(c.volume), c.amplitude, c.amplitude * 2e-3 + 1e-9) << c.volume;
        // At 750 x 64 = 48,000 samples/s the sine's samples reach the
        // output unchanged, peaks included.
        RecordingAudioDevice device;
        device.mixer().startLooped({{sineWave("a"), 48000.0}}, c.volume, 480, device.clock());
        EXPECT_NEAR(peakOf(leftOf(device.render(480))), c.amplitude, c.amplitude * 2e-3 + 1e-6)
            << c.volume;
    }
}

TEST(Mixer, ChordStartsOnOneFrameAndMixesItsVoices) {
    RecordingAudioDevice device;
    device.render(123);  // somewhere other than frame 0
    const std::vector<Mixer::Looped> chord = {{sineWave("snd13"), 64.0 * 900},
                                              {sineWave("snd23"), 64.0 * 906},
                                              {sineWave("snd33"), 64.0 * 912},
                                              {sineWave("snd43"), 64.0 * 918}};
    device.mixer().startLooped(chord, -2000, 480, device.clock());

    const auto voices = device.mixer().voices();
    ASSERT_EQ(voices.size(), 4u);
    for (std::size_t i = 0; i < voices.size(); ++i) {
        EXPECT_EQ(voices[i].wave, chord[i].wave->name);
        EXPECT_DOUBLE_EQ(voices[i].rate, chord[i].rate);
        EXPECT_EQ(voices[i].volume, -2000);
        EXPECT_TRUE(voices[i].looped);
        EXPECT_EQ(voices[i].startFrame, 123);
        EXPECT_EQ(voices[i].endFrame, 123 + 480);
    }
    // The mix is the sum of the four voices played alone.
    const auto together = device.render(480);
    std::vector<float> sum(together.size(), 0.0f);
    for (const auto& voice : chord) {
        RecordingAudioDevice alone;
        alone.mixer().startLooped({voice}, -2000, 480, alone.clock());
        const auto one = alone.render(480);
        for (std::size_t i = 0; i < sum.size(); ++i) sum[i] += one[i];
    }
    for (std::size_t i = 0; i < sum.size(); ++i) ASSERT_NEAR(together[i], sum[i], 1e-5f) << i;
}

TEST(Mixer, StopSilencesEveryCopyOfTheWaveWithinAMillisecond) {
    RecordingAudioDevice device;
    Mixer& mixer = device.mixer();
    const auto a = sineWave("a");
    mixer.startLooped({{a, 64.0 * 500}, {a, 64.0 * 700}}, 0, -1, device.clock());
    mixer.startLooped({{a, 64.0 * 900}}, 0, 48000, device.clock());
    mixer.startLooped({{sineWave("b"), 64.0 * 600}}, kSilentVolume, -1, device.clock());
    device.render(1000);

    mixer.stopWaves({"a"}, device.clock());
    const auto after = leftOf(device.render(1000));

    const auto fade = static_cast<std::size_t>(mixer.fadeFrames());
    EXPECT_GT(peakOf(after, 0, 1), 0.0f);  // fading, not dropped mid-wave
    EXPECT_EQ(peakOf(after, fade), 0.0f);
    const auto voices = mixer.voices();
    ASSERT_EQ(voices.size(), 1u);
    EXPECT_EQ(voices[0].wave, "b");
}

TEST(Mixer, StopIsPlacedInTheVoicesOwnTime) {
    // A stop asked 600 frames after the start by the caller's clock ends the
    // note at its frame 600, however far the device has mixed meanwhile; a
    // stop asked after a timed note's length never shortens it.
    Mixer mixer(kRate);
    const auto a = sineWave("a");
    const auto b = sineWave("b");
    mixer.startLooped({{a, 48000.0}}, 0, -1, 5000);
    mixer.startLooped({{b, 48000.0}}, 0, 480, 5000);
    std::vector<float> first(2 * 240);
    mixer.render(first);
    mixer.stopWaves({"a", "b"}, 5600);
    std::vector<float> rest(2 * 960);
    mixer.render(rest);

    EXPECT_TRUE(mixer.voices().empty());
    EXPECT_EQ(lastSounding(leftOf(rest)), 600u + 48u - 1u - 240u);
    // The same as b alone for 480 frames and a stopped, from the start, at 600.
    Mixer reference(kRate);
    reference.startLooped({{a, 48000.0}}, 0, -1, 0);
    reference.startLooped({{b, 48000.0}}, 0, 480, 0);
    reference.stopWaves({"a"}, 600);
    std::vector<float> expected(2 * 1200);
    reference.render(expected);
    for (std::size_t i = 0; i < rest.size(); ++i)
        ASSERT_NEAR(rest[i], expected[480 + i], 1e-6f) << i;
}

// A device that keeps time passes its clock to render(); starts then follow
// that clock, one buffer ahead of the mix.
TEST(Mixer, StartsFollowTheDevicesClockOneBufferAhead) {
    Mixer mixer(kRate);
    std::vector<float> buffer(2 * 480);
    mixer.render(buffer, 0);  // mixing frames 0..479 began at clock 0
    mixer.startLooped({{sineWave("a"), 48000.0}}, 0, 100, 200);
    ASSERT_EQ(mixer.voices().size(), 1u);
    EXPECT_EQ(mixer.voices()[0].startFrame, 480 + 200);

    mixer.render(buffer, 480);
    const auto left = leftOf(buffer);
    EXPECT_EQ(firstSounding(left), 201u);  // frame 680 holds the wave's zero
    EXPECT_EQ(lastSounding(left), 299u);
}

TEST(Mixer, VoiceStoppedBeforeItBeginsNeverSounds) {
    Mixer mixer(kRate);
    std::vector<float> buffer(2 * 480);
    mixer.render(buffer, 0);
    mixer.startLooped({{sineWave("a"), 48000.0}}, 0, 480, 100);  // placed at frame 580
    mixer.stopWaves({"a"}, 100);
    mixer.render(buffer, 480);
    EXPECT_EQ(peakOf(buffer), 0.0f);
    mixer.render(buffer, 960);
    EXPECT_EQ(peakOf(buffer), 0.0f);
    EXPECT_TRUE(mixer.voices().empty());
}

TEST(Mixer, NotesAskedInTurnNeverOverlapHoweverTheCallbacksFall) {
    // A device 1 % slow (480 frames every 485 frames of clock, as the dummy
    // driver), and notes of 480 frames asked for every 486 (the timer's 10 ms
    // and a little): each starts no earlier than its time after the one
    // before, so none overlaps the next.
    Mixer mixer(kRate);
    const auto wave = sineWave("snd11");
    std::vector<float> buffer(2 * 480);
    std::int64_t callback = 0;
    std::int64_t previous = -1;
    for (std::int64_t asked = 100; asked < 100 + 486 * 60; asked += 486) {
        for (; callback * 485 <= asked; ++callback) mixer.render(buffer, callback * 485);
        mixer.startLooped({{wave, 64000.0}}, 0, 480, asked);
        const std::int64_t start = mixer.voices().back().startFrame;
        if (previous >= 0) {
            EXPECT_GE(start - previous, 486) << asked;
        }
        EXPECT_GE(start, mixer.framesRendered()) << asked;
        EXPECT_LE(start, mixer.framesRendered() + 4 * 480) << asked;
        previous = start;
    }
    // Once nothing plays, starts come back to one buffer ahead of the mix.
    for (int idle = 0; idle < 4; ++idle, ++callback) mixer.render(buffer, callback * 485);
    mixer.startLooped({{wave, 64000.0}}, 0, 480, (callback - 1) * 485 + 10);
    EXPECT_EQ(mixer.voices().back().startFrame, mixer.framesRendered() + 10);
}

TEST(Mixer, CallbacksComingInABurstPushStartsForward) {
    Mixer mixer(kRate);
    mixer.startLooped({{sineWave("a"), 48000.0}}, 0, -1, 0);
    std::vector<float> buffer(2 * 480);
    mixer.render(buffer, 0);
    mixer.render(buffer, 5);  // the next buffer at once: the mix has passed the line
    mixer.startLooped({{sineWave("b"), 48000.0}}, 0, 480, 5);
    EXPECT_EQ(mixer.voices().back().startFrame, 960);  // the first frame not yet mixed
}

TEST(Mixer, OneShotPlaysItsWaveOnceAndReportsTheEnd) {
    struct Case {
        std::uint32_t rate;
        std::size_t frames;
    };
    // At the output's rate the samples come out unchanged; at half of it
    // every sample lasts two frames.
    for (const Case c : {Case{48000, 100}, Case{24000, 200}}) {
        RecordingAudioDevice device;
        device.render(10);
        const auto wave = sineWave("click0", 100, c.rate, false);
        const OneShot shot = device.mixer().playOnce(wave, -600, device.clock());
        EXPECT_FALSE(shot.played());
        EXPECT_EQ(shot.endFrame(), 10 + static_cast<std::int64_t>(c.frames));

        device.waitUntilPlayed(shot);

        EXPECT_TRUE(shot.played());
        const auto left = leftOf(device.render(1000));
        EXPECT_EQ(peakOf(left), 0.0f) << "played more than once";
        const auto all = leftOf(device.recorded());
        ASSERT_GE(all.size(), 10 + c.frames);
        EXPECT_EQ(lastSounding(all), 10 + c.frames - 1) << c.rate;
        const float gain = static_cast<float>(amplitudeOf(-600));
        const std::size_t perSample = c.frames / 100;
        for (std::size_t i = 0; i < 100; ++i) {
            ASSERT_NEAR(all[10 + i * perSample], wave->samples[i] * gain, 1e-6f) << i;
        }
        EXPECT_TRUE(device.mixer().voices().empty());
    }
}

TEST(Mixer, StoppedOneShotCountsAsPlayed) {
    RecordingAudioDevice device;
    const OneShot shot =
        device.mixer().playOnce(sineWave("beep", 7200, 48000, false), 0, device.clock());
    device.render(100);
    device.mixer().stopWaves({"beep"}, device.clock());
    device.render(100);
    EXPECT_TRUE(shot.played());
    EXPECT_EQ(lastSounding(leftOf(device.recorded())), 100u + 47u);
}

TEST(Mixer, RatesAreKeptWithinWhatTheOutputCanPlay) {
    struct Case {
        double asked;
        double kept;
    };
    const Case cases[] = {{64.0 * 5000, 320000.0},
                          {1e9, 8.0 * kRate},
                          {std::numeric_limits<double>::infinity(), 8.0 * kRate},
                          {0.5, 1.0},
                          {0.0, 1.0},
                          {-64000.0, 1.0},
                          {std::numeric_limits<double>::quiet_NaN(), 1.0}};
    for (const auto& c : cases) {
        RecordingAudioDevice device;
        device.mixer().startLooped({{sineWave("a"), c.asked}}, 0, 4800, device.clock());
        const auto voices = device.mixer().voices();
        ASSERT_EQ(voices.size(), 1u);
        EXPECT_DOUBLE_EQ(voices[0].rate, c.kept) << c.asked;
        const auto left = leftOf(device.render(4800));
        EXPECT_TRUE(
            std::all_of(left.begin(), left.end(), [](float s) { return std::isfinite(s); }));
    }
    // A clamped note sounds at the kept rate: 8 x 48,000 / 64 = 6000 Hz.
    RecordingAudioDevice device;
    device.mixer().startLooped({{sineWave("a"), 1e9}}, 0, -1, device.clock());
    EXPECT_NEAR(frequencyOf(leftOf(device.render(24000)), kRate), 6000.0, 60.0);
}

TEST(Mixer, UntimedNotePlaysUntilStopped) {
    RecordingAudioDevice device;
    device.mixer().startLooped({{sineWave("a"), 64000.0}}, 0, -1, device.clock());
    const auto left = leftOf(device.render(3 * kRate));
    EXPECT_EQ(lastSounding(left), left.size() - 1);
    ASSERT_EQ(device.mixer().voices().size(), 1u);
    EXPECT_EQ(device.mixer().voices()[0].endFrame, Mixer::kForever);
}

TEST(Mixer, LoudMixIsClippedToFullScale) {
    RecordingAudioDevice device;
    const auto a = sineWave("a");
    device.mixer().startLooped({{a, 48000.0}, {a, 48000.0}, {a, 48000.0}}, 0, 480, device.clock());
    const auto left = leftOf(device.render(480));
    EXPECT_EQ(peakOf(left), 1.0f);
}

}  // namespace
}  // namespace ulvora
