// SPDX-License-Identifier: GPL-3.0-or-later
#include "../scheduling/SchedulerHarness.h"
#include "AppHarness.h"
#include "core/scheduling/BreakSchedule.h"

#include <gtest/gtest.h>
#include <limits>

using namespace qv;
using qv::test::AppHarness;
using qv::test::berlin;

namespace {

TEST(SmartPausePolicy, Decisions) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case {
        bool microphone;
        bool camera;
        double idle;
        std::optional<SmartPauseDecision> expected;
    };
    const Case cases[] = {
        {true, false, 600, SmartPauseDecision::meeting}, // a call outranks idleness
        {false, true, 0, SmartPauseDecision::meeting},
        {false, false, 180, std::nullopt},
        {false, false, 180.5, SmartPauseDecision::away},
        {false, false, nan, std::nullopt},
        {false, false, inf, std::nullopt},
        {false, false, -5, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.idle);
        qv::test::ScriptedProbes probes;
        probes.microphone = c.microphone;
        probes.camera = c.camera;
        probes.idle = c.idle;
        EXPECT_EQ(SmartPausePolicy{}.evaluate(probes), c.expected);
    }
}

class SmartPauseInTheModel : public ::testing::Test {
protected:
    SmartPauseInTheModel() { app.launch(); }
    AppHarness app{berlin("2026-06-10 09:00")};
};

TEST_F(SmartPauseInTheModel, AMeetingPutsTheBreakOffUntilItEnds) {
    app.probes.microphone = true;
    app.advanceToBreakDue();
    const QDateTime firstDue = app.time.now();
    for (int retry = 1; retry <= 4; ++retry) {
        EXPECT_FALSE(app.model().isBreakActive());
        EXPECT_EQ(app.scheduler().menuBarTitle(), "Meeting");
        app.advanceToBreakDue();
        EXPECT_EQ(firstDue.secsTo(app.time.now()), retry * 300);
    }
    app.probes.microphone = false;
    app.advanceToBreakDue();
    EXPECT_TRUE(app.model().isBreakActive());
    EXPECT_EQ(app.probes.evaluations, 6);
}

TEST_F(SmartPauseInTheModel, ARefusedDeferralShowsTheBreak) {
    app.probes.microphone = true;
    // The schedule moves on while the probes are read, so the deferral no longer fits.
    app.probes.whileAsked = [this] { app.scheduler().breakStarted(); };
    app.advanceToBreakDue();
    EXPECT_TRUE(app.model().isBreakActive());
}

// A due break is counted as an away break only when smart pause is on and the user is away:
// idle beyond the threshold, or asleep across the due time for longer than it. A call with
// smart pause off shows the break without asking the probes.
TEST_F(SmartPauseInTheModel, AwayBreaksAreCountedOnlyWhenTheUserIsAway) {
    struct Case {
        const char* name;
        bool smartPause, microphone;
        double idle, awakeBefore, sleep;
        bool away;
    };
    const Case cases[] = {
        {"idle beyond the threshold", true, false, 181, 0, 0, true},
        {"a call with smart pause off", false, true, 0, 0, 0, false},
        {"long sleep", true, false, 0, 40 * 60, 3600, true},
        {"sleep shorter than the idle threshold", true, false, 0, 45 * 60, 120, false},
        {"sleep over long before the break falls due", true, false, 0, 10 * 60, 1800, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppHarness fresh(berlin("2026-06-10 09:00"));
        fresh.launch();
        fresh.settings().setSmartPauseEnabled(c.smartPause);
        fresh.probes.microphone = c.microphone;
        fresh.probes.idle = c.idle;
        fresh.advance(c.awakeBefore);
        fresh.time.jumpWallClock(c.sleep); // the lid closes; no tick runs meanwhile
        fresh.advanceToBreakDue();
        EXPECT_EQ(fresh.breakDueCount, 1);
        EXPECT_EQ(fresh.lock.lockCount, c.away ? 0 : 1);
        EXPECT_EQ(fresh.storedToday().awayBreaks, c.away ? 1 : 0);
        EXPECT_EQ(fresh.scheduler().schedule().annotationAs<smartPause::AwayBreakCounted>() !=
                      nullptr,
                  c.away);
        if (!c.smartPause) {
            EXPECT_EQ(fresh.probes.evaluations, 0);
        }
    }
}

TEST_F(SmartPauseInTheModel, NoNotificationServiceStillBringsTheBreakOnTime) {
    app.notifications.available = NotificationAvailability::unavailable;
    app.advanceToBreakDue();
    EXPECT_TRUE(app.notifications.posted.empty());
    EXPECT_TRUE(app.model().isBreakActive());
    EXPECT_TRUE(app.notifier->isUnavailable());
}

} // namespace
