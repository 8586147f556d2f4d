// The text screen: PRINT's wrapping, separators, scrolling, the full-screen
// pause, CLS, the punctuation pauses and the reset of a run.
#include <gtest/gtest.h>

#include "l10n/cp1250.h"
#include "support/scriptedhost.h"

namespace ulvora::testing {
namespace {

class ScreenTest : public ::testing::Test {
  protected:
    void SetUp() override { t.machine.voiceallowed = true; }
    void print(const std::string& utf8, std::uint8_t mode) {
        t.machine.print(fromUtf8(utf8), mode);
    }
    int column() const { return t.machine.cursor.column(); }
    int row() const { return t.machine.cursor.row(); }
    TestMachine t;
};

TEST_F(ScreenTest, FreshScreenHasTwentyFourEmptyLines) {
    EXPECT_EQ(t.machine.printmemo.size(), 24u);
    for (const auto& line : t.machine.printmemo) EXPECT_TRUE(line.empty());
}

TEST_F(ScreenTest, EmptyTextWithModeZeroMovesToNextRowAndSaysNothing) {
    print("", 0);
    EXPECT_EQ(column(), 0);
    EXPECT_EQ(row(), 1);
    EXPECT_TRUE(t.speech.spoken.empty());
}

TEST_F(ScreenTest, WrittenLinesArePaddedToEightyColumns) {
    print("ahoj", 0);
    EXPECT_EQ(t.machine.printmemo[0], "ahoj" + std::string(76, ' '));
    EXPECT_EQ(t.speech.spoken, std::vector<std::string>{"ahoj"});
}

TEST_F(ScreenTest, LongTextWrapsAtColumnEighty) {
    const std::string text(200, 'x');
    print(text, 1);
    EXPECT_EQ(t.machine.printmemo[0], std::string(80, 'x'));
    EXPECT_EQ(t.machine.printmemo[1], std::string(80, 'x'));
    EXPECT_EQ(t.machine.printmemo[2], std::string(40, 'x') + std::string(40, ' '));
    EXPECT_EQ(row(), 2);
    EXPECT_EQ(column(), 40);
}

TEST_F(ScreenTest, TextAtColumnSeventyFiveContinuesOnNextRow) {
    print(std::string(75, '.'), 1);
    print("0123456789", 1);
    EXPECT_EQ(t.machine.printmemo[0].substr(75), "01234");
    EXPECT_EQ(t.row(1), "56789");
    EXPECT_EQ(column(), 5);
}

TEST_F(ScreenTest, FullLineLeavesColumnEightyUntilTheNextText) {
    print(std::string(80, 'a'), 1);
    EXPECT_EQ(column(), 80);
    EXPECT_EQ(row(), 0);
    print("b", 1);
    EXPECT_EQ(row(), 1);
    EXPECT_EQ(t.row(1), "b");
    EXPECT_EQ(t.machine.printmemo[0], std::string(80, 'a'));
}

TEST_F(ScreenTest, ZoneSeparatorAdvancesToTheNextZone) {
    const struct {
        int from;
        int column;
        int row;
    } cases[] = {{5, 8, 0}, {9, 10, 0}, {16, 16, 0}, {72, 72, 0}, {73, 0, 1}, {0, 0, 0}};
    for (const auto& c : cases) {
        TestMachine m;
        m.machine.print(std::string(static_cast<std::size_t>(c.from), 'z'), 2);
        EXPECT_EQ(m.machine.cursor.column(), c.column) << "from column " << c.from;
        EXPECT_EQ(m.machine.cursor.row(), c.row) << "from column " << c.from;
    }
}

TEST_F(ScreenTest, NewLineFromTheBottomRowScrolls) {
    for (int k = 0; k < 24; ++k) print("radek " + std::to_string(k), 0);
    // 24 lines printed with mode 0: the first scrolled away.
    EXPECT_EQ(row(), 23);
    EXPECT_EQ(t.row(0), "radek 1");
    EXPECT_EQ(t.row(22), "radek 23");
    EXPECT_EQ(t.row(23), "");
    EXPECT_EQ(t.machine.printmemo.size(), 24u);
}

TEST_F(ScreenTest, SilentModeTwoScrollsAndSaysNothing) {
    t.machine.setprintsilent(2);
    for (int k = 0; k < 30; ++k) print("x" + std::to_string(k), 0);
    EXPECT_TRUE(t.speech.spoken.empty());
    EXPECT_EQ(t.row(22), "x29");
    EXPECT_EQ(row(), 23);
}

TEST_F(ScreenTest, SilentModeOnePausesWhenTheScreenIsFull) {
    t.machine.setprintsilent(1);
    t.host.keys.push_back("\r");
    for (int k = 0; k < 23; ++k) print("r" + std::to_string(k), 0);
    EXPECT_TRUE(t.speech.spoken.empty());
    print(std::string(100, 'w'), 0);  // 80 on row 23, the rest after the pause
    EXPECT_EQ(t.speech.spoken, std::vector<std::string>{"Obrazovka je plná."});
    EXPECT_TRUE(t.host.keys.empty()) << "the pause waited for the key";
    EXPECT_TRUE(t.machine.keybuffer.empty()) << "the key is taken";
    EXPECT_EQ(t.row(0), std::string(20, 'w')) << "the wrapped rest goes on at the top";
    EXPECT_EQ(t.row(1), "");
    EXPECT_EQ(row(), 1);
    EXPECT_EQ(column(), 0);
}

TEST_F(ScreenTest, WithoutSpeechClsChangesNothingAndAFullScreenOverwrites) {
    t.machine.voiceallowed = false;
    print("stary", 0);
    t.machine.cls();
    EXPECT_EQ(t.row(0), "stary");
    EXPECT_EQ(row(), 1);

    t.machine.setprintsilent(1);
    t.host.keys.push_back("x");
    for (int k = 1; k < 24; ++k) print("line" + std::to_string(k), 0);
    // The new-line step from row 23 paused; nothing was cleared.
    print("novy", 0);
    EXPECT_EQ(t.row(0), "novyy") << "written over the old line from column 0";
    EXPECT_EQ(t.row(1), "line1");
}

TEST_F(ScreenTest, ClsWithSpeechClearsAndHomesTheCursor) {
    print("neco", 1);
    t.machine.cls();
    EXPECT_EQ(column(), 0);
    EXPECT_EQ(row(), 0);
    for (const auto& line : t.machine.printmemo) EXPECT_TRUE(line.empty());
    EXPECT_EQ(t.machine.printmemo.size(), 24u);
}

TEST_F(ScreenTest, LeadingPunctuationPausesAndIsNotSpoken) {
    const struct {
        std::string text;
        std::vector<int> sleeps;
        std::string spoken;
    } cases[] = {
        {"... slovo", {300, 300, 300}, " slovo"},
        {". ,zbytek", {300}, " ,zbytek"},
        {"  ?;ano", {300, 300}, "ano"},
        {"  bez pauzy", {}, "  bez pauzy"},
        {"a.b", {}, "a.b"},
    };
    for (const auto& c : cases) {
        TestMachine m;
        m.machine.print(fromUtf8(c.text), 0);
        EXPECT_EQ(m.host.sleeps, c.sleeps) << c.text;
        ASSERT_EQ(m.speech.spoken.size(), 1u) << c.text;
        EXPECT_EQ(m.speech.spoken[0], c.spoken) << c.text;
        EXPECT_EQ(m.row(0), c.text) << "the screen keeps the punctuation";
    }
}

TEST_F(ScreenTest, ResetRunKeepsTheRowAndTheScreen) {
    print("prvni beh", 1);
    t.machine.lastoctave = 5;
    t.machine.lastduration = 70;
    t.machine.inputbuffer = "zbytek";
    t.machine.setprintsilent(2);
    t.machine.resetrun();
    EXPECT_EQ(column(), 0);
    EXPECT_EQ(row(), 0);
    EXPECT_EQ(t.row(0), "prvni beh");
    EXPECT_EQ(t.machine.lastoctave, 1);
    EXPECT_EQ(t.machine.lastduration, 1);
    EXPECT_TRUE(t.machine.inputbuffer.empty());
    EXPECT_EQ(t.machine.printsilent, 2);
}

}  // namespace
}  // namespace ulvora::testing
