// SPDX-License-Identifier: GPL-3.0-or-later
// Requests from another launch or a script say why they are refused, and none touches the
// schedule before the welcome is finished or while a break runs.
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

TEST_F(ControlRequestsTest, DuringABreakNothingStartsPausesOrPutsItOff) {
    app.launch();
    app.advanceToBreakDue();
    ASSERT_TRUE(app.model().isBreakActive());
    const BreakSchedule during = app.scheduler().schedule();
    expectEveryChangeRefused(app, QStringLiteral("break"));
    EXPECT_EQ(app.scheduler().schedule(), during);
    EXPECT_EQ(app.lock.lockCount, 1);
}

} // namespace
