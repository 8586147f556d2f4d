// A whole winning game, played from the walkthrough of the documentation.
#include <gtest/gtest.h>

#include <fstream>

#include "gamerig.h"

namespace ulvora::testing {
namespace {

const std::filesystem::path kGolden =
    std::filesystem::path(ULVORA_SOURCE_DIR) / "tests" / "program" / "golden" / "winning_game.txt";

TEST(WinningGame, TheWalkthroughWinsAndTheRunEnds) {
    GameRig rig;
    const Script lines = walkthrough();
    ASSERT_GT(lines.size(), 50u);
    // The win comes on the next day; it does not write the date again.
    rig.host.beforeLine = [&rig, &lines](int asked) {
        if (asked == static_cast<int>(lines.size()) - 1) rig.host.date = {12, 12, 2026};
    };
    rig.run(lines);
    EXPECT_EQ(rig.peek(44070), 11);

    EXPECT_TRUE(rig.host.lines.empty()) << "the game ended before the walkthrough did";
    const std::string& out = rig.transcript();
    const std::string ending =
        "> pro lís\n"
        "Na lístku stojí: Děkujeme, zachránil jsi jednoho z nás a našel cestu za námi. "
        "Tím jsi úspěšně dokončil první část dobrodružství.\n"
        "ÚSTAV ZTRACENÝCH VĚDCŮ, díl druhý: Za hranou časoprostoru\n"
        "Heslo do další hry najdeš na ceduli v místnosti s regulátorem.\n";
    ASSERT_GE(out.size(), ending.size());
    EXPECT_EQ(out.substr(out.size() - ending.size()), ending);
    // No death on the way, and no play-again question at the end.
    EXPECT_EQ(out.find("Zde leží Vojta Pátral"), std::string::npos);
    EXPECT_EQ(out.find("Chceš si zahrát ještě jednou?"), std::string::npos);
    // The title's pitch, then the win's second-part title at 70, back to 56.
    ASSERT_GE(rig.speech.pitches.size(), 2u);
    EXPECT_EQ(rig.speech.pitches[rig.speech.pitches.size() - 2], 70);
    EXPECT_EQ(rig.speech.pitches.back(), 56);
}

TEST(WinningGame, TranscriptMatchesTheRecordedOne) {
    GameRig rig;
    rig.run(walkthrough());
    const std::string expected = readFile(kGolden);
    if (rig.transcript() != expected) {
        const auto actual = std::filesystem::current_path() / "winning_game.actual.txt";
        std::ofstream(actual, std::ios::binary) << rig.transcript();
        ADD_FAILURE() << "the transcript differs from " << kGolden << "; it was written to "
                      << actual;
    }
}

}  // namespace
}  // namespace ulvora::testing
