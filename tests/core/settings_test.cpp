#include "app/settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/settingsfile.h"

namespace fs = std::filesystem;
using ulvora::SettingsFile;

namespace {

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void spit(const fs::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

class SettingsTest : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::path(testing::TempDir()) / "settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder_, ignored);
    }

    fs::path iniPath() const { return folder_ / "ulvora.ini"; }
    SettingsFile fileWith(const std::string& content) const {
        spit(iniPath(), content);
        return SettingsFile(iniPath());
    }
    std::string content() const { return slurp(iniPath()); }
    std::vector<std::string> folderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    fs::path folder_;
};

TEST_F(SettingsTest, FirstStartWritesOnlyWhetherAnEngineCanSpeak) {
    for (const bool engine : {false, true}) {
        SCOPED_TRACE(engine ? "with an engine" : "without an engine");
        fs::remove(iniPath());
        SettingsFile file(iniPath());
        const auto loaded = ulvora::loadsettings(file, engine);

        EXPECT_EQ(loaded.voiceallowed, engine);
        EXPECT_TRUE(loaded.ulvorasounds);
        EXPECT_EQ(loaded.sndvolume, 0);
        EXPECT_FALSE(loaded.braillekeys);
        EXPECT_FALSE(loaded.sapi5);
        EXPECT_EQ(content(), std::string("[voice]\nvoiceallowed=") + (engine ? "1" : "0") + "\n");
    }
}

TEST_F(SettingsTest, ReadersOfAMissingFileGetDefaultsAndCreateNothing) {
    SettingsFile file(iniPath());
    EXPECT_EQ(ulvora::readlanguage(file), 1000);
    EXPECT_TRUE(ulvora::readspeechallowed(file));
    const auto voice = ulvora::readvoicesettings(file);
    EXPECT_EQ(voice.person, "");
    EXPECT_EQ(voice.pitch, 0);
    EXPECT_EQ(voice.speed, 0);
    EXPECT_EQ(voice.volume, 255);
    EXPECT_FALSE(file.exists());
}

TEST_F(SettingsTest, LoadSettingsReadsEveryKeyOfAnExistingFile) {
    auto file = fileWith(
        "[VOICE]\r\nvoiceallowed=0\r\nSAPI5=1\r\n"
        "[Sounds]\r\nUlvoraSounds=0\r\nsndvolume=0x10\r\n"
        "[keyboard]\r\nbraillekeys=1\r\n");
    const auto loaded = ulvora::loadsettings(file, true);
    EXPECT_FALSE(loaded.voiceallowed);
    EXPECT_FALSE(loaded.ulvorasounds);
    EXPECT_EQ(loaded.sndvolume, 16);
    EXPECT_TRUE(loaded.braillekeys);
    EXPECT_TRUE(loaded.sapi5);
}

TEST_F(SettingsTest, AWordWhereANumberBelongsReadsAsTheDefault) {
    auto file = fileWith("[sounds]\nsndvolume=loud\n[voice]\nvoiceallowed=yes\n");
    const auto loaded = ulvora::loadsettings(file, false);
    EXPECT_EQ(loaded.sndvolume, 0);
    EXPECT_TRUE(loaded.voiceallowed);
}

TEST_F(SettingsTest, IntegerValues) {
    struct Case {
        const char* value;
        int expected;
    };
    const Case cases[] = {
        {"42", 42},
        {"-7", -7},
        {"+5", 5},
        {"0x10", 16},
        {"0X1f", 31},
        {"-0x10", -16},
        {"  12\t", 12},
        {"\"3\"", 3},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"0", 0},
        // Not integers: the default.
        {"", 77},
        {"word", 77},
        {"12abc", 77},
        {"1 2", 77},
        {"0x", 77},
        {"0xG", 77},
        {"--5", 77},
        {"+-5", 77},
        {"-", 77},
        {"2147483648", 77},
        {"0x80000000", 77},
        {"1.5", 77},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("value \"") + c.value + "\"");
        const auto file = fileWith(std::string("[s]\nn=") + c.value + "\n");
        EXPECT_EQ(file.readInteger("s", "n", 77), c.expected);
    }
}

TEST_F(SettingsTest, BooleansAreIntegersAndAnythingButZeroIsTrue) {
    struct Case {
        const char* value;
        bool fallback;
        bool expected;
    };
    const Case cases[] = {
        {"0", true, false},   {"1", false, true},   {"2", false, true},     {"-1", false, true},
        {"0x0", true, false}, {"word", true, true}, {"word", false, false}, {"", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("value \"") + c.value + "\"");
        const auto file = fileWith(std::string("[s]\nb=") + c.value + "\n");
        EXPECT_EQ(file.readBool("s", "b", c.fallback), c.expected);
    }
}

