// The string table, the language list and the Windows-1250 codec.
#include "l10n/strings.h"

#include <gtest/gtest.h>

#include "l10n/cp1250.h"

namespace ulvora {
namespace {

std::string text(int base, int n) {
    return toUtf8(TResourceLocalizer::getstring(base, n));
}

TEST(Strings, LookupByBaseAndNumber) {
    EXPECT_EQ(text(1000, 0), "Čeština");
    EXPECT_EQ(text(2000, 42), "Can't find the file");
    EXPECT_EQ(text(3000, 44), "Prosím prepíš");
    EXPECT_EQ(text(1000, 25), "hotovo");
    EXPECT_EQ(text(2000, 46), "&Braille keyboard");
    EXPECT_EQ(text(3000, 43), "Nie je možné nájsť hlas, uvedený v ini súbore:");
    for (int base : {1000, 2000, 3000}) {
        for (int n = 0; n <= 46; ++n) EXPECT_FALSE(text(base, n).empty()) << base + n;
    }
}

TEST(Strings, MissingIdsGiveTheEmptyText) {
    for (auto [base, n] : {std::pair{2000, 47}, {2000, -1}, {4000, 1}, {1500, 1}, {0, 0}}) {
        EXPECT_EQ(text(base, n), "") << base << "+" << n;
    }
}

TEST(Strings, LanguageListInProbingOrder) {
    const auto languages = TResourceLocalizer::getlanguages();
    ASSERT_EQ(languages.size(), 3u);
    EXPECT_EQ(toUtf8(languages[0].name), "Čeština");
    EXPECT_EQ(languages[0].base, 1000);
    EXPECT_EQ(toUtf8(languages[1].name), "English");
    EXPECT_EQ(languages[2].base, 3000);
}

TEST(Cp1250, CzechAndSlovakLettersAreSingleBytes) {
    const std::string utf8 = "Příliš žluťoučký kůň úpěl ďábelské ódy; ľ ĺ ŕ ô ä";
    const std::string bytes = fromUtf8(utf8);
    EXPECT_EQ(bytes.size(), 49u) << "one byte per letter";
    EXPECT_EQ(static_cast<unsigned char>(fromUtf8("č")[0]), 0xE8);
    EXPECT_EQ(static_cast<unsigned char>(fromUtf8("Š")[0]), 0x8A);
    EXPECT_EQ(toUtf8(bytes), utf8);
    EXPECT_EQ(fromUtf8("日本"), "??") << "characters the code page lacks";
    EXPECT_EQ(fromUtf8("\xC3"), "?") << "a cut sequence";
    EXPECT_EQ(toUtf8("\x81"), "\xEF\xBF\xBD") << "an unassigned byte";
}

}  // namespace
}  // namespace ulvora
