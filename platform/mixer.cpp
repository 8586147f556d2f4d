#include "platform/mixer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace ulvora {

double amplitudeOf(int volume) {
    if (volume <= kSilentVolume) return 0.0;
    if (volume >= 0) return 1.0;
    return std::pow(10.0, volume / 2000.0);
}

// --- PcmStream ------------------------------------------------------------

PcmStream::PcmStream(int sourceRate, int deviceRate, StreamEvents events)
    : step_(std::clamp<std::int64_t>(sourceRate, 1,
                                     std::int64_t{deviceRate} * Mixer::kMaxRateFactor)),
      unit_(deviceRate),
      events_(std::move(events)) {}

void PcmStream::push(std::span<const std::int16_t> samples) {
    // Converted before locking: the audio thread waits for this lock.
    std::vector<float> converted(samples.size());
    std::transform(samples.begin(), samples.end(), converted.begin(),
                   [](std::int16_t s) { return static_cast<float>(s) / 32768.0f; });
    const std::lock_guard lock(mutex_);
    if (finished_ || cut_) return;
    queue_.insert(queue_.end(), converted.begin(), converted.end());
}

void PcmStream::finish() {
    const std::lock_guard lock(mutex_);
    finished_ = true;
}

void PcmStream::cut() {
    const std::lock_guard lock(mutex_);
    cut_ = true;
    queue_.clear();
}

PcmStream::Mixed PcmStream::mixInto(std::span<float> stereo) {
    const std::lock_guard lock(mutex_);
    Mixed mixed;
    if (cut_) {
        mixed.end = StreamEnd::Cut;
        return mixed;
    }
    const auto dropPlayed = [this] {
        while (phase_ >= unit_ && !queue_.empty()) {
            queue_.pop_front();
            phase_ -= unit_;
        }
    };
    const std::size_t frames = stereo.size() / 2;
    for (std::size_t frame = 0; frame < frames; ++frame) {
        dropPlayed();
        const float fraction = static_cast<float>(phase_) / static_cast<float>(unit_);
        float sample = 0.0f;
        if (queue_.size() >= 2) {
            sample = queue_[0] + (queue_[1] - queue_[0]) * fraction;
        } else if (queue_.size() == 1 && (phase_ == 0 || finished_)) {
            sample = queue_[0] * (1.0f - fraction);  // toward the silence after the end
        } else if (finished_) {
            mixed.end = StreamEnd::Finished;
            return mixed;
        } else {
            continue;  // the engine has not caught up: wait in silence
        }
        if (!started_) {
            started_ = true;
            mixed.started = true;
        }
        stereo[2 * frame] += sample;
        stereo[2 * frame + 1] += sample;
        phase_ += step_;
    }
    dropPlayed();
    // Said now rather than one buffer later, when the end fell on the buffer's end.
    if (finished_ && queue_.empty()) mixed.end = StreamEnd::Finished;
    return mixed;
}

// --- Mixer ------------------------------------------------------------------

Mixer::Mixer(int deviceRate)
    : deviceRate_(deviceRate), fadeFrames_(std::max(1, deviceRate / 1000)) {
    if (deviceRate < 1) throw std::invalid_argument("the output rate must be positive");
}

double Mixer::clampRate(double rate) const {
    if (std::isnan(rate)) return 1.0;
    return std::clamp(rate, 1.0, static_cast<double>(deviceRate_) * kMaxRateFactor);
}

std::int64_t Mixer::framesRendered() const {
    const std::lock_guard lock(mutex_);
    return rendered_;
}

std::int64_t Mixer::startFor(std::int64_t clock) const {
    return lineOffset_ ? notBefore(clock + *lineOffset_) : rendered_;
}

void Mixer::followClock(std::int64_t clock, std::int64_t frames) {
    const std::int64_t unmixed = rendered_ + frames;  // the first frame after this buffer
    if (!lineOffset_ || voices_.empty() || clock + *lineOffset_ < unmixed) {
        lineOffset_ = unmixed - clock;
    }
}

void Mixer::startLooped(const std::vector<Looped>& notes, int volume, std::int64_t frames,
                        std::int64_t clock) {
    const float gain = static_cast<float>(amplitudeOf(volume));
    const std::lock_guard lock(mutex_);
    const std::int64_t start = startFor(clock);
    const std::int64_t end = frames < 0 ? kForever : start + frames;
    for (const auto& note : notes) {
        if (!note.wave) continue;
        const double rate = clampRate(note.rate);
        voices_.push_back({note.wave, rate, rate / deviceRate_, volume, gain, true, frames >= 0,
                           start, end, clock, nullptr});
    }
}

OneShot Mixer::playOnce(std::shared_ptr<const Wave> wave, int volume, std::int64_t clock) {
    OneShot shot;
    if (!wave) return shot;  // nothing to play: already over
    shot.played_ = std::make_shared<std::atomic<bool>>(false);
    const double rate = clampRate(wave->sampleRate);
    const double step = rate / deviceRate_;
    const auto size = static_cast<double>(wave->samples.size());
    // The frames whose wave position k * step still lies inside the wave.
    auto length = static_cast<std::int64_t>(std::ceil(size / step));
    while (length > 1 && static_cast<double>(length - 1) * step >= size) --length;
    while (static_cast<double>(length) * step < size) ++length;

    const float gain = static_cast<float>(amplitudeOf(volume));
    const std::lock_guard lock(mutex_);
    const std::int64_t start = startFor(clock);
    shot.endFrame_ = start + length;
    voices_.push_back({std::move(wave), rate, step, volume, gain, false, false, start,
                       shot.endFrame_, clock, shot.played_});
    return shot;
}

