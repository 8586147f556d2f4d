// Where the mixer's sound goes: the SDL2 device (audible or silent) for the
// program, a recording for tests.
#pragma once

#include <cstdint>
#include <string>

#include "platform/mixer.h"

namespace ulvora {

class AudioOutput {
  public:
    virtual ~AudioOutput() = default;

    virtual Mixer& mixer() = 0;

    // The clock the mixer is told the time by: output frames at the nominal
    // rate since the output opened.
    virtual std::int64_t clock() = 0;

    // Returns once the one-shot has been mixed. Never waits forever: if the
    // output stops pulling, the wait ends a little after the wave's length
    // and the wave is stopped.
    virtual void waitUntilPlayed(const OneShot& shot) = 0;

    // True when nothing is heard (no sound output could be opened, or the
    // dummy driver was chosen); silentReason() then says why, once, in
    // English, for the desktop to pass on.
    virtual bool isSilent() const = 0;
    virtual std::string silentReason() const { return {}; }
};

}  // namespace ulvora
