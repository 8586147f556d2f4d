#include "platform/wavebank.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <system_error>

namespace ulvora {
namespace {

constexpr std::uint8_t kLoopedFlag = 0x01;

// Reads the file's little-endian fields in order and says where it failed.
class Reader {
  public:
    Reader(std::string_view bytes, std::string_view origin) : bytes_(bytes), origin_(origin) {}

    [[noreturn]] void fail(const std::string& problem) const {
        throw WaveBankError(std::string(origin_) + ": " + problem + " (at byte " +
                            std::to_string(offset_) + ")");
    }

    std::string_view take(std::size_t count, const char* what) {
        if (bytes_.size() - offset_ < count) fail(std::string("file ends inside ") + what);
        const std::string_view piece = bytes_.substr(offset_, count);
        offset_ += count;
        return piece;
    }

    std::uint32_t number(std::size_t width, const char* what) {
        const std::string_view piece = take(width, what);
        std::uint32_t value = 0;
        for (std::size_t i = width; i-- > 0;) {
            value = (value << 8) | static_cast<unsigned char>(piece[i]);
        }
        return value;
    }

    bool atEnd() const { return offset_ == bytes_.size(); }

  private:
    std::string_view bytes_;
    std::string_view origin_;
    std::size_t offset_ = 0;
};

void putNumber(std::string& out, std::uint32_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

std::int16_t toPcm16(float sample) {
    const double scaled = std::round(static_cast<double>(sample) * 32768.0);
    return static_cast<std::int16_t>(std::clamp(scaled, -32768.0, 32767.0));
}

// Why a wave could not be stored in a file, or an empty text.
std::string faultOf(const Wave& wave) {
    if (wave.name.empty() || wave.name.size() > WaveBank::kMaxNameLength) {
        return "wave name must have 1 to " + std::to_string(WaveBank::kMaxNameLength) +
               " characters";
    }
    for (const char c : wave.name) {
        if (c <= ' ' || c > '~') return "wave name '" + wave.name + "' is not printable ASCII";
    }
    if (wave.sampleRate < 1 || wave.sampleRate > WaveBank::kMaxSampleRate) {
        return "wave '" + wave.name + "' has sample rate " + std::to_string(wave.sampleRate);
    }
    if (wave.samples.empty() || wave.samples.size() > WaveBank::kMaxFrames) {
        return "wave '" + wave.name + "' has " + std::to_string(wave.samples.size()) + " samples";
    }
    return {};
}

}  // namespace

std::optional<WaveBank> WaveBank::load(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) throw WaveBankError(file.string() + ": cannot be opened");
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) throw WaveBankError(file.string() + ": cannot be read");
    return parse(bytes, file.string());
}

WaveBank WaveBank::parse(std::string_view bytes, std::string_view origin) {
    Reader reader(bytes, origin);
    if (reader.take(kMagic.size(), "the header") != kMagic) reader.fail("not a wave bank");
    const std::uint32_t count = reader.number(4, "the header");
    if (count < 1 || count > kMaxWaves) {
        reader.fail("wave count " + std::to_string(count) + " is not 1.." +
                    std::to_string(kMaxWaves));
    }
    WaveBank bank;
    for (std::uint32_t index = 0; index < count; ++index) {
        Wave wave;
        const std::size_t nameLength = reader.number(1, "a wave name");
        wave.name = std::string(reader.take(nameLength, "a wave name"));
        wave.sampleRate = reader.number(4, "a wave header");
        const std::uint32_t flags = reader.number(1, "a wave header");
        if ((flags & ~std::uint32_t{kLoopedFlag}) != 0) {
            reader.fail("wave '" + wave.name + "' has unknown flags " + std::to_string(flags));
        }
        wave.looped = (flags & kLoopedFlag) != 0;
        const std::uint32_t frames = reader.number(4, "a wave header");
        if (frames < 1 || frames > kMaxFrames) {
            reader.fail("wave '" + wave.name + "' has " + std::to_string(frames) + " samples");
        }
        const std::string_view pcm = reader.take(std::size_t{frames} * 2, "the samples");
        wave.samples.resize(frames);
        for (std::size_t i = 0; i < frames; ++i) {
            const auto low = static_cast<unsigned char>(pcm[2 * i]);
            const auto high = static_cast<unsigned char>(pcm[2 * i + 1]);
            const auto value =
                static_cast<std::int16_t>(static_cast<std::uint16_t>(low | high << 8));
            wave.samples[i] = static_cast<float>(value) / 32768.0f;
        }
        if (const std::string fault = faultOf(wave); !fault.empty()) reader.fail(fault);
        if (bank.find(wave.name)) reader.fail("wave '" + wave.name + "' appears twice");
        bank.waves_.push_back(std::make_shared<const Wave>(std::move(wave)));
    }
    if (!reader.atEnd()) reader.fail("unexpected bytes after the last wave");
    return bank;
}

std::string WaveBank::serialize() const {
    std::string out(kMagic);
    putNumber(out, static_cast<std::uint32_t>(waves_.size()), 4);
    for (const auto& wave : waves_) {
        putNumber(out, static_cast<std::uint32_t>(wave->name.size()), 1);
        out += wave->name;
        putNumber(out, wave->sampleRate, 4);
        putNumber(out, wave->looped ? kLoopedFlag : 0u, 1);
        putNumber(out, static_cast<std::uint32_t>(wave->samples.size()), 4);
        for (const float sample : wave->samples) {
            putNumber(out, static_cast<std::uint16_t>(toPcm16(sample)), 2);
        }
    }
    return out;
}

void WaveBank::add(Wave wave) {
    if (const std::string fault = faultOf(wave); !fault.empty()) throw WaveBankError(fault);
    if (find(wave.name)) throw WaveBankError("wave '" + wave.name + "' appears twice");
    if (waves_.size() >= kMaxWaves) throw WaveBankError("too many waves");
    waves_.push_back(std::make_shared<const Wave>(std::move(wave)));
}

std::shared_ptr<const Wave> WaveBank::find(std::string_view name) const {
    const auto found = std::find_if(waves_.begin(), waves_.end(),
                                    [name](const auto& wave) { return wave->name == name; });
    return found == waves_.end() ? nullptr : *found;
}

}  // namespace ulvora
