// Shared pieces of the sound benchmarks: a host that keeps real time, a tap
// on the SDL2 device's mixed output, and a sound device that notes where
// each note starts.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/audiodevice.h"
#include "platform/banksounddevice.h"
#include "runtime/host.h"

namespace ulvora::bench {

using Clock = std::chrono::steady_clock;

// The desktop's waits and timer, on the wall clock: a wait sleeps until the
// timer is due (a precise timer, as the desktop's), then runs it.
class RealTimeHost final : public Host {
  public:
    void waitUntil(const std::function<bool()>& done) override {
        while (!done()) {
            if (!due_) throw std::logic_error("a wait with no timer would never end here");
            std::this_thread::sleep_until(*due_);
            fire();
        }
    }
    void processPendingEvents() override {
        if (due_ && Clock::now() >= *due_) fire();
    }
    bool askLine(std::string&) override { return false; }
    void showMessage(const std::string& text) override {
        std::printf("message: %s\n", text.c_str());
    }
    void startTimer(int ms, std::function<void()> onTimeout) override {
        due_ = Clock::now() + std::chrono::milliseconds(ms);
        onTimeout_ = std::move(onTimeout);
    }
    void stopTimer() override { due_.reset(); }
    void sleepBlocking(int ms) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
    Date today() override { return {}; }
    [[noreturn]] void endProcess(int exitCode) override { std::exit(exitCode); }

  private:
    void fire() {
        due_.reset();
        if (onTimeout_) onTimeout_();
    }
    std::optional<Clock::time_point> due_;
    std::function<void()> onTimeout_;
};

// Everything the device mixes, left channel, from the frame it was attached.
class Tap {
  public:
    void attach(AudioDevice& device) {
        device.setMonitor([this](std::span<const float> stereo, std::int64_t first) {
            const std::lock_guard lock(mutex_);
            if (left_.empty()) first_ = first;
            for (std::size_t i = 0; i < stereo.size(); i += 2) left_.push_back(stereo[i]);
        });
    }
    // The mixed samples of output frames [from, to).
    std::vector<float> frames(std::int64_t from, std::int64_t to) {
        const std::lock_guard lock(mutex_);
        const auto begin = std::clamp<std::int64_t>(from - first_, 0, std::ssize(left_));
        const auto end = std::clamp<std::int64_t>(to - first_, begin, std::ssize(left_));
        return {left_.begin() + begin, left_.begin() + end};
    }

  private:
    std::mutex mutex_;
    std::int64_t first_ = 0;
    std::vector<float> left_;
};

// Passes everything on, noting the output frame at which each group of
// notes starts (as the mixer placed it).
class NotedSoundDevice final : public SoundDevice {
  public:
    explicit NotedSoundDevice(BankSoundDevice& device) : device_(device) {}
    bool hasWave(const std::string& name) const override { return device_.hasWave(name); }
    void startNotes(const std::vector<LoopedNote>& notes, int volume, int durationMs) override {
        device_.startNotes(notes, volume, durationMs);
        const auto voices = device_.mixer().voices();
        starts.push_back(voices.empty() ? -1 : voices.back().startFrame);
    }
    void stopNotes(const std::vector<std::string>& waves) override { device_.stopNotes(waves); }
    void playOnceAndWait(const std::string& wave, int volume) override {
        device_.playOnceAndWait(wave, volume);
    }
    std::vector<std::int64_t> starts;

  private:
    BankSoundDevice& device_;
};

// Frames from a note's start to its last non-zero sample, inclusive: its
// audible length (the waves begin at a zero, which counts as heard).
inline std::int64_t audibleFrames(const std::vector<float>& fromStart) {
    for (std::size_t i = fromStart.size(); i-- > 0;) {
        if (fromStart[i] != 0.0f) return static_cast<std::int64_t>(i) + 1;
    }
    return 0;
}

// Waits until the mixer has mixed past `frame` (or 10 s have passed).
inline void waitMixed(Mixer& mixer, std::int64_t frame) {
    const auto giveUp = Clock::now() + std::chrono::seconds(10);
    while (mixer.framesRendered() <= frame && Clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

struct Spread {
    double min, median, max;
};

inline Spread spreadOf(std::vector<double> values) {
    if (values.empty()) return {0, 0, 0};
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2], values.back()};
}

}  // namespace ulvora::bench
