// SPDX-License-Identifier: GPL-3.0-or-later
// Requests from another launch or a script either act or say why not; none reports success
// for nothing, and none touches the schedule before the welcome is finished.
#include "core/coordination/ControlRequests.h"

#include "../scheduling/SchedulerHarness.h"
#include "AppHarness.h"
#include "core/scheduling/SchedulerKeys.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::AppHarness;
using qv::test::berlin;
using Kind = RequestRefusal::Kind;

namespace {

std::optional<Kind> kindOf(const RequestOutcome& outcome) {
    return outcome ? std::optional<Kind>(outcome->kind) : std::nullopt;
}

// Every request that would change the schedule is refused as not now, saying why.
void expectEveryChangeRefused(AppHarness& app, const QString& why) {
    ControlRequests requests(app.model());
    for (const RequestOutcome& outcome :
         {requests.startBreakNow(), requests.snooze(), requests.pauseFor(5400),
          requests.pauseUntilTomorrow(), requests.resume()}) {
        ASSERT_EQ(kindOf(outcome), Kind::notNow);
        EXPECT_TRUE(outcome->reason.contains(why, Qt::CaseInsensitive))
            << outcome->reason.toStdString();
    }
}

class ControlRequestsTest : public ::testing::Test {
protected:
    // Brings the coming break to the given number of seconds away.
    void untilDueIn(double seconds) {
        const auto* working = app.scheduler().schedule().stateAs<scheduleState::Working>();
        ASSERT_NE(working, nullptr);
        app.advance(app.time.now().msecsTo(working->dueAt) / 1000.0 - seconds);
    }

    AppHarness app{berlin("2026-06-10 09:00")};
};

TEST_F(ControlRequestsTest, DuringTheWelcomeEveryChangeIsRefusedAndNothingIsStored) {
    app.beforeStart = [this] {
        const BreakSchedule before = app.scheduler().schedule();
        const auto storedBefore = app.defaults.text(schedulerKeys::state);
        expectEveryChangeRefused(app, QStringLiteral("welcome"));
        EXPECT_EQ(app.scheduler().schedule(), before);
        EXPECT_EQ(app.defaults.text(schedulerKeys::state), storedBefore);
        EXPECT_EQ(app.lock.lockCount, 0);
    };
    app.launch();
}

TEST_F(ControlRequestsTest, SnoozeOnlyInTheLastMinuteAndTwicePerBreak) {
    app.launch();
    ControlRequests requests(app.model());
    EXPECT_EQ(kindOf(requests.snooze()), Kind::notNow) << "fifty minutes before";
    EXPECT_EQ(app.scheduler().snoozeCount(), 0);

    for (int snooze = 1; snooze <= 2; ++snooze) {
        untilDueIn(30);
        EXPECT_EQ(kindOf(requests.snooze()), std::nullopt) << snooze;
        EXPECT_EQ(app.scheduler().snoozeCount(), snooze);
    }
    untilDueIn(30);
    const RequestOutcome third = requests.snooze();
    EXPECT_EQ(kindOf(third), Kind::limitReached);
    EXPECT_EQ(app.scheduler().snoozeCount(), 2);
}

TEST_F(ControlRequestsTest, DuringABreakNothingStartsPausesOrPutsItOff) {
    app.launch();
    app.advanceToBreakDue();
    ASSERT_TRUE(app.model().isBreakActive());
    const BreakSchedule during = app.scheduler().schedule();
    expectEveryChangeRefused(app, QStringLiteral("break"));
    EXPECT_EQ(app.scheduler().schedule(), during);
    EXPECT_EQ(app.lock.lockCount, 1);
}

TEST_F(ControlRequestsTest, ResumeActsOnlyOnAPause) {
    app.launch();
    ControlRequests requests(app.model());
    EXPECT_EQ(kindOf(requests.resume()), Kind::notNow);
    EXPECT_EQ(kindOf(requests.pauseFor(3600)), std::nullopt);
    EXPECT_TRUE(app.scheduler().schedule().is<scheduleState::Paused>());
    EXPECT_EQ(kindOf(requests.resume()), std::nullopt);
    EXPECT_TRUE(app.scheduler().schedule().is<scheduleState::Working>());
    EXPECT_EQ(kindOf(requests.startBreakNow()), std::nullopt);
    EXPECT_TRUE(app.model().isBreakActive());
}

} // namespace