void Mixer::cutVoice(Voice& voice, std::int64_t at) const {
    at = notBefore(at);
    if (voice.startFrame >= at) {
        voice.endFrame = voice.startFrame;  // removed at the next render, unheard
        return;
    }
    if (at >= voice.endFrame - fadeFrames_) return;  // it ends by then anyway
    voice.endFrame = at + fadeFrames_;
    voice.fadeAtEnd = true;
}

void Mixer::stopWaves(const std::vector<std::string>& names, std::int64_t clock) {
    const std::lock_guard lock(mutex_);
    for (auto& voice : voices_) {
        if (std::find(names.begin(), names.end(), voice.wave->name) == names.end()) continue;
        const std::int64_t lasted = std::max<std::int64_t>(0, clock - voice.askedClock);
        cutVoice(voice,
                 voice.startFrame > kForever - lasted ? kForever : voice.startFrame + lasted);
    }
}

void Mixer::stop(const OneShot& shot) {
    const std::lock_guard lock(mutex_);
    for (auto& voice : voices_) {
        if (voice.played && voice.played == shot.played_) cutVoice(voice, rendered_);
    }
}

bool Mixer::waitPlayed(const OneShot& shot, std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    return playedSignal_.wait_until(lock, deadline, [&shot] { return shot.played(); });
}

std::shared_ptr<PcmStream> Mixer::openStream(int sourceRate, StreamEvents events) {
    auto stream = std::make_shared<PcmStream>(sourceRate, deviceRate_, std::move(events));
    const std::lock_guard lock(mutex_);
    streams_.push_back(stream);
    return stream;
}

void Mixer::mixVoice(const Voice& voice, std::span<float> stereo, std::int64_t first) const {
    const auto frames = static_cast<std::int64_t>(stereo.size() / 2);
    const std::int64_t begin = std::max(voice.startFrame, first);
    const std::int64_t end = std::min(voice.endFrame, first + frames);
    if (begin >= end) return;

    const std::vector<float>& samples = voice.wave->samples;
    const std::size_t size = samples.size();
    // Placed from the voice's start each buffer, so that rounding never
    // builds up over a long note.
    double position = static_cast<double>(begin - voice.startFrame) * voice.step;
    if (voice.looped) position = std::fmod(position, static_cast<double>(size));
    const auto fade = static_cast<float>(fadeFrames_);

    for (std::int64_t frame = begin; frame < end; ++frame) {
        const auto index = static_cast<std::size_t>(position);
        const float fraction = static_cast<float>(position - static_cast<double>(index));
        const float here = samples[index];
        float next = 0.0f;
        if (index + 1 < size) {
            next = samples[index + 1];
        } else if (voice.looped) {
            next = samples[0];
        }
        float gain = voice.gain;
        const std::int64_t remaining = voice.endFrame - frame;
        if (voice.fadeAtEnd && remaining < fadeFrames_) {
            gain *= static_cast<float>(remaining) / fade;
        }
        const float value = (here + (next - here) * fraction) * gain;
        const auto at = static_cast<std::size_t>(frame - first) * 2;
        stereo[at] += value;
        stereo[at + 1] += value;
        position += voice.step;
        if (voice.looped) {
            while (position >= static_cast<double>(size)) position -= static_cast<double>(size);
        }
    }
}

void Mixer::render(std::span<float> stereo, std::optional<std::int64_t> clock) {
    std::fill(stereo.begin(), stereo.end(), 0.0f);
    const auto frames = static_cast<std::int64_t>(stereo.size() / 2);
    std::vector<std::pair<std::shared_ptr<PcmStream>, PcmStream::Mixed>> happened;
    bool anyPlayed = false;
    {
        const std::lock_guard lock(mutex_);
        if (clock) followClock(*clock, frames);
        const std::int64_t first = rendered_;
        for (const auto& voice : voices_) mixVoice(voice, stereo, first);
        rendered_ += frames;
        std::erase_if(voices_, [this, &anyPlayed](const Voice& voice) {
            if (voice.endFrame > rendered_) return false;
            if (voice.played) {
                voice.played->store(true);
                anyPlayed = true;
            }
            return true;
        });
        for (auto& stream : streams_) {
            const PcmStream::Mixed mixed = stream->mixInto(stereo);
            if (mixed.started || mixed.end) happened.emplace_back(stream, mixed);
        }
        std::erase_if(streams_, [&happened](const auto& stream) {
            return std::any_of(happened.begin(), happened.end(), [&stream](const auto& event) {
                return event.first == stream && event.second.end.has_value();
            });
        });
    }
    for (float& sample : stereo) sample = std::clamp(sample, -1.0f, 1.0f);
    if (anyPlayed) playedSignal_.notify_all();
    for (const auto& [stream, mixed] : happened) {
        if (mixed.started && stream->events_.onFirstSample) stream->events_.onFirstSample();
        if (mixed.end && stream->events_.onEnd) stream->events_.onEnd(*mixed.end);
    }
}

std::vector<Mixer::VoiceInfo> Mixer::voices() const {
    const std::lock_guard lock(mutex_);
    std::vector<VoiceInfo> info;
    for (const auto& voice : voices_) {
        if (voice.endFrame <= voice.startFrame) continue;  // stopped before it began
        info.push_back({voice.wave->name, voice.rate, voice.volume, voice.looped, voice.startFrame,
                        voice.endFrame});
    }
    return info;
}

}  // namespace ulvora
