// Measurements on mixed sound for the audio tests.
#pragma once

#include <cmath>
#include <cstddef>
#include <memory>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "platform/wavebank.h"

namespace ulvora::testing {

// The left channel of interleaved stereo.
inline std::vector<float> leftOf(const std::vector<float>& stereo) {
    std::vector<float> left(stereo.size() / 2);
    for (std::size_t i = 0; i < left.size(); ++i) left[i] = stereo[2 * i];
    return left;
}

inline std::optional<std::size_t> firstSounding(const std::vector<float>& samples) {
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (samples[i] != 0.0f) return i;
    }
    return std::nullopt;
}

inline std::optional<std::size_t> lastSounding(const std::vector<float>& samples) {
    for (std::size_t i = samples.size(); i-- > 0;) {
        if (samples[i] != 0.0f) return i;
    }
    return std::nullopt;
}

inline float peakOf(const std::vector<float>& samples, std::size_t from = 0,
                    std::size_t to = static_cast<std::size_t>(-1)) {
    float peak = 0.0f;
    for (std::size_t i = from; i < samples.size() && i < to; ++i)
        peak = std::max(peak, std::abs(samples[i]));
    return peak;
}

// Frequency from the rising zero crossings (interpolated between samples):
// the number of whole periods between the first and the last crossing over
// the time between them. Good for tones whose fundamental dominates.
inline double frequencyOf(const std::vector<float>& samples, double rate) {
    std::vector<double> crossings;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (samples[i - 1] < 0.0f && samples[i] >= 0.0f) {
            const double fraction = samples[i - 1] / (samples[i - 1] - samples[i]);
            crossings.push_back(static_cast<double>(i - 1) + fraction);
        }
    }
    if (crossings.size() < 2) return 0.0;
    return static_cast<double>(crossings.size() - 1) * rate /
           (crossings.back() - crossings.front());
}

// A wave holding one period of a full-scale sine in `length` samples.
inline std::shared_ptr<const Wave> sineWave(const std::string& name, std::size_t length = 64,
                                            std::uint32_t rate = 64000, bool looped = true) {
    Wave wave{name, rate, looped, std::vector<float>(length)};
    for (std::size_t i = 0; i < length; ++i) {
        wave.samples[i] = static_cast<float>(std::sin(
            2.0 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(length)));
    }
    return std::make_shared<const Wave>(std::move(wave));
}

}  // namespace ulvora::testing