TEST_F(SettingsTest, AnUnusualTrueIsWrittenBackAsOne) {
    auto file = fileWith("[voice]\nvoiceallowed=2\n");
    const auto loaded = ulvora::loadsettings(file, false);
    ASSERT_TRUE(loaded.voiceallowed);
    ulvora::savesettings(file, loaded.voiceallowed, loaded.ulvorasounds, loaded.sndvolume,
                         loaded.braillekeys);
    EXPECT_EQ(content(),
              "[voice]\nvoiceallowed=1\n[sounds]\nulvorasounds=1\nsndvolume=0\n"
              "[keyboard]\nbraillekeys=0\n");
}

TEST_F(SettingsTest, SaveSettingsWritesAllFourKeysWithCurrentValues) {
    auto file =
        fileWith("[voice]\nvoiceallowed=1\n[keyboard]\nbraillekeys=0\n[sounds]\nsndvolume=-100\n");
    ulvora::savesettings(file, false, false, -2500, true);
    EXPECT_EQ(content(),
              "[voice]\nvoiceallowed=0\n[keyboard]\nbraillekeys=1\n"
              "[sounds]\nsndvolume=-2500\nulvorasounds=0\n");
    const auto loaded = ulvora::loadsettings(file, true);
    EXPECT_FALSE(loaded.voiceallowed);
    EXPECT_FALSE(loaded.ulvorasounds);
    EXPECT_EQ(loaded.sndvolume, -2500);
    EXPECT_TRUE(loaded.braillekeys);
    // The file was replaced whole; nothing was left beside it.
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"ulvora.ini"});
}

TEST_F(SettingsTest, AWriteChangesOneKeyAndKeepsEverythingElse) {
    auto file = fileWith(
        "; written by hand\r\n"
        "orphan=1\r\n"
        "[Environment]\r\n"
        "Language = 2000\r\n"
        "\r\n"
        "[ Sounds ] trailing words\r\n"
        "  UlvoraSounds = 1  \r\n"
        "not an entry\r\n"
        "sndvolume=-300\r\n"
        "\r\n"
        "[keyboard]\r\n"
        "braillekeys=1\r\n"
        "[sounds]\r\n"
        "ulvorasounds=1\r\n");
    file.writeBool("sounds", "ulvorasounds", false);
    file.writeInteger("SOUNDS", "extra", 5);
    EXPECT_EQ(content(),
              "; written by hand\n"
              "orphan=1\n"
              "[Environment]\n"
              "Language = 2000\n"
              "\n"
              "[ Sounds ] trailing words\n"
              "UlvoraSounds=0\n"
              "not an entry\n"
              "sndvolume=-300\n"
              "extra=5\n"
              "\n"
              "[keyboard]\n"
              "braillekeys=1\n"
              "[sounds]\n"
              "ulvorasounds=1\n");
    EXPECT_EQ(ulvora::readlanguage(file), 2000);
    EXPECT_EQ(file.readInteger("sounds", "extra", 0), 5);
    EXPECT_EQ(file.readString("environment", "orphan", "none"), "none");
}

TEST_F(SettingsTest, KeysMatchingWithoutCaseStayOneEntry) {
    auto file = fileWith("[voice]\nvoiceallowed=1\nsapi5=0\n");
    ulvora::writesapi5(file, true);
    EXPECT_EQ(content(), "[voice]\nvoiceallowed=1\nsapi5=1\n");
    EXPECT_TRUE(ulvora::loadsettings(file, false).sapi5);
}

TEST_F(SettingsTest, NewSectionsAreSpelledAsTheWriterSpellsThem) {
    SettingsFile file(iniPath());
    ulvora::writesapi5(file, true);
    EXPECT_EQ(content(), "[Voice]\nSAPI5=1\n");
}

TEST_F(SettingsTest, VoiceKeysJoinTheVoiceSectionOfTheFirstStart) {
    SettingsFile file(iniPath());
    ulvora::loadsettings(file, true);
    ulvora::writevoicesettings(file, {"Eliška", -3, 7, 200});
    ulvora::writesapi5(file, false);
    EXPECT_EQ(content(),
              "[voice]\nvoiceallowed=1\nperson=Eliška\npitch=-3\nspeed=7\nvolume=200\n"
              "SAPI5=0\n");
    const auto voice = ulvora::readvoicesettings(file);
    EXPECT_EQ(voice.person, "Eliška");
    EXPECT_EQ(voice.pitch, -3);
    EXPECT_EQ(voice.speed, 7);
    EXPECT_EQ(voice.volume, 200);
}

TEST_F(SettingsTest, LanguageRoundTrips) {
    auto file = fileWith("[sounds]\nsndvolume=0\n");
    EXPECT_EQ(ulvora::readlanguage(file), 1000);
    ulvora::writelanguage(file, 3000);
    EXPECT_EQ(ulvora::readlanguage(file), 3000);
    EXPECT_EQ(content(), "[sounds]\nsndvolume=0\n[environment]\nlanguage=3000\n");
}

