// The start of a run: the daily check, the date record, the saved-position
// area, the object table from data.dta, the title and the instructions.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "program/texts.h"
#include "program/world.h"
#include "routes.h"

namespace ulvora::testing {
namespace {

namespace text = program::text;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

std::string line(std::string_view text) {
    return std::string(text) + "\n";
}

std::string hallDescription() {
    return line(text::kEntranceHall) + line(text::kDoorSlammed) +
           "Je zde \nkniha, \n\nLze jít \nna sever,\nna východ,\nna západ,\n\nco teď?\n";
}

int countWave(const RecordingSoundDevice& sound, const std::string& wave) {
    int count = 0;
    for (const auto& [name, volume] : sound.playedOnce) count += name == wave ? 1 : 0;
    return count;
}

TEST(RunStart, FirstStartShowsTheTitleClicksAndAsksForInstructions) {
    GameRig rig;
    rig.run(kNoInstructions + kQuitRun);

    EXPECT_THAT(rig.transcript(),
                StartsWith(line(text::kTitleAnnouncement) + line(text::kTitle) +
                           "chceš instrukce? Napiš ano nebo ne\n> ne\n" + hallDescription()));
    EXPECT_EQ(countWave(rig.sound, "click0"), 81);
    ASSERT_GE(rig.speech.pitches.size(), 2u);
    EXPECT_EQ(rig.speech.pitches[0], 70);
    EXPECT_EQ(rig.speech.pitches[1], 56);
    EXPECT_TRUE(rig.spoke(std::string(text::kTitle)));
}

TEST(RunStart, AnswerBeginningWithSmallAShowsTheInstructions) {
    GameRig rig;
    rig.run(Script{"ano", "Karle"} + kQuitRun);

    const std::string expected =
        "chceš instrukce? Napiš ano nebo ne\n> ano\n"
        "vlož své jméno v pátém pádě\n> Karle\n"
        "Vítám tě ve hře, Karle" +
        line(text::kForgetYourName) + std::string(text::kSettingFirst) +
        line(text::kSettingSecond) + line(text::kHeadline) + line(text::kNewsFirst) +
        line(text::kNewsSecond) + line(text::kInstructions[0]) + line(text::kInstructions[1]) +
        line(text::kInstructions[2]) + line(text::kInstructions[3]) + "Hodně zdaru!\n" +
        hallDescription();
    EXPECT_THAT(rig.transcript(), HasSubstr(expected));
    // Title 70/56, headline 58/56, good luck 80/56.
    EXPECT_EQ(rig.speech.pitches, (std::vector<double>{70, 56, 58, 56, 80, 56}));
    ASSERT_EQ(rig.sound.started.size(), 1u);
    EXPECT_EQ(rig.sound.started[0].durationMs, 500);
    ASSERT_EQ(rig.sound.started[0].notes.size(), 1u);
    EXPECT_EQ(rig.sound.started[0].notes[0].wave, "snd12");
    EXPECT_EQ(rig.sound.started[0].notes[0].rate, 64.0 * 5000);
}

TEST(RunStart, OnlyASmallAAsTheFirstCharacterMeansYes) {
    for (const std::string answer : {"Ano", "", "ne", "jo", "A"}) {
        GameRig rig;
        rig.run(Script{answer} + kQuitRun);
        EXPECT_THAT(rig.transcript(), Not(HasSubstr("vlož své jméno"))) << answer;
        EXPECT_THAT(rig.transcript(), HasSubstr(hallDescription())) << answer;
    }
}

TEST(RunStart, StoresTodaysDateAndClearsTheSavedPositionArea) {
    GameRig rig;
    rig.host.date = {3, 4, 2031};
    for (int a = 44099; a <= 44281; ++a) rig.machine.poke(a, 9);
    rig.run(kNoInstructions + kQuitRun);

    EXPECT_EQ(rig.peek(44070), 3);
    EXPECT_EQ(rig.peek(44071), 4);
    EXPECT_EQ(rig.peek(44072), 20);
    EXPECT_EQ(rig.peek(44073), 31);
    for (int a = 44100; a <= 44280; ++a) ASSERT_EQ(rig.peek(a), 0) << a;
    EXPECT_EQ(rig.peek(44099), 9);
    EXPECT_EQ(rig.peek(44281), 9);
}

TEST(RunStart, SecondStartOnTheSameDayIsRefusedWithTheImageOfTheFirst) {
    GameRig first;
    first.run(kNoInstructions + kQuitRun);
    first.machine.saveram();

    GameRig second;
    std::filesystem::copy_file(first.folder / "ram.dat", second.folder / "ram.dat");
    second.machine.loadram();
    second.machine.poke(44000, 77);  // the object table must stay untouched
    second.run({});

    EXPECT_EQ(second.transcript(), "Dneska už sis zahrál dost a \n");
    EXPECT_EQ(second.peek(44000), 77);
    EXPECT_TRUE(second.host.answered.empty());
}

TEST(RunStart, ADifferentYearLetsTheProgramStartAgain) {
    GameRig rig;
    rig.run(kNoInstructions + kQuitRun);
    rig.forget();
    rig.host.date.year = 2027;  // same day and month, other last two digits
    rig.run(kNoInstructions + kQuitRun);
    EXPECT_THAT(rig.transcript(), StartsWith(line(text::kTitleAnnouncement)));
}

std::vector<int> numbersOf(const std::string& data) {
    std::vector<int> numbers;
    std::string token;
    for (const char c : data + ",") {
        if (c == ',' || c == '\r' || c == '\n') {
            if (!token.empty()) numbers.push_back(std::stoi(token));
            token.clear();
        } else {
            token += c;
        }
    }
    return numbers;
}

TEST(RunStart, EveryGameLoadsTheObjectTableFromTheDataFile) {
    GameRig rig(kTestWorld);
    for (int a = 44000; a < 44070; ++a) rig.machine.poke(a, 200);
    rig.run(kNoInstructions + Script{"ber klí", "kon", "ano", "ano", "ne"} + kQuitRun);

    const std::vector<int> numbers = numbersOf(kTestWorld);
    ASSERT_EQ(numbers.size(), 70u);
    // The second game reloaded the table: the key taken in the first lies
    // in the hall again.
    for (int a = 0; a < 70; ++a) EXPECT_EQ(rig.peek(44000 + a), numbers[a]) << 44000 + a;
    // The hall lists the key again, and its door slams only once per run.
    EXPECT_THAT(rig.transcript(),
                HasSubstr("> ano\nchceš instrukce? Napiš ano nebo ne\n> ne\n" +
                          line(text::kEntranceHall) + "Je zde \nkniha, \nklíč, \nmaska, \n"));
}

TEST(RunStart, ShippedDataFileMeetsWhatTheProgramRequires) {
    const std::vector<int> numbers = numbersOf(shippedData());
    ASSERT_EQ(numbers.size(), 70u);
    const auto field = [&](int record, int offset) { return numbers[record * 5 + offset]; };
    const int kinds[14] = {1, 2, 1, 1, 1, 3, 4, 1, 1, 1, 1, 1, 1, 1};
    for (int k = 0; k < 14; ++k) {
        EXPECT_EQ(field(k, 2), 0) << "record " << k << " must lie, not be carried";
        EXPECT_EQ(field(k, 3), k + 1) << "record " << k;
        EXPECT_EQ(field(k, 4), kinds[k]) << "record " << k;
    }
    // The board and the leaflet lie nowhere until their events place them.
    EXPECT_EQ(field(7, 0), 0);
    EXPECT_EQ(field(7, 1), 0);
    EXPECT_EQ(field(12, 0), 0);
    EXPECT_EQ(field(12, 1), 0);
    // Fixed places: the note, the spider, the wire.
    EXPECT_EQ(field(13, 0) * 10 + field(13, 1), 62);
    EXPECT_EQ(field(1, 0) * 10 + field(1, 1), 94);
    EXPECT_EQ(field(5, 0) * 10 + field(5, 1), 82);
    // The others lie in rooms a player can stand in.
    for (const int k : {0, 2, 3, 4, 6, 8, 9, 10, 11}) {
        const program::Room* room = program::roomAt(field(k, 0), field(k, 1));
        ASSERT_NE(room, nullptr) << "record " << k;
        EXPECT_EQ(room->row, field(k, 0)) << "record " << k;
        EXPECT_FALSE(room->kills) << "record " << k;
    }
}

TEST(RunStart, MissingDataFileIsReportedAndEndsTheProcess) {
    GameRig rig;
    std::filesystem::remove(rig.folder / "data.dta");
    EXPECT_THROW(rig.run({}), ProcessEnded);
    ASSERT_EQ(rig.host.messages.size(), 1u);
    EXPECT_THAT(rig.host.messages[0], ::testing::EndsWith(" data.dta"));
    EXPECT_THAT(rig.transcript(), Not(HasSubstr(std::string(text::kTitle))));
}

}  // namespace
}  // namespace ulvora::testing
