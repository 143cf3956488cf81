// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchedulerHarness.h"
#include "core/scheduling/SchedulerKeys.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "support/RecordingKeyValueStore.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::scheduleState;
using qv::test::berlin;
using qv::test::SchedulerHarness;
namespace keys = qv::schedulerKeys;

namespace {

class BreakSchedulerTest : public ::testing::Test {
protected:
    explicit BreakSchedulerTest(const char* start = "2026-12-07 09:00")
        : app(defaults, berlin(start)) {}

    const Working& working() {
        const auto* w = app.scheduler().schedule().stateAs<Working>();
        EXPECT_TRUE(w);
        static const Working none;
        return w ? *w : none;
    }

    MemoryKeyValueStore defaults;
    SchedulerHarness app;
};

} // namespace

TEST_F(BreakSchedulerTest, HeadsUpOnceInTheLastMinuteThenTheBreak) {
    app.launch();
    app.advance(3000 - 61);
    EXPECT_TRUE(app.headsUps.empty());
    app.advance(1);
    ASSERT_EQ(app.headsUps.size(), 1u);
    EXPECT_EQ(app.headsUps[0], berlin("2026-12-07 09:50"));
    app.advance(59);
    EXPECT_EQ(app.headsUps.size(), 1u);
    EXPECT_TRUE(app.breakDueCalls.empty());
    app.advance(1);
    EXPECT_EQ(app.breakDueCalls, std::vector<QDateTime>{berlin("2026-12-07 09:50")});
}

TEST_F(BreakSchedulerTest, QuietTicksWriteNothing) {
    test::RecordingKeyValueStore recording;
    SchedulerHarness quiet(recording, berlin("2026-12-07 09:00"));
    quiet.launch();
    recording.resetCount();
    quiet.advance(3000 - 61);
    EXPECT_EQ(recording.writeCount(), 0);
    quiet.advance(62); // the break falls due: one save
    EXPECT_GT(recording.writeCount(), 0);
}

TEST(BreakScheduler, UntilTomorrowMeansTheNextLocalMidnight) {
    const std::pair<const char*, const char*> cases[] = {
        {"2026-12-07 23:59", "2026-12-08 00:00"},
        {"2026-03-29 01:00", "2026-03-30 00:00"}, // a 23-hour day
        {"2026-10-25 01:00", "2026-10-26 00:00"}, // a 25-hour day
    };
    for (const auto& [now, expected] : cases) {
        MemoryKeyValueStore defaults;
        SchedulerHarness app(defaults, berlin(now));
        app.launch();
        app.scheduler().pauseUntilTomorrow();
        const auto* paused = app.scheduler().schedule().stateAs<scheduleState::Paused>();
        ASSERT_TRUE(paused) << now;
        EXPECT_EQ(paused->until, berlin(expected)) << now;
    }
}

namespace {

class ActiveHoursScheduling : public BreakSchedulerTest {
protected:
    ActiveHoursScheduling()
        : BreakSchedulerTest("2026-12-07 19:10:30") {}
};

} // namespace

TEST_F(ActiveHoursScheduling, ABreakDueAfterHoursWaitsForTomorrowWithoutHeadsUp) {
    app.launch(); // due at 20:00:30, the active hours end at 20:00
    app.advance(50 * 60 - 60);
    EXPECT_TRUE(app.headsUps.empty());
    app.advance(60);
    EXPECT_TRUE(app.breakDueCalls.empty());
    EXPECT_EQ(working().dueAt, berlin("2026-12-08 08:00"));
    EXPECT_TRUE(app.scheduler().statusText().endsWith("8:00 AM"));
    EXPECT_EQ(defaults.text(keys::smartPauseState), "outsideActiveHours");
}

TEST_F(ActiveHoursScheduling, ChangingTheHoursRetargetsOrReleasesAHeldBreak) {
    app.launch();
    app.advance(50 * 60);
    app.settings().setActiveHoursStartMinute(540);
    app.scheduler().activeHoursChanged();
    EXPECT_TRUE(app.breakDueCalls.empty());
    EXPECT_EQ(working().dueAt, berlin("2026-12-08 09:00"));
    app.settings().setActiveHoursEndMinute(1260);
    app.scheduler().activeHoursChanged();
    EXPECT_EQ(app.breakDueCalls.size(), 1u);
    EXPECT_TRUE(app.scheduler().schedule().is<BreakDue>());
}
