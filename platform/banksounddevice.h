// The machine's sounds played from the wave bank: the runtime's SoundDevice
// over a WaveBank (`wavelist`) and an AudioOutput (`sounddev`).
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/audiooutput.h"
#include "platform/wavebank.h"
#include "runtime/sounddevice.h"

namespace ulvora {

class BankSoundDevice final : public SoundDevice {
  public:
    BankSoundDevice(WaveBank wavelist, std::unique_ptr<AudioOutput> sounddev);

    bool hasWave(const std::string& name) const override;
    // Throws MachineError "Wave '<name>' not found" for a wave the bank lacks
    // (before anything starts).
    void startNotes(const std::vector<LoopedNote>& notes, int volume, int durationMs) override;
    void stopNotes(const std::vector<std::string>& waves) override;
    void playOnceAndWait(const std::string& wave, int volume) override;

    const WaveBank& wavelist() const { return wavelist_; }
    AudioOutput& output() { return *sounddev_; }
    Mixer& mixer() { return sounddev_->mixer(); }
    bool isSilent() const { return sounddev_->isSilent(); }
    std::string silentReason() const { return sounddev_->silentReason(); }

  private:
    std::shared_ptr<const Wave> wave(const std::string& name) const;

    WaveBank wavelist_;
    std::unique_ptr<AudioOutput> sounddev_;
};

// The desktop's sounds at start-up: loads the bank from `bankFile`, then
// opens the SDL2 output (or the silent device, see isSilent()). Returns
// nullptr when the bank file does not exist, so the caller can report it;
// throws WaveBankError for a malformed bank and AudioError when not even the
// silent device opens.
std::unique_ptr<BankSoundDevice> openBankSoundDevice(const std::filesystem::path& bankFile);

}  // namespace ulvora
