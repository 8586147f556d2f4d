#include "platform/recordingaudiodevice.h"

namespace ulvora {

std::vector<float> RecordingAudioDevice::render(std::size_t frames) {
    std::vector<float> stereo(frames * 2);
    mixer_.render(stereo);
    recorded_.insert(recorded_.end(), stereo.begin(), stereo.end());
    return stereo;
}

void RecordingAudioDevice::waitUntilPlayed(const OneShot& shot) {
    // The chunk after the wave's end frame has surely mixed it; the bound
    // keeps a mistake from becoming an endless loop.
    const std::int64_t limit = shot.endFrame() + static_cast<std::int64_t>(kWaitChunk);
    while (!shot.played() && mixer_.framesRendered() < limit) render(kWaitChunk);
}

}  // namespace ulvora
