#include "platform/wavebank.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace ulvora {
namespace {

std::string le(std::uint32_t value, int width) {
    std::string out;
    for (int i = 0; i < width; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}

// One wave's bytes, written field by field, so a case can spoil one field.
struct RawWave {
    std::string name = "w";
    std::uint32_t rate = 48000;
    std::uint32_t flags = 0;
    std::uint32_t frames = 2;
    std::size_t sampleBytes = 4;

    std::string bytes() const {
        return le(static_cast<std::uint32_t>(name.size()), 1) + name + le(rate, 4) + le(flags, 1) +
               le(frames, 4) + std::string(sampleBytes, '\x01');
    }
};

std::string rawBank(std::uint32_t count, const std::vector<RawWave>& waves, std::string tail = "") {
    std::string out = "ULVWAVE1" + le(count, 4);
    for (const auto& wave : waves) out += wave.bytes();
    return out + tail;
}

class TempFolder {
  public:
    TempFolder() {
        path = std::filesystem::temp_directory_path() /
               ("ulvora-wavebank-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

TEST(WaveBank, KeepsEveryFieldThroughTheFile) {
    WaveBank bank;
    bank.add({"snd11", 64000, true, {0.0f, 0.5f, -0.5f, -1.0f, 0.999f}});
    bank.add({"click2", 44100, false, {0.25f}});

    const WaveBank read = WaveBank::parse(bank.serialize());

    ASSERT_EQ(read.waves().size(), 2u);
    const auto note = read.find("snd11");
    ASSERT_TRUE(note);
    EXPECT_EQ(note->sampleRate, 64000u);
    EXPECT_TRUE(note->looped);
    ASSERT_EQ(note->samples.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_NEAR(note->samples[i], bank.find("snd11")->samples[i], 1.0 / 32768) << i;
    }
    const auto click = read.find("click2");
    ASSERT_TRUE(click);
    EXPECT_FALSE(click->looped);
    EXPECT_EQ(click->sampleRate, 44100u);
    EXPECT_EQ(read.find("SND11"), nullptr);  // names match exactly
    EXPECT_EQ(read.find("snd1"), nullptr);
}

TEST(WaveBank, MissingFileIsReportedAsAbsentNotAsAnError) {
    TempFolder folder;
    EXPECT_FALSE(WaveBank::load(folder.path / "sounds.dat").has_value());
}

TEST(WaveBank, LoadsTheFileAndNamesItInErrors) {
    TempFolder folder;
    WaveBank bank;
    bank.add({"beep", 48000, false, {0.1f, 0.2f}});
    const auto file = folder.path / "sounds.dat";
    std::ofstream(file, std::ios::binary) << bank.serialize();

    const auto loaded = WaveBank::load(file);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_TRUE(loaded->find("beep"));

    std::ofstream(file, std::ios::binary | std::ios::trunc) << "RIFF....WAVE";
    try {
        WaveBank::load(file);
        FAIL() << "a malformed bank must not load";
    } catch (const WaveBankError& error) {
        EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("not a wave bank"), std::string::npos);
    }
}

struct Malformed {
    const char* what;
    std::string bytes;
    const char* message;
};

TEST(WaveBank, RejectsMalformedFilesWithTheReason) {
    const std::vector<Malformed> cases = {
        {"empty file", "", "file ends inside the header"},
        {"other magic", "ULVWAVE2" + le(1, 4) + RawWave{}.bytes(), "not a wave bank"},
        {"no waves", rawBank(0, {}), "wave count 0"},
        {"too many waves", rawBank(5000, {RawWave{}}), "wave count 5000"},
        {"fewer waves than counted", rawBank(2, {RawWave{}}), "file ends inside a wave name"},
        {"short samples", rawBank(1, {RawWave{.frames = 3}}), "file ends inside the samples"},
        {"header cut short", rawBank(1, {}) + le(1, 1) + "w" + le(48000, 2),
         "file ends inside a wave header"},
        {"zero rate", rawBank(1, {RawWave{.rate = 0}}), "sample rate 0"},
        {"absurd rate", rawBank(1, {RawWave{.rate = 10'000'000}}), "sample rate 10000000"},
        {"unknown flag", rawBank(1, {RawWave{.flags = 2}}), "unknown flags 2"},
        {"no samples", rawBank(1, {RawWave{.frames = 0, .sampleBytes = 0}}), "has 0 samples"},
        {"empty name", rawBank(1, {RawWave{.name = ""}}), "1 to 64 characters"},
        {"blank in name", rawBank(1, {RawWave{.name = "a b"}}), "not printable ASCII"},
        {"same name twice", rawBank(2, {RawWave{.name = "x"}, RawWave{.name = "x"}}),
         "'x' appears twice"},
        {"bytes after the end", rawBank(1, {RawWave{}}, "!"),
         "unexpected bytes after the last wave"},
    };
    for (const auto& bad : cases) {
        try {
            WaveBank::parse(bad.bytes, "test.dat");
            ADD_FAILURE() << bad.what << ": accepted";
        } catch (const WaveBankError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind("test.dat: ", 0), 0u) << bad.what << ": " << message;
            EXPECT_NE(message.find(bad.message), std::string::npos) << bad.what << ": " << message;
        }
    }
    // The well-formed base of these cases loads.
    EXPECT_EQ(WaveBank::parse(rawBank(1, {RawWave{}})).waves().size(), 1u);
}

TEST(WaveBank, RefusesWavesItCouldNotWrite) {
    WaveBank bank;
    bank.add({"a", 48000, false, {0.0f}});
    EXPECT_THROW(bank.add({"a", 48000, false, {0.0f}}), WaveBankError);
    EXPECT_THROW(bank.add({"b", 48000, false, {}}), WaveBankError);
    EXPECT_THROW(bank.add({"c", 0, false, {0.0f}}), WaveBankError);
    EXPECT_THROW(bank.add({std::string(65, 'n'), 48000, false, {0.0f}}), WaveBankError);
    EXPECT_EQ(bank.waves().size(), 1u);
}

TEST(WaveBank, StoresSamplesAsSixteenBitsClipped) {
    WaveBank bank;
    bank.add({"loud", 48000, false, {2.0f, -2.0f, 0.5f}});
    const std::string bytes = bank.serialize();
    // Header (12) + name length, name, rate, flags, frames (1 + 4 + 4 + 1 + 4).
    const std::string pcm = bytes.substr(12 + 14);
    ASSERT_EQ(pcm.size(), 6u);
    EXPECT_EQ(pcm.substr(0, 2), std::string("\xFF\x7F", 2));  // 32767
    EXPECT_EQ(pcm.substr(2, 2), std::string("\x00\x80", 2));  // -32768
    EXPECT_EQ(pcm.substr(4, 2), std::string("\x00\x40", 2));  // 16384
}

}  // namespace
}  // namespace ulvora
