// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/time/EventLoopTimeSource.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

void spinUntil(const std::function<bool()>& done, int limitMs = 2000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < limitMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
}

} // namespace

TEST(EventLoopTimeSource, RunsDelayedAndRepeatingTasksOnTheEventLoop) {
    qv::EventLoopTimeSource time;
    bool once = false;
    int repeats = 0;
    auto delayed = time.after(0.01, [&] { once = true; });
    auto repeating = time.every(0.01, [&] { ++repeats; });
    spinUntil([&] { return once && repeats >= 3; });
    EXPECT_TRUE(once);
    EXPECT_GE(repeats, 3);
    EXPECT_FALSE(delayed.isActive());
    repeating.cancel();
    const int stoppedAt = repeats;
    spinUntil([] { return false; }, 50);
    EXPECT_EQ(repeats, stoppedAt);
}

TEST(EventLoopTimeSource, CancelledTaskDoesNotRunAndClocksMove) {
    qv::EventLoopTimeSource time;
    bool ran = false;
    auto task = time.after(0.01, [&] { ran = true; });
    task.cancel();
    const double before = time.monotonicSeconds();
    spinUntil([] { return false; }, 50);
    EXPECT_FALSE(ran);
    EXPECT_GT(time.monotonicSeconds(), before);
    EXPECT_EQ(time.now().timeSpec(), Qt::UTC);
}
