// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QuitOnSignals.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

namespace qv {
namespace {

// Without the handler these signals would kill the test process (SIGQUIT with a core dump
// that kept the break screen up); with it the loop ends normally.
TEST(QuitOnSignals, EverySignalThatEndsTheProcessEndsTheEventLoopInstead) {
    for (int number : {SIGTERM, SIGINT, SIGQUIT, SIGHUP}) {
        QuitOnSignals quitOnSignals;
        ASSERT_TRUE(quitOnSignals.isInstalled());
        QTimer::singleShot(0, [number] { std::raise(number); });
        // A stuck loop fails the test instead of hanging it.
        QTimer watchdog;
        bool timedOut = false;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        watchdog.start(10'000);
        EXPECT_EQ(QCoreApplication::exec(), 0) << number;
        EXPECT_FALSE(timedOut) << number;
    }
}

// A loop that never gets to the signal (a stalled start, a blocked call) must not keep the
// break screen up: the process ends on its own, telling which signal ended it.
TEST(QuitOnSignalsDeathTest, AStuckLoopStillEndsSoonAfterTheSignal) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (int number : {SIGTERM, SIGQUIT}) {
        EXPECT_EXIT(
            {
                QuitOnSignals quitOnSignals;
                std::raise(number);
                std::this_thread::sleep_for(std::chrono::seconds(30));
                std::exit(0);
            },
            ::testing::ExitedWithCode(128 + number), "")
            << number;
    }
}

// Once the loop has returned, the rest of the quit is no longer hurried.
TEST(QuitOnSignals, AFinishedQuitIsNotCutShort) {
    {
        QuitOnSignals quitOnSignals;
        std::raise(SIGTERM);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    SUCCEED() << "still running";
}

} // namespace
} // namespace qv
