// The memory image, ram.dat, and READ/RESTORE over data.dta.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/scriptedhost.h"

namespace ulvora::testing {
namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Memory, PokeStoresTheLowByteOfTheWholeNumber) {
    TestMachine t;
    const struct {
        double value;
        int stored;
    } cases[] = {{300, 44}, {256, 0}, {-1, 255}, {255.9, 255}, {-2.9, 254}, {7, 7}};
    for (const auto& c : cases) {
        t.machine.poke(44000, c.value);
        EXPECT_EQ(t.machine.peek(44000), c.stored) << c.value;
    }
    t.machine.poke(44000.7, 9);
    EXPECT_EQ(t.machine.peek(44000), 9) << "addresses are cut toward zero";
}

TEST(Memory, AddressesWrapAroundTheImage) {
    TestMachine t;
    t.machine.poke(65536 + 5, 1);
    EXPECT_EQ(t.machine.peek(5), 1);
    t.machine.poke(-1, 2);
    EXPECT_EQ(t.machine.peek(65535), 2);
    t.machine.poke(1e300, 3);  // far outside: still inside the image
    EXPECT_EQ(t.machine.peek(1e300), 3);
}

TEST(Memory, RamImageSavesAndLoadsWhole) {
    TestMachine t;
    t.machine.poke(0, 1);
    t.machine.poke(50730, 1);
    t.machine.poke(65535, 200);
    t.machine.saveram();
    const std::string bytes = readFile(t.machine.rampath());
    ASSERT_EQ(bytes.size(), 65536u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[65535]), 200);
    EXPECT_FALSE(std::filesystem::exists(t.folder / "ram.dat.tmp"));

    t.machine.ramimage.fill(7);
    t.machine.loadram();
    EXPECT_EQ(t.machine.peek(0), 1);
    EXPECT_EQ(t.machine.peek(1), 0);
    EXPECT_EQ(t.machine.peek(50730), 1);
}

TEST(Memory, ShortEmptyLongAndMissingImages) {
    const struct {
        const char* what;
        std::optional<std::size_t> size;
        int at99;
        int at100;
    } cases[] = {{"missing", std::nullopt, 0, 0},
                 {"empty", 0, 0, 0},
                 {"100 bytes", 100, 9, 0},
                 {"too long", 70000, 9, 9}};
    for (const auto& c : cases) {
        TestMachine t;
        if (c.size) t.writeFile("ram.dat", std::string(*c.size, '\x09'));
        t.machine.ramimage.fill(5);
        t.machine.loadram();
        EXPECT_EQ(t.machine.peek(99), c.at99) << c.what;
        EXPECT_EQ(t.machine.peek(100), c.at100) << c.what;
        EXPECT_EQ(t.machine.peek(65535), c.size && *c.size > 65535 ? 9 : 0) << c.what;
        t.machine.saveram();
        EXPECT_EQ(std::filesystem::file_size(t.machine.rampath()), 65536u) << c.what;
    }
}

TEST(Memory, SavingIntoAnUnwritableFolderFailsAndKeepsTheOldImage) {
    TestMachine t;
    t.writeFile("ram.dat", std::string(65536, '\x01'));
    std::filesystem::create_directory(t.folder / "ram.dat.tmp");  // the temporary cannot be made
    EXPECT_THROW(t.machine.saveram(), MachineError);
    EXPECT_EQ(readFile(t.machine.rampath()), std::string(65536, '\x01'));
}

TEST(DataFile, ReadsNumbersAcrossLinesAndRestores) {
    TestMachine t;
    t.writeFile("data.dta", "12,3\r\n7\r\n");
    t.machine.opendatafile();
    double v = 0;
    for (double expected : {12.0, 3.0, 7.0}) {
        t.machine.readnum(v);
        EXPECT_EQ(v, expected);
    }
    t.machine.restoredata();
    t.machine.readnum(v);
    EXPECT_EQ(v, 12);
}

TEST(DataFile, TokenRules) {
    const struct {
        const char* content;
        std::vector<double> numbers;
    } cases[] = {
        {"1 2, 3\t4", {12, 34}},  // blanks and controls vanish inside a number
        {"5\n6\n", {5, 6}},       // Unix line ends
        {"9,8\x1a"
         "77",
         {9, 8}},  // character 26 ends the file
        {"-4,+2,1.5", {-4, 2, 1.5}},
    };
    for (const auto& c : cases) {
        TestMachine t;
        t.writeFile("data.dta", c.content);
        t.machine.opendatafile();
        for (double expected : c.numbers) {
            double v = 0;
            t.machine.readnum(v);
            EXPECT_EQ(v, expected) << c.content;
        }
    }
}

TEST(DataFile, BadTokensRaiseAMachineError) {
    for (const char* content : {"1,,2", "x", "7", ""}) {
        TestMachine t;
        t.writeFile("data.dta", content);
        t.machine.opendatafile();
        double v = 0;
        if (std::string(content) == "7") t.machine.readnum(v);  // then the end of the file
        if (std::string(content) == "1,,2") t.machine.readnum(v);
        EXPECT_THROW(t.machine.readnum(v), MachineError) << content;
    }
}

TEST(DataFile, MissingFileShowsTheMessageAndEndsTheProcess) {
    TestMachine t;
    t.machine.languagebase = 2000;
    t.machine.opendatafile();
    double v = 0;
    try {
        t.machine.readnum(v);
        FAIL() << "the process should have ended";
    } catch (const ProcessEnded& ended) {
        EXPECT_NE(ended.exitCode, 0);
    }
    EXPECT_EQ(t.host.messages, std::vector<std::string>{"Can't find the file data.dta"});
    EXPECT_THROW(t.machine.restoredata(), ProcessEnded);
}

}  // namespace
}  // namespace ulvora::testing
