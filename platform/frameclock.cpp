#include "platform/frameclock.h"

#include <algorithm>

namespace ulvora {

void FrameClock::stamp(std::int64_t frame, Clock::time_point now) {
    const std::lock_guard lock(mutex_);
    stamped_ = true;
    frame_ = frame;
    time_ = now;
}

namespace {

std::int64_t framesBetween(FrameClock::Clock::time_point from, FrameClock::Clock::time_point to,
                           int rate) {
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(to - from).count();
    return std::max<std::int64_t>(0, micros) * rate / 1'000'000;
}

}  // namespace

AudioTime FrameClock::at(Clock::time_point now) {
    const std::lock_guard lock(mutex_);
    // Before the first buffer is mixed, everything starts on the first frame.
    if (stamped_) {
        latest_ = std::max(latest_, frame_ + bufferFrames_ + framesBetween(time_, now, rate_));
    }
    return {latest_, framesBetween(origin_, now, rate_)};
}

}  // namespace ulvora
