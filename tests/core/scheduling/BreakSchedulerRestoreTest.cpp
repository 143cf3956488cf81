// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchedulerHarness.h"
#include "core/scheduling/SchedulerKeys.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/storage/SettingsFileStore.h"
#include "support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace qv;
using namespace qv::scheduleState;
using qv::test::berlin;
using qv::test::SchedulerHarness;
namespace keys = qv::schedulerKeys;

TEST(SchedulerRestart, AFreshStoreOnTheSameFileContinuesTheCycle) {
    qv::test::TemporaryHome home;
    const QString path = home.filePath("Quorvantel.conf");
    const QDateTime start = berlin("2026-12-07 09:00");
    QDateTime quitAt;
    {
        SettingsFileStore file(path);
        SchedulerHarness first(file, start);
        first.launch();
        first.advance(40 * 60); // ten minutes left
        first.quit();
        quitAt = first.now();
    }
    SettingsFileStore reopened(path);
    SchedulerHarness second(reopened, quitAt);
    second.passWhileQuit(5 * 60);
    second.launch();
    EXPECT_EQ(second.scheduler().schedule().state,
              BreakSchedulerState(Working{start, start.addSecs(3000)}));
    EXPECT_EQ(second.scheduler().menuBarTitle(), "05:00");
    EXPECT_TRUE(second.breakDueCalls.empty());
}

TEST(SchedulerRestart, ABreakMissedWhileQuitIsShownAtLaunchOrHeldOutsideTheHours) {
    MemoryKeyValueStore defaults;
    SchedulerHarness app(defaults, berlin("2026-12-07 09:00"));
    app.launch();
    app.quit();
    app.passWhileQuit(3600);
    app.launch();
    EXPECT_EQ(app.breakDueCalls.size(), 1u);

    MemoryKeyValueStore evening;
    SchedulerHarness late(evening, berlin("2026-12-07 19:30"));
    late.launch();
    late.quit();
    late.passWhileQuit(3600);
    late.launch();
    EXPECT_TRUE(late.breakDueCalls.empty());
    EXPECT_EQ(late.scheduler().schedule().stateAs<Working>()->dueAt, berlin("2026-12-08 08:00"));
}

TEST(SchedulerRestart, ABreakInProgressAtQuitIsShownAgain) {
    MemoryKeyValueStore defaults;
    SchedulerHarness app(defaults, berlin("2026-12-07 09:00"));
    app.launch();
    app.scheduler().startBreakNow();
    app.scheduler().breakStarted();
    app.relaunch();
    EXPECT_EQ(app.breakDueCalls.size(), 2u);
    EXPECT_TRUE(app.scheduler().schedule().is<BreakDue>());
}

TEST(SchedulerRestart, AHeadsUpIsRepeatedAfterARelaunchInTheLastMinute) {
    MemoryKeyValueStore defaults;
    SchedulerHarness app(defaults, berlin("2026-12-07 09:00"));
    app.launch();
    app.advance(3000 - 30);
    app.relaunch();
    EXPECT_EQ(app.headsUps.size(), 2u);
}

namespace {

struct Saved {
    const char* name;
    QVariantMap values; // text values; dates as their stored text
    std::function<void(const BreakSchedule&, const QDateTime& now)> check;
};

QString stamp(const char* local) {
    return KeyValueStore::encodeDate(berlin(local));
}

void storeAll(KeyValueStore& defaults, const QVariantMap& values) {
    for (auto it = values.begin(); it != values.end(); ++it) {
        defaults.setText(it.key(), it.value().toString());
    }
}

bool isFreshCycle(const BreakSchedule& s, const QDateTime& now) {
    return s.state == BreakSchedulerState(Working{now, now.addSecs(3000)}) && !s.smartPauseState &&
           s.snoozeCount == 0;
}

} // namespace

