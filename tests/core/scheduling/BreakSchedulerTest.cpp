// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchedulerHarness.h"
#include "core/scheduling/SchedulerKeys.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "support/RecordingKeyValueStore.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>

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

TEST_F(BreakSchedulerTest, ABreakRunsThroughCooldownIntoTheNextCycle) {
    app.launch();
    app.scheduler().startBreakNow();
    EXPECT_EQ(app.breakDueCalls.size(), 1u);
    app.scheduler().startBreakNow(); // already due: nothing
    EXPECT_EQ(app.breakDueCalls.size(), 1u);
    app.scheduler().breakStarted();
    app.advance(40);
    app.scheduler().breakFinished();
    app.advance(1);
    EXPECT_TRUE(app.scheduler().schedule().is<Cooldown>());
    app.advance(1);
    EXPECT_EQ(working().startedAt, berlin("2026-12-07 09:00:42"));
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

TEST_F(BreakSchedulerTest, EachPropertySignalsOnlyWhenItsOwnValueChanged) {
    app.launch();
    std::map<std::string, int> emitted;
    const auto count = [&](auto signal, const char* name) {
        QObject::connect(&app.scheduler(), signal, [&emitted, name] { ++emitted[name]; });
    };
    count(&BreakScheduler::currentDateChanged, "date");
    count(&BreakScheduler::menuBarTitleChanged, "title");
    count(&BreakScheduler::statusTextChanged, "status");
    count(&BreakScheduler::snoozeCountChanged, "snoozes");
    count(&BreakScheduler::stateChanged, "state");
    struct Step {
        const char* what;
        std::function<void()> act;
        std::map<std::string, int> expected;
    };
    const Step steps[] = {
        {"a tick", [&] { app.advance(1); }, {{"date", 1}, {"title", 1}, {"status", 1}}},
        {"pause",
         [&] { app.scheduler().pauseForOneHour(); },
         {{"title", 1}, {"status", 1}, {"state", 1}}},
        {"a paused tick", [&] { app.advance(1); }, {{"date", 1}}},
        {"resume",
         [&] { EXPECT_TRUE(app.scheduler().resume()); },
         {{"title", 1}, {"status", 1}, {"state", 1}}},
        {"snooze",
         [&] { EXPECT_TRUE(app.scheduler().snooze()); },
         {{"title", 1}, {"status", 1}, {"state", 1}, {"snoozes", 1}}},
    };
    for (const Step& step : steps) {
        emitted.clear();
        step.act();
        EXPECT_EQ(emitted, step.expected) << step.what;
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
