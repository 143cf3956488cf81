// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QuitOnSignals.h"

#include <QCoreApplication>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

namespace qv {
namespace {

// Without the handler SIGTERM would kill the test process; with it the loop ends normally.
TEST(QuitOnSignals, TerminationAndInterruptEndTheEventLoopInsteadOfTheProcess) {
    QuitOnSignals quitOnSignals;
    ASSERT_TRUE(quitOnSignals.isInstalled());
    for (int number : {SIGTERM, SIGINT}) {
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

} // namespace
} // namespace qv
