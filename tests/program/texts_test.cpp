// Every text of the adventure must survive the machine's Windows-1250 code
// page: a character outside it would reach the screen and the voice as "?".
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "gamerig.h"
#include "l10n/cp1250.h"

namespace ulvora::testing {
namespace {

std::vector<std::string> literalsOf(const std::string& source) {
    static const std::regex literal(R"re("((?:[^"\\]|\\.)*)")re");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(source.begin(), source.end(), literal);
         it != std::sregex_iterator(); ++it) {
        found.push_back((*it)[1].str());
    }
    return found;
}

TEST(Texts, EveryTextFitsTheCodePage) {
    const auto programFolder = std::filesystem::path(ULVORA_SOURCE_DIR) / "program";
    int checked = 0;
    for (const auto* file : {"texts.h", "world.cpp", "verbs.cpp", "examinetable.cpp"}) {
        for (const std::string& text : literalsOf(readFile(programFolder / file))) {
            EXPECT_EQ(toUtf8(fromUtf8(text)), text) << file << ": " << text;
            ++checked;
        }
    }
    EXPECT_GT(checked, 300);
}

}  // namespace
}  // namespace ulvora::testing
