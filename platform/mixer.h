// The mixer: every sound the machine makes, summed into one stereo stream.
//
// Waves play as voices: looped at any rate for an exact number of output
// frames (or until stopped), or once. Speech arrives as PCM streams pushed
// while they play. An output device pulls the mix with render(), normally
// from its audio thread, while the machine's thread starts and stops voices;
// one mutex guards the state and render() holds it only while it mixes one
// buffer.
//
// Time. Callers pass their clock: output frames at the nominal rate since
// some fixed moment (the device's opening). A device that keeps real time
// passes its clock to render() too; the mixer then places each start on a
// steady line from that clock to output frames, one buffer ahead of the mix,
// so notes keep the spacing they were asked with however the audio thread's
// callbacks fall. The line only moves forward while voices play (when a
// callback finds the mix has caught up with it), and returns to one buffer
// ahead only when nothing plays: since the runtime asks for a note only after
// the previous one's time has passed, its notes never overlap. A device that
// does not keep time (the recording) renders without a clock; each start
// then takes the next frame mixed. Several voices started by one call begin
// on the same frame.
//
// A stop is placed in each voice's own time: a voice stopped 200 ms (by the
// caller's clock) after it was asked for has played 200 ms, however far the
// device has mixed, and whether it runs a little slow. So the window timer's
// stop never shortens a timed note, and a key's stop cuts it where the key
// came.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/wavebank.h"

namespace ulvora {

inline constexpr int kSilentVolume = -10000;  // hundredths of a decibel

// Linear amplitude of a volume in hundredths of a decibel: 10^(v/2000);
// -10000 and below are silent, 0 and above full.
double amplitudeOf(int volume);

// The end of a wave played once, which whoever started it can wait for.
class OneShot {
  public:
    bool played() const { return !played_ || played_->load(); }
    // The output frame after its last one (it may end earlier when stopped).
    std::int64_t endFrame() const { return endFrame_; }

  private:
    friend class Mixer;
    std::shared_ptr<std::atomic<bool>> played_;
    std::int64_t endFrame_ = 0;
};

enum class StreamEnd { Finished, Cut };

// Notifications of a PCM stream. They run on the thread that mixes (the
// audio thread of a device), outside the mixer's lock: keep them short and
// post anything more to your own thread.
struct StreamEvents {
    std::function<void()> onFirstSample;   // its first sample was mixed
    std::function<void(StreamEnd)> onEnd;  // exactly once, last of all
};

// 16-bit mono PCM pushed while it plays, at its own sample rate (the speech
// engine gives 22,050 Hz), resampled to the output. It plays as soon as it
// has samples. After finish() it ends when the last pushed sample has been
// mixed; cut() drops what is queued and ends it at the next buffer. Pushes
// after finish() or cut() are ignored.
class PcmStream {
  public:
    PcmStream(int sourceRate, int deviceRate, StreamEvents events);

    void push(std::span<const std::int16_t> samples);
    void finish();
    void cut();

  private:
    friend class Mixer;
    struct Mixed {
        bool started = false;          // the first sample was mixed in this buffer
        std::optional<StreamEnd> end;  // it ended in this buffer
    };
    Mixed mixInto(std::span<float> stereo);

    // Positions count in 1/deviceRate of a source sample, so that the
    // resampling is exact and the end falls on the right frame.
    const std::int64_t step_;  // per output frame: the source rate
    const std::int64_t unit_;  // one source sample: the output rate
    const StreamEvents events_;
    std::mutex mutex_;  // taken inside the mixer's lock, never the other way round
    std::deque<float> queue_;
    std::int64_t phase_ = 0;  // how far past queue_[0], toward queue_[1]
    bool finished_ = false;
    bool cut_ = false;
    bool started_ = false;
};

class Mixer {
  public:
    static constexpr std::int64_t kForever = std::numeric_limits<std::int64_t>::max();
    // Playback rates are kept between 1 and this many times the output rate:
    // enough for the highest note the program plays (5000, 320,000 samples/s
    // against 48,000), while an absurd rate cannot make a voice skip whole
    // waves per frame.
    static constexpr int kMaxRateFactor = 8;

    struct Looped {
        std::shared_ptr<const Wave> wave;
        double rate;  // wave samples per second
    };

    // What is playing, for tests and diagnostics.
    struct VoiceInfo {
        std::string wave;
        double rate;  // after clamping
        int volume;
        bool looped;
        std::int64_t startFrame;
        std::int64_t endFrame;  // exclusive; kForever when only a stop ends it
    };

    explicit Mixer(int deviceRate);
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    int deviceRate() const { return deviceRate_; }
    // The fade at the end of a timed note or a stop: 1 ms, within the note.
    int fadeFrames() const { return fadeFrames_; }
    double clampRate(double rate) const;
    std::int64_t framesRendered() const;

    // Starts the waves looped from their beginnings, all on one frame, for
    // exactly `frames` output frames (the last millisecond fading out), or
    // until stopped when `frames` is negative. `clock`: the caller's clock now.
    void startLooped(const std::vector<Looped>& notes, int volume, std::int64_t frames,
                     std::int64_t clock);

    // Plays the wave once at its own sample rate.
    OneShot playOnce(std::shared_ptr<const Wave> wave, int volume, std::int64_t clock);

    // Every voice of these waves (looped or once) fades out within 1 ms from
    // the point of its own time that `clock` gives (see above), or at once
    // when it has played past it; one stopped before it began never sounds.
    void stopWaves(const std::vector<std::string>& names, std::int64_t clock);
    // Stops the one-shot at once (a wait for it gave up).
    void stop(const OneShot& shot);

    // Waits until the one-shot has been mixed or the deadline has passed;
    // tells which.
    bool waitPlayed(const OneShot& shot, std::chrono::steady_clock::time_point deadline);

    std::shared_ptr<PcmStream> openStream(int sourceRate, StreamEvents events);

    // Mixes the next frames into `stereo` (interleaved left, right; its size
    // is twice the frame count), overwriting it. A device that keeps real
    // time gives its clock as the mixing begins.
    void render(std::span<float> stereo, std::optional<std::int64_t> clock = std::nullopt);

    std::vector<VoiceInfo> voices() const;

  private:
    struct Voice {
        std::shared_ptr<const Wave> wave;
        double rate;
        double step;  // wave samples per output frame
        int volume;
        float gain;
        bool looped;
        bool fadeAtEnd;
        std::int64_t startFrame;
        std::int64_t endFrame;
        std::int64_t askedClock;                    // the caller's clock when it was started
        std::shared_ptr<std::atomic<bool>> played;  // one-shots only
    };
    void mixVoice(const Voice& voice, std::span<float> stereo, std::int64_t first) const;
    void cutVoice(Voice& voice, std::int64_t at) const;
    std::int64_t notBefore(std::int64_t at) const { return at < rendered_ ? rendered_ : at; }
    std::int64_t startFor(std::int64_t clock) const;
    void followClock(std::int64_t clock, std::int64_t frames);

    const int deviceRate_;
    const int fadeFrames_;
    mutable std::mutex mutex_;
    std::condition_variable playedSignal_;
    std::vector<Voice> voices_;
    std::vector<std::shared_ptr<PcmStream>> streams_;
    std::int64_t rendered_ = 0;
    // The line from the caller's clock to output frames (see above).
    std::optional<std::int64_t> lineOffset_;  // frame minus clock
};

}  // namespace ulvora
