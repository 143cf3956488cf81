// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menubar/MenuBarActions.h"

#include "../scheduling/SchedulerHarness.h"
#include "core/menubar/BreakControl.h"
#include "core/menubar/TrayIconText.h"
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

TEST(PopoverPosition, BesideTheIconOrPointerAndAlwaysOnScreen) {
    const QRect screen(0, 0, 1920, 1080);
    const QSize size(320, 400);
    struct Case {
        const char* name;
        QRect icon;
        QPoint pointer;
        QPoint expected;
    };
    const std::vector<Case> cases = {
        {"top panel, icon in the middle", {1000, 0, 24, 24}, {}, {851, 30}},
        {"bottom panel opens upwards", {1000, 1056, 24, 24}, {}, {851, 650}},
        {"icon at the right edge", {1900, 0, 20, 24}, {1910, 10}, {1600, 30}},
        {"geometry inside the tray, not on screen", {0, 0, 24, 24}, {1700, 12}, {1540, 18}},
        {"no icon geometry: at the pointer", {}, {10, 5}, {0, 11}},
        {"pointer near the bottom right", {}, {1915, 1075}, {1600, 669}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(popoverPosition(c.icon, c.pointer, size, screen), c.expected) << c.name;
    }
    // A popover taller than the screen keeps its top edge visible.
    EXPECT_EQ(popoverPosition({}, {500, 500}, {320, 2000}, screen).y(), 0);
}

} // namespace
