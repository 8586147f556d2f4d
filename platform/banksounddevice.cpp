#include "platform/banksounddevice.h"

#include <utility>

#include "platform/audiodevice.h"
#include "runtime/host.h"

namespace ulvora {

BankSoundDevice::BankSoundDevice(WaveBank wavelist, std::unique_ptr<AudioOutput> sounddev)
    : wavelist_(std::move(wavelist)), sounddev_(std::move(sounddev)) {}

bool BankSoundDevice::hasWave(const std::string& name) const {
    return wavelist_.find(name) != nullptr;
}

std::shared_ptr<const Wave> BankSoundDevice::wave(const std::string& name) const {
    auto found = wavelist_.find(name);
    if (!found) throw MachineError("Wave '" + name + "' not found");
    return found;
}

void BankSoundDevice::startNotes(const std::vector<LoopedNote>& notes, int volume, int durationMs) {
    std::vector<Mixer::Looped> looped;
    looped.reserve(notes.size());
    for (const auto& note : notes) looped.push_back({wave(note.wave), note.rate});
    Mixer& mixer = sounddev_->mixer();
    const std::int64_t frames =
        durationMs < 0 ? -1 : std::int64_t{durationMs} * mixer.deviceRate() / 1000;
    mixer.startLooped(looped, volume, frames, sounddev_->clock());
}

void BankSoundDevice::stopNotes(const std::vector<std::string>& waves) {
    sounddev_->mixer().stopWaves(waves, sounddev_->clock());
}

void BankSoundDevice::playOnceAndWait(const std::string& name, int volume) {
    const OneShot shot = sounddev_->mixer().playOnce(wave(name), volume, sounddev_->clock());
    sounddev_->waitUntilPlayed(shot);
}

std::unique_ptr<BankSoundDevice> openBankSoundDevice(const std::filesystem::path& bankFile) {
    std::optional<WaveBank> bank = WaveBank::load(bankFile);
    if (!bank) return nullptr;
    return std::make_unique<BankSoundDevice>(std::move(*bank), std::make_unique<AudioDevice>());
}

}  // namespace ulvora
