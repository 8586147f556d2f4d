#include "platform/frameclock.h"

#include <gtest/gtest.h>

namespace ulvora {
namespace {

using namespace std::chrono_literals;
using Clock = FrameClock::Clock;

TEST(FrameClock, StartsBelongOneBufferAfterTheBufferBeingMixedPlusTheTimeSince) {
    const auto origin = Clock::now();
    FrameClock clock(48000, 480, origin);

    // Nothing mixed yet: everything starts on the first frame.
    EXPECT_EQ(clock.at(origin + 3ms).frame, 0);
    EXPECT_EQ(clock.at(origin + 3ms).clock, 144);

    clock.stamp(960, origin + 20ms);
    EXPECT_EQ(clock.at(origin + 20ms).frame, 960 + 480);
    EXPECT_EQ(clock.at(origin + 25ms).frame, 960 + 480 + 240);
    EXPECT_EQ(clock.at(origin + 25ms).clock, 1200);
}

TEST(FrameClock, NeverGoesBackWhenACallbackComesLate) {
    const auto origin = Clock::now();
    FrameClock clock(48000, 480, origin);
    clock.stamp(0, origin);
    // The next callback is late: by 15 ms the start would be placed at 1200.
    EXPECT_EQ(clock.at(origin + 15ms).frame, 1200);
    clock.stamp(480, origin + 15ms);
    // Counting from the late callback would give 960; a later change must
    // not land before an earlier one.
    EXPECT_EQ(clock.at(origin + 15ms + 100us).frame, 1200);
    EXPECT_EQ(clock.at(origin + 30ms).frame, 480 + 480 + 720);
    // The clock itself just counts the time since the origin.
    EXPECT_EQ(clock.at(origin + 30ms).clock, 1440);
}

}  // namespace
}  // namespace ulvora
