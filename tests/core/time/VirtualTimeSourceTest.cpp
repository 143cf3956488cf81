// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/time/VirtualTimeSource.h"

#include <gtest/gtest.h>
#include <vector>

using qv::ScheduledTask;
using qv::VirtualTimeSource;

TEST(VirtualTimeSource, RunsDueTasksInOrderWithClocksAtTheirDueTimeIncludingTasksTheyAdd) {
    VirtualTimeSource time;
    const QDateTime start = time.now();
    std::vector<std::pair<QString, qint64>> ran;
    auto record = [&](QString name) {
        return [&, name] { ran.emplace_back(name, start.msecsTo(time.now())); };
    };
    ScheduledTask added;
    auto late = time.after(3.0, record("late"));
    auto early = time.after(1.0, record("early"));
    auto tie = time.after(1.0, [&] {
        record("tie")();
        added = time.after(0.5, record("added"));
    });
    time.advance(2.5);
    EXPECT_EQ(ran, (std::vector<std::pair<QString, qint64>>{
                       {"early", 1000}, {"tie", 1000}, {"added", 1500}}));
    EXPECT_EQ(start.msecsTo(time.now()), 2500);
    time.advance(1.0);
    ASSERT_EQ(ran.size(), 4u);
    EXPECT_EQ(ran.back(), (std::pair<QString, qint64>{"late", 3000}));
}

TEST(VirtualTimeSource, CancelledDroppedOrSelfCancellingTasksStop) {
    VirtualTimeSource time;
    bool ran = false;
    {
        auto dropped = time.after(1.0, [&] { ran = true; });
    }
    auto cancelled = time.after(1.0, [&] { ran = true; });
    cancelled.cancel();
    EXPECT_FALSE(cancelled.isActive());
    int count = 0;
    ScheduledTask ticker;
    ticker = time.every(1.0, [&] {
        if (++count == 5) {
            ticker.cancel();
        }
    });
    time.advance(3.5);
    EXPECT_EQ(count, 3);
    time.advance(100);
    EXPECT_EQ(count, 5);
    EXPECT_FALSE(ran);
    EXPECT_EQ(time.pendingTaskCount(), 0u);
}

TEST(VirtualTimeSource, WallClockJumpsLeaveMonotonicTimeAndTasksAlone) {
    VirtualTimeSource time;
    bool ran = false;
    auto task = time.after(60, [&] { ran = true; });
    const double before = time.monotonicSeconds();
    const QDateTime wallBefore = time.now();
    time.jumpWallClock(86'400 * 3);
    EXPECT_EQ(wallBefore.secsTo(time.now()), 86'400 * 3);
    EXPECT_DOUBLE_EQ(time.monotonicSeconds(), before);
    EXPECT_FALSE(ran);
    time.advance(60);
    EXPECT_TRUE(ran);
}
