// INPUT: items of a typed line, quotes, commas, the retype loop of numbers.
#include <gtest/gtest.h>

#include "l10n/cp1250.h"
#include "support/scriptedhost.h"

namespace ulvora::testing {
namespace {

class InputTest : public ::testing::Test {
  protected:
    std::string str(std::uint8_t mode, std::string start = "keep") {
        std::string variable = fromUtf8(start);
        t.machine.inputstr(variable, mode);
        return toUtf8(variable);
    }
    double num(std::uint8_t mode, double start = 42) {
        double variable = start;
        t.machine.inputnum(variable, mode);
        return variable;
    }
    TestMachine t;
};

TEST_F(InputTest, ItemsOfOneLineAreHandedOutByModeOne) {
    t.host.feed({"jedna ,dva", "tri"});
    EXPECT_EQ(str(0), "jedna ");
    EXPECT_EQ(str(1), "dva");
    EXPECT_EQ(t.host.transcript, "") << "no prompt while items are pending";
    EXPECT_EQ(str(1), "tri");
    EXPECT_EQ(t.host.transcript, "Vlož data\n") << "mode 1 prompts before the dialog";
    EXPECT_EQ(t.speech.spoken, std::vector<std::string>{"Vlož data"});
}

TEST_F(InputTest, QuotedItemsKeepTheirCommas) {
    t.host.feed({"\"a, b\" , c", "\"x\"y", "\"open, ended"});
    EXPECT_EQ(str(0), "a, b");
    EXPECT_EQ(str(1), "c");
    EXPECT_EQ(str(0), "x");
    EXPECT_EQ(str(1), "y") << "text right after a closing quote is the next item";
    EXPECT_EQ(str(0), "open, ended");
}

TEST_F(InputTest, CommasBetweenItems) {
    t.host.feed({",zbytek", "a,,b", "a,,,b"});
    EXPECT_EQ(str(0), "") << "a leading comma gives an empty item";
    EXPECT_EQ(t.machine.inputbuffer, "zbytek") << "the rest stays pending";
    EXPECT_EQ(str(1), "zbytek");
    EXPECT_EQ(str(0), "a");
    EXPECT_EQ(str(1), "b") << "two commas are one separator";
    EXPECT_EQ(str(0), "a");
    EXPECT_EQ(str(1), "") << "three commas give one empty item";
    EXPECT_EQ(str(1), "b");
}

TEST_F(InputTest, EmptyAndBlankLinesAndClosedDialog) {
    t.host.feed({"", "   "});
    t.host.lines.emplace_back(std::nullopt);
    EXPECT_EQ(str(0), "keep") << "an empty line leaves a string unchanged";
    EXPECT_EQ(str(0), "keep") << "so does a blank one";
    EXPECT_EQ(str(0), "keep") << "and a dialog closed without OK";

    t.host.feed({"", "   "});
    t.host.lines.emplace_back(std::nullopt);
    EXPECT_EQ(num(0), 0) << "an empty line sets a number to 0";
    EXPECT_EQ(num(0), 42) << "a blank line leaves it";
    EXPECT_EQ(num(0), 42) << "so does a closed dialog";
}

TEST_F(InputTest, ModeZeroAndTwoDiscardPendingItems) {
    t.host.feed({"a,b", "c", "d,e", "f"});
    EXPECT_EQ(str(0), "a");
    EXPECT_EQ(str(0), "c");
    EXPECT_EQ(str(0), "d");
    EXPECT_EQ(str(2), "f");
    EXPECT_EQ(t.host.transcript, "Vlož data\n");
}

TEST_F(InputTest, NumbersConvertWithTheDecimalPoint) {
    const struct {
        const char* line;
        double value;
    } cases[] = {{"12", 12}, {" -2.5 ", -2.5}, {"+3", 3}, {"1e3", 1000}, {"7 ,8", 7}, {",9", 0}};
    for (const auto& c : cases) {
        t.host.feed({c.line});
        EXPECT_EQ(num(0), c.value) << c.line;
    }
    EXPECT_TRUE(t.host.lines.empty());
}

TEST_F(InputTest, AWordTypedForThisCallIsRetyped) {
    t.machine.languagebase = 2000;
    t.host.feed({"slovo", "\"5\"", "4"});
    EXPECT_EQ(num(0), 4);
    EXPECT_EQ(t.host.transcript, "Please retype\nPlease retype\n");
    EXPECT_EQ(t.speech.spoken, (std::vector<std::string>{"Please retype", "Please retype"}));
}

TEST_F(InputTest, AWordLeftFromAnEarlierLineGivesZeroSilently) {
    t.host.feed({"3,slovo"});
    EXPECT_EQ(num(0), 3);
    EXPECT_EQ(num(1), 0);
    EXPECT_EQ(t.host.transcript, "");
    EXPECT_TRUE(t.host.lines.empty()) << "no dialog was shown";
}

TEST_F(InputTest, TakekeysHandsOutAndEmptiesTheKeyBuffer) {
    EXPECT_EQ(t.machine.takekeys(), "");
    t.machine.keybuffer = "a";
    EXPECT_EQ(t.machine.takekeys(), "a");
    EXPECT_EQ(t.machine.keybuffer, "");
}

}  // namespace
}  // namespace ulvora::testing
