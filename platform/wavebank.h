// The wave bank: the named PCM waves the machine plays, read from sounds.dat.
//
// sounds.dat layout (every number little-endian; docs/sounds-format.md tells
// the same with the reasons behind the waves):
//
//   magic        8 bytes   "ULVWAVE1"
//   count        u32       number of waves, 1..1024
//   count times:
//     nameLength u8        1..64
//     name       bytes     printable ASCII, unique in the bank (exact match)
//     sampleRate u32       Hz, 1..384000: the rate the wave sounds right at
//                          when it is played once
//     flags      u8        bit 0: looped; the other bits are 0
//     frames     u32       1..16777216
//     samples    frames x  i16, mono
//
// Nothing follows the last wave. The file is small (tens of kilobytes), so
// it is read whole and checked completely before anything is used.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ulvora {

struct Wave {
    std::string name;
    std::uint32_t sampleRate = 48000;
    bool looped = false;
    std::vector<float> samples;  // mono, -1..1 (the file's i16 divided by 32768)
};

// A sounds.dat that cannot be used; the message names the file and the fault.
class WaveBankError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class WaveBank {
  public:
    static constexpr std::string_view kMagic = "ULVWAVE1";
    static constexpr std::uint32_t kMaxWaves = 1024;
    static constexpr std::size_t kMaxNameLength = 64;
    static constexpr std::uint32_t kMaxSampleRate = 384000;
    static constexpr std::uint32_t kMaxFrames = 1u << 24;

    // Reads the bank from `file`. No file there: std::nullopt, so the caller
    // can report the missing file its own way. A file that is there but
    // cannot be read or is malformed: WaveBankError.
    static std::optional<WaveBank> load(const std::filesystem::path& file);

    // Reads a bank from the bytes of a file; `origin` names it in errors.
    static WaveBank parse(std::string_view bytes, std::string_view origin = "sounds.dat");

    // The bytes of the file for this bank. Samples are rounded to i16.
    std::string serialize() const;

    // Adds a wave; throws WaveBankError if it could not be written to or
    // read back from a file (bad name, rate, length, duplicate).
    void add(Wave wave);

    // The wave of this name, or nullptr. Waves are shared with the mixer, so
    // a wave that is playing outlives the bank.
    std::shared_ptr<const Wave> find(std::string_view name) const;

    const std::vector<std::shared_ptr<const Wave>>& waves() const { return waves_; }

  private:
    std::vector<std::shared_ptr<const Wave>> waves_;
};

}  // namespace ulvora
