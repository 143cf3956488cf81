// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/time/EventLoopTimeSource.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(EventLoopTimeSource, RunsTasksOnTheEventLoopUntilCancelled) {
    qv::EventLoopTimeSource time;
    bool once = false;
    bool cancelledRan = false;
    int repeats = 0;
    auto delayed = time.after(0.01, [&] { once = true; });
    auto cancelled = time.after(0.01, [&] { cancelledRan = true; });
    cancelled.cancel();
    auto repeating = time.every(0.01, [&] { ++repeats; });
    const double before = time.monotonicSeconds();
    ASSERT_TRUE(QTest::qWaitFor([&] { return once && repeats >= 3; }));
    EXPECT_FALSE(delayed.isActive());
    EXPECT_FALSE(cancelledRan);
    EXPECT_GT(time.monotonicSeconds(), before);
    EXPECT_EQ(time.now().timeSpec(), Qt::UTC);
    repeating.cancel();
    const int stoppedAt = repeats;
    QTest::qWait(50);
    EXPECT_EQ(repeats, stoppedAt);
}
