// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menubar/MenuBarActions.h"

#include "../scheduling/SchedulerHarness.h"
#include "core/menubar/BreakControl.h"
#include "core/storage/MemoryKeyValueStore.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::scheduleState;
using qv::test::berlin;

namespace {

// The tray's actions on a real scheduler over a virtual clock.
class MenuBarActionsTest : public ::testing::Test {
protected:
    MenuBarActionsTest()
        : app(defaults, berlin("2026-12-07 09:00")) {
        app.launch();
        controlOwner = std::make_unique<SchedulerBreakControl>(app.scheduler(), app.time);
        controlOwner->onBeforeAction = [this] { ++withdrawals; };
    }

    const BreakSchedule& schedule() { return app.scheduler().schedule(); }

    MemoryKeyValueStore defaults;
    test::SchedulerHarness app;
    std::unique_ptr<SchedulerBreakControl> controlOwner;
    MenuBarActions actions() { return MenuBarActions(*controlOwner); }
    int withdrawals = 0;
};

// The scheduler's own rules are tested there; here each item reaches it, and the heads-up is
// withdrawn only before an action that is taken.
TEST_F(MenuBarActionsTest, EachScheduleItemReachesTheSchedulerAfterWithdrawingTheHeadsUp) {
    actions().perform(TrayAction::snoozeBreak);
    EXPECT_EQ(withdrawals, 0) << "a refused snooze leaves the notification alone";
    app.advance(3000 - 30);
    actions().perform(TrayAction::snoozeBreak);
    ASSERT_TRUE(schedule().is<Working>());
    EXPECT_EQ(schedule().stateAs<Working>()->dueAt, berlin("2026-12-07 09:54:30"));
    actions().perform(TrayAction::pauseUntilTomorrow);
    ASSERT_TRUE(schedule().is<Paused>());
    EXPECT_EQ(schedule().stateAs<Paused>()->until, berlin("2026-12-08 00:00"));
    actions().perform(TrayAction::resumeBreaks);
    EXPECT_TRUE(schedule().is<Working>());
    actions().perform(TrayAction::pauseForOneHour);
    ASSERT_TRUE(schedule().is<Paused>());
    EXPECT_EQ(schedule().stateAs<Paused>()->until, berlin("2026-12-07 10:49:30"));
    actions().perform(TrayAction::startBreak);
    EXPECT_TRUE(schedule().is<BreakDue>());
    EXPECT_EQ(app.breakDueCalls.size(), 1u);
    EXPECT_EQ(withdrawals, 5);
}

} // namespace