TEST_F(SettingsTest, LongTextsAreWrittenWholeAndReadUpTo2047Characters) {
    // Bytes of the 8-bit character set pass through untouched.
    const std::string name = std::string(2040, 'a') + "\xE8\x9A\xED" + std::string(1000, 'b');
    SettingsFile file(iniPath());
    file.writeString("Voice", "person", name);
    EXPECT_EQ(content(), "[Voice]\nperson=" + name + "\n");
    EXPECT_EQ(ulvora::readvoicesettings(file).person, name.substr(0, 2047));

    file.writeString("Voice", "person", name.substr(0, 2047));
    EXPECT_EQ(file.readString("Voice", "person", ""), name.substr(0, 2047));
}

TEST_F(SettingsTest, SettingsPathIsTheExecutableWithIniExtension) {
    struct Case {
        const char* executable;
        const char* expected;
    };
    const Case cases[] = {
        {"/opt/ulvora/ulvora", "/opt/ulvora/ulvora.ini"},
        {"/home/jana/games/basic.exe", "/home/jana/games/basic.ini"},
        {"/srv/ulvora.d/game.exe", "/srv/ulvora.d/game.ini"},
        {"/srv/ulvora-1.7/ulvora", "/srv/ulvora-1.7/ulvora.ini"},
        {"basic.exe", "basic.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ulvora::settingsPathFor(c.executable), fs::path(c.expected)) << c.executable;
    }
}

TEST_F(SettingsTest, AFileThatCannotBeWrittenThrows) {
    spit(folder_ / "plain", "x");
    fs::create_directory(folder_ / "taken.ini");
    const fs::path unwritable[] = {
        folder_ / "plain" / "ulvora.ini",    // its folder is a file
        folder_ / "missing" / "ulvora.ini",  // its folder does not exist
        folder_ / "taken.ini",               // a folder stands in its place
    };
    for (const auto& path : unwritable) {
        SCOPED_TRACE(path.string());
        SettingsFile file(path);
        EXPECT_EQ(ulvora::readlanguage(file), 1000);
        try {
            file.writeInteger("environment", "language", 2000);
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos)
                << error.what();
        }
    }
    // No temporary file was left behind.
    auto names = folderEntries();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"plain", "taken.ini"}));
}

TEST_F(SettingsTest, WritingIntoAReadOnlyFolderThrowsAndKeepsTheFile) {
    auto file = fileWith("[environment]\nlanguage=2000\n");
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(folder_.c_str(), W_OK) == 0) {
        GTEST_SKIP() << "this user may write into read-only folders";
    }
    EXPECT_THROW(ulvora::writelanguage(file, 3000), std::runtime_error);
    EXPECT_EQ(content(), "[environment]\nlanguage=2000\n");
}

TEST_F(SettingsTest, AFileThatCannotBeReadGivesDefaultsAndIsNotOverwritten) {
    auto file = fileWith("[environment]\nlanguage=2000\n");
    fs::permissions(iniPath(), fs::perms::owner_write);
    if (::access(iniPath().c_str(), R_OK) == 0) {
        GTEST_SKIP() << "this user may read unreadable files";
    }
    EXPECT_EQ(ulvora::readlanguage(file), 1000);
    EXPECT_THROW(ulvora::writesapi5(file, true), std::runtime_error);
    fs::permissions(iniPath(), fs::perms::owner_read, fs::perm_options::add);
    EXPECT_EQ(content(), "[environment]\nlanguage=2000\n");
}

TEST_F(SettingsTest, ValuesThatWouldBreakTheFileAreRefused) {
    auto file = fileWith("[Voice]\nperson=Jana\n");
    EXPECT_THROW(file.writeString("Voice", "person", "Jana\n[environment]\nlanguage=3000"),
                 std::invalid_argument);
    EXPECT_THROW(file.writeString("Voice", "per=son", "x"), std::invalid_argument);
    EXPECT_THROW(file.writeString("Vo]ice", "person", "x"), std::invalid_argument);
    EXPECT_THROW(file.writeString(" ", "person", "x"), std::invalid_argument);
    EXPECT_EQ(content(), "[Voice]\nperson=Jana\n");
}

TEST_F(SettingsTest, AWriteThroughALinkReplacesTheFileItPointsAt) {
    spit(folder_ / "real.ini", "[voice]\nvoiceallowed=1\n");
    fs::create_symlink("real.ini", iniPath());
    SettingsFile file(iniPath());
    ulvora::savesettings(file, false, true, 0, false);
    EXPECT_TRUE(fs::is_symlink(iniPath()));
    EXPECT_FALSE(ulvora::readspeechallowed(SettingsFile(folder_ / "real.ini")));
}

}  // namespace
