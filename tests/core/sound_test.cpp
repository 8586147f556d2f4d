// SOUND, the beep and the clicks as the runtime asks the device for them.
#include <gtest/gtest.h>

#include "support/scriptedhost.h"

namespace ulvora::testing {
namespace {

TEST(Sound, NotesPlayTheirVoiceWavesAtSixtyFourTimesTheNote) {
    TestMachine t;
    t.machine.sndvolume = -1200;
    t.machine.sound({900, 906, 0, 918.7}, 10, 3);
    ASSERT_EQ(t.sound.started.size(), 1u);
    const auto& s = t.sound.started[0];
    ASSERT_EQ(s.notes.size(), 4u);
    const char* waves[] = {"snd13", "snd23", "snd33", "snd43"};
    const double rates[] = {57600, 57984, 128, 58752};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(s.notes[k].wave, waves[k]);
        EXPECT_EQ(s.notes[k].rate, rates[k]);
    }
    EXPECT_EQ(s.volume, -1200);
    EXPECT_EQ(s.durationMs, 10);
    EXPECT_EQ(t.host.nowMs, 10) << "the wait lasted the duration";
    ASSERT_EQ(t.sound.stopped.size(), 1u);
    EXPECT_EQ(t.sound.stopped[0], (std::vector<std::string>{"snd13", "snd23", "snd33", "snd43"}));
    EXPECT_FALSE(t.machine.soundplaying);
}

TEST(Sound, OutOfRangeOctaveAndNegativeDurationRepeatTheLastOnes) {
    TestMachine t;
    t.machine.sound({400}, 50, 3);
    t.machine.sound({600}, -1, 10);
    EXPECT_EQ(t.sound.started[1].notes[0].wave, "snd13");
    EXPECT_EQ(t.sound.started[1].durationMs, 50);

    t.machine.resetrun();
    t.machine.sound({1000}, -5, 12);
    EXPECT_EQ(t.sound.started[2].notes[0].wave, "snd11") << "a run starts with octave 1";
    EXPECT_EQ(t.sound.started[2].durationMs, 1) << "and duration 1";
}

TEST(Sound, AKeyEndsTheWaitAtOnce) {
    TestMachine t;
    t.host.onWaitStep = [&] {
        // What the main window does for any key pressed during a sound.
        t.machine.soundplaying = false;
        t.host.stopTimer();
    };
    t.machine.sound({1000}, 500, 1);
    EXPECT_EQ(t.host.nowMs, 0);
    EXPECT_EQ(t.sound.stopped.size(), 1u);
}

TEST(Sound, SwitchedOffMachineSoundsDoNothing) {
    TestMachine t;
    t.machine.ulvorasounds = false;
    t.machine.sound({1000}, 500, 1);
    t.machine.beep();
    t.machine.click(0);
    EXPECT_TRUE(t.sound.started.empty());
    EXPECT_TRUE(t.sound.playedOnce.empty());
    EXPECT_EQ(t.host.nowMs, 0);
}

TEST(Sound, BeepAndClicksPlayOnceAtTheVolume) {
    TestMachine t;
    t.machine.sndvolume = -600;
    t.machine.beep();
    t.machine.click(16.7);
    using Played = std::pair<std::string, int>;
    EXPECT_EQ(t.sound.playedOnce, (std::vector<Played>{{"beep", -600}, {"click16", -600}}));
}

TEST(Sound, AMissingWaveIsAnError) {
    TestMachine t;
    try {
        t.machine.click(7);
        FAIL();
    } catch (const MachineError& error) {
        EXPECT_STREQ(error.what(), "Wave 'click7' not found");
    }
    EXPECT_THROW(t.machine.sound({1, 2, 3, 4, 5}, 10, 1), MachineError) << "no snd51";
    EXPECT_FALSE(t.machine.soundplaying);
}

}  // namespace
}  // namespace ulvora::testing
