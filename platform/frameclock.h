// Where "now" falls in an output device's stream of frames.
//
// A device mixes one buffer at a time, ahead of what is heard. If a note
// started at the next buffer mixed, its place in the sound would depend on
// when the audio thread happened to run: one asked for just after a buffer
// was mixed would start up to a buffer late, and a run of short notes would
// bunch up and leave gaps. So a start asked for at time t is placed one
// buffer after the buffer whose mixing began last, plus the time since
// then: notes keep the spacing they were asked with, at a steady latency of
// one buffer.
//
// Stops are placed by the plain clock instead (time since the origin, in
// frames), relative to each voice's own start (see Mixer): the device's own
// pace, a little slow or fast, then never shortens a note.
#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>

#include "platform/mixer.h"

namespace ulvora {

class FrameClock {
  public:
    using Clock = std::chrono::steady_clock;

    FrameClock(int rate, int bufferFrames, Clock::time_point origin = Clock::now())
        : rate_(rate), bufferFrames_(bufferFrames), origin_(origin) {}

    // The audio thread begins mixing the buffer that starts at `frame`.
    void stamp(std::int64_t frame, Clock::time_point now);

    // A change asked for at `now`: its output frame (never less than one
    // given before) and the clock (frames at the nominal rate since the
    // origin) by which the mixer places stops.
    AudioTime at(Clock::time_point now);

  private:
    const int rate_;
    const int bufferFrames_;
    const Clock::time_point origin_;
    std::mutex mutex_;
    bool stamped_ = false;
    std::int64_t frame_ = 0;
    Clock::time_point time_{};
    std::int64_t latest_ = 0;
};

}  // namespace ulvora