TEST(SchedulerRestore, SavedSchedulesOfEveryShapeLoadAsDocumented) {
    const std::vector<Saved> cases = {
        {"working without its start",
         {{keys::state, "working"}, {keys::deadline, stamp("2026-12-07 09:30")}},
         [](auto& s, auto& now) { EXPECT_TRUE(isFreshCycle(s, now)); }},
        {"unknown state",
         {{keys::state, "sleeping"}, {keys::deadline, stamp("2026-12-07 09:30")}},
         [](auto& s, auto& now) { EXPECT_TRUE(isFreshCycle(s, now)); }},
        {"date as loose text",
         {{keys::state, "paused"}, {keys::deadline, "2026-12-07 09:30"}},
         [](auto& s, auto& now) { EXPECT_TRUE(isFreshCycle(s, now)); }},
        {"snooze count too high",
         {{keys::state, "working"},
          {keys::startedAt, stamp("2026-12-07 08:50")},
          {keys::deadline, stamp("2026-12-07 09:40")},
          {keys::snoozeCount, "7"}},
         [](auto& s, auto&) { EXPECT_EQ(s.snoozeCount, 2); }},
        {"snooze count negative",
         {{keys::state, "working"},
          {keys::startedAt, stamp("2026-12-07 08:50")},
          {keys::deadline, stamp("2026-12-07 09:40")},
          {keys::snoozeCount, "-3"}},
         [](auto& s, auto&) { EXPECT_EQ(s.snoozeCount, 0); }},
        {"snooze count garbage",
         {{keys::state, "working"},
          {keys::startedAt, stamp("2026-12-07 08:50")},
          {keys::deadline, stamp("2026-12-07 09:40")},
          {keys::snoozeCount, "two"}},
         [](auto& s, auto&) { EXPECT_EQ(s.snoozeCount, 0); }},
        {"away without its date",
         {{keys::state, "working"},
          {keys::startedAt, stamp("2026-12-07 08:50")},
          {keys::deadline, stamp("2026-12-07 09:40")},
          {keys::smartPauseState, "away"}},
         [](auto& s, auto&) { EXPECT_FALSE(s.smartPauseState); }},
        {"meeting without its date takes the deadline",
         {{keys::state, "working"},
          {keys::startedAt, stamp("2026-12-07 08:50")},
          {keys::deadline, stamp("2026-12-07 09:40")},
          {keys::smartPauseState, "meeting"}},
         [](auto& s, auto&) {
             ASSERT_TRUE(s.template annotationAs<smartPause::Meeting>());
             EXPECT_EQ(s.template annotationAs<smartPause::Meeting>()->retryAt,
                       berlin("2026-12-07 09:40"));
         }},
        {"unknown annotation",
         {{keys::state, "cooldown"},
          {keys::deadline, stamp("2026-12-07 08:59:59")},
          {keys::smartPauseState, "nap"},
          {keys::smartPauseDeadline, stamp("2026-12-07 09:04")}},
         [](auto& s, auto&) { EXPECT_FALSE(s.smartPauseState); }},
        // Dates further ahead than the schedule ever sets would switch breaks off for years.
        {"paused for years",
         {{keys::state, "paused"}, {keys::deadline, stamp("2031-01-01 00:00")}},
         [](auto& s, auto& now) { EXPECT_TRUE(isFreshCycle(s, now)); }},
        {"due in years",
         {{keys::state, "working"},
          {keys::startedAt, stamp("2026-12-07 08:50")},
          {keys::deadline, stamp("2029-12-07 09:40")}},
         [](auto& s, auto& now) { EXPECT_TRUE(isFreshCycle(s, now)); }},
        {"started in years",
         {{keys::state, "working"},
          {keys::startedAt, stamp("2029-12-07 08:50")},
          {keys::deadline, stamp("2026-12-07 09:40")}},
         [](auto& s, auto& now) { EXPECT_TRUE(isFreshCycle(s, now)); }},
        {"cooling down for years",
         {{keys::state, "cooldown"}, {keys::deadline, stamp("2027-12-07 09:00")}},
         [](auto& s, auto& now) { EXPECT_TRUE(isFreshCycle(s, now)); }},
        {"meeting retried in years",
         {{keys::state, "working"},
          {keys::startedAt, stamp("2026-12-07 08:50")},
          {keys::deadline, stamp("2026-12-07 09:40")},
          {keys::smartPauseState, "meeting"},
          {keys::smartPauseDeadline, stamp("2036-12-07 09:40")}},
         [](auto& s, auto& now) { EXPECT_TRUE(isFreshCycle(s, now)); }},
        {"off hours for a month",
         {{keys::state, "working"},
          {keys::startedAt, stamp("2026-12-07 08:50")},
          {keys::deadline, stamp("2027-01-07 08:00")},
          {keys::smartPauseState, "outsideActiveHours"},
          {keys::smartPauseDeadline, stamp("2027-01-07 08:00")}},
         [](auto& s, auto& now) { EXPECT_TRUE(isFreshCycle(s, now)); }},
        // The furthest the schedule itself goes is kept.
        {"paused until tomorrow",
         {{keys::state, "paused"}, {keys::deadline, stamp("2026-12-08 00:00")}},
         [](auto& s, auto&) {
             EXPECT_EQ(s.state, BreakSchedulerState(Paused{berlin("2026-12-08 00:00")}));
         }},
        {"off hours over a long weekend",
         {{keys::state, "working"},
          {keys::startedAt, stamp("2026-12-07 08:50")},
          {keys::deadline, stamp("2026-12-11 08:00")},
          {keys::smartPauseState, "outsideActiveHours"},
          {keys::smartPauseDeadline, stamp("2026-12-11 08:00")}},
         [](auto& s, auto&) {
             EXPECT_TRUE(s.template annotationAs<smartPause::OutsideActiveHours>());
         }},
        {"paused an hour ago",
         {{keys::state, "paused"}, {keys::deadline, stamp("2026-12-07 08:00")}},
         [](auto& s, auto&) { EXPECT_TRUE(s.template is<BreakDue>()); }},
    };
    for (const Saved& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryKeyValueStore defaults;
        storeAll(defaults, c.values);
        SchedulerHarness app(defaults, berlin("2026-12-07 09:00"));
        app.launch();
        c.check(app.scheduler().schedule(), app.now());
        // Whatever was loaded, the stored keys now describe the running schedule.
        const auto& schedule = app.scheduler().schedule();
        EXPECT_EQ(defaults.text(keys::state).value_or(""), schedule.is<Working>()  ? "working"
                                                           : schedule.is<Paused>() ? "paused"
                                                                                   : "breakDue");
    }
}

TEST(SchedulerRestore, AnUnwritableSettingsFileLeavesTheRunningScheduleRight) {
    qv::test::TemporaryHome home;
    QFile blocker(home.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsFileStore file(home.filePath("blocked/Quorvantel.conf"));
    SchedulerHarness app(file, berlin("2026-12-07 09:00"));
    app.launch();
    app.advance(60);
    app.scheduler().pauseForOneHour();
    EXPECT_FALSE(file.isPersistent());
    EXPECT_TRUE(app.scheduler().schedule().is<Paused>());
    EXPECT_EQ(file.text(keys::state), "paused");
    app.advance(3600 + 3000);
    EXPECT_EQ(app.breakDueCalls.size(), 1u);
}
