// DATE$, LEFT$, RIGHT$, MID$, VAL and the print-silencing switch.
#include <gtest/gtest.h>

#include "support/scriptedhost.h"

namespace ulvora::testing {
namespace {

TEST(Functions, DateIsTenCharacters) {
    TestMachine t;
    t.host.date = {1, 3, 2024};
    EXPECT_EQ(t.machine.datestr(), "01 03 2024");
    t.host.date = {9, 12, 2025};
    EXPECT_EQ(t.machine.datestr(), "09 12 2025");
}

TEST(Functions, Substrings) {
    const std::string text = "abcde";
    EXPECT_EQ(Machine::leftstr(text, 2), "ab");
    EXPECT_EQ(Machine::leftstr(text, 2.9), "ab");
    EXPECT_EQ(Machine::leftstr(text, 9), "abcde");
    EXPECT_EQ(Machine::leftstr(text, -1), "");
    EXPECT_EQ(Machine::rightstr("abc", 10), "abc");
    EXPECT_EQ(Machine::rightstr(text, 2), "de");
    EXPECT_EQ(Machine::rightstr(text, 0), "");
    EXPECT_EQ(Machine::midstr(text, 0, 2), "ab") << "a start below 1 counts as 1";
    EXPECT_EQ(Machine::midstr(text, 6, 1), "");
    EXPECT_EQ(Machine::midstr(text, 4, 2), "de");
    EXPECT_EQ(Machine::midstr(text, 4, 9), "de");
    EXPECT_EQ(Machine::midstr(text, 2, 0), "");
}

TEST(Functions, Val) {
    const struct {
        const char* text;
        double value;
    } cases[] = {{"12 ", 0}, {" 12", 12},  {"1.5", 1.5},  {"-3", -3},   {"abc", 0},
                 {"", 0},    {"%FF", 255}, {"-%10", -16}, {"2e2", 200}, {"09", 9}};
    for (const auto& c : cases) EXPECT_EQ(Machine::val(c.text), c.value) << '"' << c.text << '"';
    EXPECT_THROW(Machine::val("%XY"), MachineError);
}

TEST(Functions, SetPrintSilentStoresTheLowByte) {
    TestMachine t;
    t.machine.setprintsilent(257.9);
    EXPECT_EQ(t.machine.printsilent, 1);
    t.machine.setprintsilent(0);
    EXPECT_EQ(t.machine.printsilent, 0);
}

}  // namespace
}  // namespace ulvora::testing
