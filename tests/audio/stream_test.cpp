// Streamed PCM (the speech engine's sound) through the mixer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <vector>

#include "platform/mixer.h"
#include "platform/recordingaudiodevice.h"
#include "signal.h"

namespace ulvora {
namespace {

using testing::firstSounding;
using testing::frequencyOf;
using testing::lastSounding;
using testing::leftOf;
using testing::peakOf;

std::vector<std::int16_t> tone(double hertz, int rate, std::size_t count) {
    std::vector<std::int16_t> pcm(count);
    for (std::size_t i = 0; i < count; ++i) {
        pcm[i] = static_cast<std::int16_t>(
            std::lround(16000.0 *
                        std::sin(2.0 * std::numbers::pi * hertz * static_cast<double>(i) / rate)) +
            (i == 0 ? 1 : 0));  // not silent from the very first sample
    }
    return pcm;
}

// What a stream reported, with the frame count of the output when it did.
struct Heard {
    RecordingAudioDevice device;
    std::vector<std::int64_t> firstSample;
    std::vector<std::pair<StreamEnd, std::int64_t>> ends;

    std::shared_ptr<PcmStream> open(int rate) {
        return device.mixer().openStream(
            rate,
            {[this] { firstSample.push_back(device.mixer().framesRendered()); },
             [this](StreamEnd end) { ends.emplace_back(end, device.mixer().framesRendered()); }});
    }
    // Renders in device-sized buffers.
    void play(std::size_t frames) {
        for (std::size_t done = 0; done < frames; done += 480) device.render(480);
    }
};

TEST(PcmStream, PlaysPushedPcmAtItsOwnRateAndReportsStartAndEnd) {
    struct Case {
        int rate;
        std::size_t samples;
        std::size_t frames;  // at 48,000 Hz
    };
    const Case cases[] = {
        {22050, 22050, 48000}, {16000, 8000, 24000}, {48000, 4800, 4800}, {22050, 2205, 4800}};
    for (const auto& c : cases) {
        Heard heard;
        auto stream = heard.open(c.rate);
        const auto pcm = tone(441.0, c.rate, c.samples);
        // Pushed in the engine's chunks of at most 1,081 samples.
        for (std::size_t at = 0; at < pcm.size(); at += 1081) {
            stream->push(std::span(pcm).subspan(at, std::min<std::size_t>(1081, pcm.size() - at)));
        }
        stream->finish();
        heard.play(c.frames + 2000);

        const auto left = leftOf(heard.device.recorded());
        EXPECT_EQ(firstSounding(left), 0u) << c.rate;
        const auto last = lastSounding(left);
        ASSERT_TRUE(last) << c.rate;
        EXPECT_NEAR(static_cast<double>(*last), static_cast<double>(c.frames - 1), 1.0) << c.rate;
        std::vector<float> body(left.begin(), left.begin() + static_cast<std::ptrdiff_t>(*last));
        EXPECT_NEAR(frequencyOf(body, 48000), 441.0, 4.41) << c.rate;
        EXPECT_NEAR(peakOf(body), 16000.0 / 32768.0, 0.01) << c.rate;

        ASSERT_EQ(heard.firstSample.size(), 1u) << c.rate;
        EXPECT_EQ(heard.firstSample[0], 480);  // after the first buffer was mixed
        ASSERT_EQ(heard.ends.size(), 1u) << c.rate;
        EXPECT_EQ(heard.ends[0].first, StreamEnd::Finished);
        // Reported after the buffer holding the last sample.
        const auto lastBuffer = static_cast<std::int64_t>(*last / 480 + 1) * 480;
        EXPECT_EQ(heard.ends[0].second, lastBuffer) << c.rate;
    }
}

TEST(PcmStream, WaitsInSilenceUntilTheEngineCatchesUp) {
    Heard heard;
    auto stream = heard.open(48000);
    heard.play(960);
    EXPECT_TRUE(heard.firstSample.empty());
    const auto pcm = tone(1000.0, 48000, 960);
    stream->push(std::span(pcm).first(480));
    heard.play(960);  // the second half is late: silence, and no end
    EXPECT_TRUE(heard.ends.empty());
    stream->push(std::span(pcm).subspan(480));
    stream->finish();
    heard.play(960);

    const auto left = leftOf(heard.device.recorded());
    ASSERT_EQ(heard.firstSample.size(), 1u);
    EXPECT_EQ(heard.firstSample[0], 960 + 480);
    // Every pushed sample was played, in order: the first half, a pause, the second half.
    for (std::size_t i = 0; i < 480; ++i) {
        ASSERT_NEAR(left[960 + i], pcm[i] / 32768.0f, 1e-6f) << i;
        ASSERT_EQ(left[1440 + i], 0.0f) << i;
        ASSERT_NEAR(left[1920 + i], pcm[480 + i] / 32768.0f, 1e-6f) << i;
    }
    ASSERT_EQ(heard.ends.size(), 1u);
    EXPECT_EQ(heard.ends[0].first, StreamEnd::Finished);
}

TEST(PcmStream, CutStopsAtOnceDropsTheQueueAndSaysSo) {
    Heard heard;
    auto stream = heard.open(22050);
    const auto pcm = tone(441.0, 22050, 22050);
    stream->push(pcm);
    heard.play(480);
    stream->cut();
    stream->push(pcm);  // too late: ignored
    stream->finish();
    heard.play(4800);

    const auto left = leftOf(heard.device.recorded());
    EXPECT_GT(peakOf(left, 0, 480), 0.1f);
    EXPECT_EQ(peakOf(left, 480), 0.0f);
    ASSERT_EQ(heard.firstSample.size(), 1u);
    ASSERT_EQ(heard.ends.size(), 1u);
    EXPECT_EQ(heard.ends[0].first, StreamEnd::Cut);
    EXPECT_EQ(heard.ends[0].second, 960);
}

TEST(PcmStream, StreamCutBeforeItsFirstSampleEndsWithoutStarting) {
    Heard heard;
    auto stream = heard.open(22050);
    stream->cut();
    heard.play(960);
    EXPECT_TRUE(heard.firstSample.empty());
    ASSERT_EQ(heard.ends.size(), 1u);
    EXPECT_EQ(heard.ends[0].first, StreamEnd::Cut);
}

TEST(PcmStream, EmptyFinishedStreamEndsWithoutStarting) {
    Heard heard;
    auto stream = heard.open(22050);
    stream->finish();
    heard.play(480);
    EXPECT_TRUE(heard.firstSample.empty());
    ASSERT_EQ(heard.ends.size(), 1u);
    EXPECT_EQ(heard.ends[0].first, StreamEnd::Finished);
    stream->cut();  // after its end: no second notification
    heard.play(480);
    EXPECT_EQ(heard.ends.size(), 1u);
}

TEST(PcmStream, PlaysTogetherWithNotes) {
    Heard heard;
    heard.device.mixer().startLooped({{testing::sineWave("snd11"), 64.0 * 1000}}, -600, 4800,
                                     heard.device.clock());
    auto stream = heard.open(48000);
    const std::vector<std::int16_t> pcm(4800, 8192);  // a constant quarter
    stream->push(pcm);
    stream->finish();
    heard.play(4800);
    const auto left = leftOf(heard.device.recorded());
    RecordingAudioDevice alone;
    alone.mixer().startLooped({{testing::sineWave("snd11"), 64.0 * 1000}}, -600, 4800,
                              alone.clock());
    const auto note = leftOf(alone.render(4800));
    for (std::size_t i = 0; i < 4800; ++i) ASSERT_NEAR(left[i], note[i] + 0.25f, 1e-6f) << i;
}

}  // namespace
}  // namespace ulvora
