// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchedulerHarness.h"
#include "core/scheduling/SchedulerKeys.h"
#include "core/storage/MemoryKeyValueStore.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::scheduleState;
using qv::test::berlin;
using qv::test::SchedulerHarness;
namespace keys = qv::schedulerKeys;

TEST(SchedulerRestart, ABreakMissedWhileQuitIsShownAtLaunchOrHeldOutsideTheHours) {
    const std::tuple<const char*, std::size_t, QDateTime> cases[] = {
        {"2026-12-07 09:00", 1, QDateTime()}, {"2026-12-07 19:30", 0, berlin("2026-12-08 08:00")}};
    for (const auto& [quitAt, breaks, heldUntil] : cases) {
        MemoryKeyValueStore defaults;
        SchedulerHarness app(defaults, berlin(quitAt));
        app.launch();
        app.quit();
        app.passWhileQuit(3600);
        app.launch();
        const auto* working = app.scheduler().schedule().stateAs<Working>();
        EXPECT_EQ(app.breakDueCalls.size(), breaks) << quitAt;
        EXPECT_EQ(working ? working->dueAt : QDateTime(), heldUntil) << quitAt;
    }
}

TEST(SchedulerRestart, ABreakOrAHeadsUpUnderwayAtQuitIsShownAgain) {
    MemoryKeyValueStore defaults;
    SchedulerHarness app(defaults, berlin("2026-12-07 09:00"));
    app.launch();
    app.advance(3000 - 30);
    app.relaunch();
    EXPECT_EQ(app.headsUps.size(), 2u);
    app.scheduler().startBreakNow();
    app.scheduler().breakStarted();
    app.relaunch();
    EXPECT_EQ(app.breakDueCalls.size(), 2u);
    EXPECT_TRUE(app.scheduler().schedule().is<BreakDue>());
}

namespace {

const QDateTime launchedAt = berlin("2026-12-07 09:00");

QString stamp(const char* local) {
    return KeyValueStore::encodeDate(berlin(local));
}

// A cycle begun at 08:50 and due at 09:40, with the given keys on top.
QVariantMap working(const QVariantMap& more = {}) {
    QVariantMap values{{keys::state, "working"},
                       {keys::startedAt, stamp("2026-12-07 08:50")},
                       {keys::deadline, stamp("2026-12-07 09:40")}};
    values.insert(more);
    return values;
}

// The schedule a launch at 09:00 makes of the saved texts.
BreakSchedule restored(const QVariantMap& values) {
    MemoryKeyValueStore defaults;
    for (auto it = values.begin(); it != values.end(); ++it) {
        defaults.setText(it.key(), it.value().toString());
    }
    SchedulerHarness app(defaults, launchedAt);
    app.launch();
    const BreakSchedule schedule = app.scheduler().schedule();
    // Whatever was loaded, the stored keys now describe the running schedule.
    EXPECT_EQ(defaults.text(keys::state).value_or(""), schedule.is<Working>()  ? "working"
                                                       : schedule.is<Paused>() ? "paused"
                                                                               : "breakDue");
    return schedule;
}

} // namespace

TEST(SchedulerRestore, SavedSchedulesThatMakeNoSenseStartAFreshCycle) {
    const QString month = stamp("2027-01-07 08:00");
    const std::pair<const char*, QVariantMap> cases[] = {
        {"working without its start",
         {{keys::state, "working"}, {keys::deadline, stamp("2026-12-07 09:30")}}},
        {"unknown state", {{keys::state, "sleeping"}, {keys::deadline, stamp("2026-12-07 09:30")}}},
        {"date as loose text", {{keys::state, "paused"}, {keys::deadline, "2026-12-07 09:30"}}},
        // Dates further ahead than the schedule ever sets would switch breaks off for years.
        {"paused for years",
         {{keys::state, "paused"}, {keys::deadline, stamp("2031-01-01 00:00")}}},
        {"due in years", working({{keys::deadline, stamp("2029-12-07 09:40")}})},
        {"started in years", working({{keys::startedAt, stamp("2029-12-07 08:50")}})},
        {"cooling down for years",
         {{keys::state, "cooldown"}, {keys::deadline, stamp("2027-12-07 09:00")}}},
        {"meeting retried in years",
         working({{keys::smartPauseState, "meeting"},
                  {keys::smartPauseDeadline, stamp("2036-12-07 09:40")}})},
        {"off hours for a month", working({{keys::deadline, month},
                                           {keys::smartPauseState, "outsideActiveHours"},
                                           {keys::smartPauseDeadline, month}})},
    };
    for (const auto& [name, values] : cases) {
        const BreakSchedule schedule = restored(values);
        EXPECT_EQ(schedule.state,
                  BreakSchedulerState(Working{launchedAt, launchedAt.addSecs(3000)}))
            << name;
        EXPECT_FALSE(schedule.smartPauseState) << name;
        EXPECT_EQ(schedule.snoozeCount, 0) << name;
    }
}

TEST(SchedulerRestore, DamagedPartsOfASensibleScheduleAreMended) {
    for (const auto& [text, count] :
         std::vector<std::pair<QString, int>>{{"7", 2}, {"-3", 0}, {"two", 0}}) {
        EXPECT_EQ(restored(working({{keys::snoozeCount, text}})).snoozeCount, count)
            << text.toStdString();
    }
    EXPECT_FALSE(restored(working({{keys::smartPauseState, "away"}})).smartPauseState)
        << "away without its date";
    EXPECT_FALSE(restored({{keys::state, "cooldown"},
                           {keys::deadline, stamp("2026-12-07 08:59:59")},
                           {keys::smartPauseState, "nap"},
                           {keys::smartPauseDeadline, stamp("2026-12-07 09:04")}})
                     .smartPauseState)
        << "unknown annotation";
    const BreakSchedule meeting = restored(working({{keys::smartPauseState, "meeting"}}));
    ASSERT_TRUE(meeting.annotationAs<smartPause::Meeting>());
    EXPECT_EQ(meeting.annotationAs<smartPause::Meeting>()->retryAt, berlin("2026-12-07 09:40"))
        << "a meeting without its date retries at the deadline";
}

TEST(SchedulerRestore, TheFurthestTheScheduleItselfGoesIsKept) {
    EXPECT_EQ(
        restored({{keys::state, "paused"}, {keys::deadline, stamp("2026-12-08 00:00")}}).state,
        BreakSchedulerState(Paused{berlin("2026-12-08 00:00")}));
    const QString weekend = stamp("2026-12-11 08:00");
    EXPECT_TRUE(restored(working({{keys::deadline, weekend},
                                  {keys::smartPauseState, "outsideActiveHours"},
                                  {keys::smartPauseDeadline, weekend}}))
                    .annotationAs<smartPause::OutsideActiveHours>());
    EXPECT_TRUE(restored({{keys::state, "paused"}, {keys::deadline, stamp("2026-12-07 08:00")}})
                    .is<BreakDue>())
        << "a pause that ended while quit";
}
