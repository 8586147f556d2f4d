// The desktop host: waits that block in the event loop, its timer, message
// boxes, the end of the process and the errors of event handlers.
#include <QDate>
#include <QMetaObject>
#include <QTimer>
#include <stdexcept>
#include <thread>

#include "desktop/desktop.h"

namespace ulvora::testing {
namespace {

TEST(QtHost, AWaitEndsWhenAnotherThreadSetsItsFlagAndWakesIt) {
    QtHost host;
    QObject receiver;
    bool done = false;
    std::thread worker([&] {
        // As the speech and audio threads do: post to the user-interface
        // thread, which changes the flag and wakes the wait.
        QMetaObject::invokeMethod(
            &receiver,
            [&] {
                done = true;
                QtHost::wake();
            },
            Qt::QueuedConnection);
    });
    host.waitUntil([&] { return done; });
    worker.join();
    EXPECT_TRUE(done);
}

TEST(QtHost, ADoneWaitDoesNotHandleEvents) {
    QtHost host;
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    host.waitUntil([] { return true; });
    EXPECT_FALSE(handled);
    host.processPendingEvents();
    EXPECT_TRUE(handled);
}

TEST(QtHost, TheTimerCallsBackOnceAndANewStartReplacesIt) {
    QtHost host;
    int first = 0;
    int second = 0;
    host.startTimer(200, [&] { ++first; });
    host.startTimer(5, [&] { ++second; });
    bool later = false;
    QTimer::singleShot(400, [&] { later = true; });
    host.waitUntil([&] { return later; });
    EXPECT_EQ(first, 0) << "replaced before it was due";
    EXPECT_EQ(second, 1);
}

TEST(QtHost, AStoppedTimerDoesNotCallBack) {
    QtHost host;
    bool called = false;
    host.startTimer(5, [&] { called = true; });
    host.stopTimer();
    bool later = false;
    QTimer::singleShot(100, [&] { later = true; });
    host.waitUntil([&] { return later; });
    EXPECT_FALSE(called);
}

TEST(QtHost, MessagesShowTheMachinesTextConverted) {
    QtHost host;
    Steps steps;
    std::vector<std::string> texts;
    steps.acceptmessage(texts);
    host.showMessage(fromUtf8("Nelze nalézt soubor sounds.dat"));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], "Nelze nalézt soubor sounds.dat");
}

TEST(QtHost, TheDateIsToday) {
    QtHost host;
    const QDate now = QDate::currentDate();
    const Date today = host.today();
    // Around midnight the two reads may straddle the change of day.
    const QDate read(today.year, today.month, today.day);
    EXPECT_TRUE(read == now || read == now.addDays(1)) << read.toString().toStdString();
}

TEST(QtHost, TextConvertsBetweenTheMachineAndQt) {
    const std::string machine = fromUtf8("Příliš žluťoučký kůň úpěl ďábelské ódy");
    EXPECT_EQ(machine.size(), 38u) << "one byte per letter inside the machine";
    EXPECT_EQ(qtext(machine), QString::fromUtf8("Příliš žluťoučký kůň úpěl ďábelské ódy"));
    EXPECT_EQ(machinetext(qtext(machine)), machine);
}

TEST(QtHostDeathTest, EndingTheProcessFlushesOutputAndGivesTheExitCode) {
    QtHost host;
    EXPECT_EXIT(
        {
            static char buffer[256];
            std::setvbuf(stderr, buffer, _IOFBF, sizeof buffer);
            std::fputs("still buffered", stderr);
            host.endProcess(3);
        },
        ::testing::ExitedWithCode(3), "still buffered");
}

TEST(QtApplication, AnErrorEscapingAHandlerIsShownAndTheProgramGoesOn) {
    Steps steps;
    std::vector<std::string> texts;
    steps.acceptmessage(texts);
    QtHost host;
    bool after = false;
    QTimer::singleShot(0, [] { throw std::runtime_error("Wave 'snd99' not found"); });
    QTimer::singleShot(1, [&] { after = true; });
    host.waitUntil([&] { return after && !texts.empty(); });
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], "Wave 'snd99' not found");
}

}  // namespace
}  // namespace ulvora::testing
