// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchedulerHarness.h"
#include "core/scheduling/ActiveHours.h"
#include "core/scheduling/SchedulerKeys.h"
#include "core/storage/MemoryKeyValueStore.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace qv;
using namespace qv::scheduleState;
using qv::test::berlin;
using qv::test::SchedulerHarness;
namespace keys = qv::schedulerKeys;

namespace {

// The six keys, checked against the schedule independently of the code that writes them.
void expectStoredKeysDescribe(const KeyValueStore& stored, const BreakSchedule& schedule) {
    const auto* working = schedule.stateAs<Working>();
    const auto* cooldown = schedule.stateAs<Cooldown>();
    const auto* paused = schedule.stateAs<Paused>();
    const bool stopped = schedule.is<Stopped>();
    const char* name = working    ? "working"
                       : cooldown ? "cooldown"
                       : paused   ? "paused"
                       : stopped  ? nullptr
                                  : "breakDue";
    EXPECT_EQ(stored.text(keys::state), name ? std::optional<QString>(name) : std::nullopt);
    EXPECT_EQ(stored.date(keys::startedAt),
              working ? std::optional(working->startedAt) : std::nullopt);
    const std::optional<QDateTime> deadline = working    ? std::optional(working->dueAt)
                                              : cooldown ? std::optional(cooldown->until)
                                              : paused   ? std::optional(paused->until)
                                                         : std::nullopt;
    EXPECT_EQ(stored.date(keys::deadline), deadline);
    EXPECT_EQ(stored.integer(keys::snoozeCount),
              stopped ? std::nullopt : std::optional<qint64>(schedule.snoozeCount));
    std::optional<QString> annotation;
    std::optional<QDateTime> annotationDate;
    if (const auto* m = schedule.annotationAs<smartPause::Meeting>()) {
        annotation = "meeting", annotationDate = m->retryAt;
    } else if (const auto* a = schedule.annotationAs<smartPause::AwayBreakCounted>()) {
        annotation = "away", annotationDate = a->visibleUntil;
    } else if (const auto* o = schedule.annotationAs<smartPause::OutsideActiveHours>()) {
        annotation = "outsideActiveHours", annotationDate = o->resumeAt;
    }
    EXPECT_EQ(stored.text(keys::smartPauseState), annotation);
    EXPECT_EQ(stored.date(keys::smartPauseDeadline), annotationDate);
}

class Soak {
public:
    Soak(unsigned seed, const char* start)
        : random_(seed)
        , app_(defaults_, berlin(start)) {}

    void run(double days) {
        launch();
        const QDateTime end = app_.now().addSecs(static_cast<qint64>(days * 86'400));
        while (app_.now() < end && !::testing::Test::HasFailure()) {
            step();
            check();
        }
        ++steps_;
    }

    long steps() const { return steps_; }

private:
    int pick(int lowest, int highest) {
        return std::uniform_int_distribution<int>(lowest, highest)(random_);
    }

    void launch() {
        app_.launch();
        announced_.clear();
        watchedHeadsUps_ = app_.headsUps.size();
        watchedBreaks_ = app_.breakDueCalls.size();
    }

    void step() {
        ++steps_;
        startedNow_ = false;
        BreakScheduler& scheduler = app_.scheduler();
        if (scheduler.schedule().is<BreakDue>() && pick(0, 3) > 0) {
            runBreak();
            return;
        }
        switch (pick(0, 13)) {
        case 0:
            startedNow_ = true;
            scheduler.startBreakNow();
            break;
        case 1:
            scheduler.snooze();
            break;
        case 2:
            scheduler.pauseForOneHour();
            break;
        case 3:
            scheduler.pauseUntilTomorrow();
            break;
        case 4:
            scheduler.resume();
            break;
        case 5: {
            // As the application does: only a real change is passed on.
            const int minutes = pick(20, 90);
            if (minutes != app_.settings().workIntervalMinutes()) {
                app_.settings().setWorkIntervalMinutes(minutes);
                scheduler.workIntervalChanged(minutes);
            }
            break;
        }
        case 6:
            changeActiveHours();
            break;
        case 7:
            app_.quit();
            app_.passWhileQuit(pick(0, 3 * 3600));
            launch();
            break;
        default:
            app_.advance(pick(1, 1200));
        }
    }

    void runBreak() {
        app_.scheduler().breakStarted();
        app_.advance(pick(5, 120));
        if (pick(0, 4) == 0) {
            app_.scheduler().countAwayBreak();
        } else {
            app_.scheduler().breakFinished();
        }
    }

    void changeActiveHours() {
        SettingsStore& settings = app_.settings();
        settings.setActiveHoursEnabled(pick(0, 4) > 0);
        settings.setActiveHoursStartMinute(pick(0, 1439));
        settings.setActiveHoursEndMinute(pick(0, 4) == 0 ? settings.activeHoursStartMinute()
                                                         : pick(0, 1439));
        settings.setActiveHoursWeekdaysOnly(pick(0, 2) == 0);
        app_.scheduler().activeHoursChanged();
    }

    void check() {
        const BreakSchedule& schedule = app_.scheduler().schedule();
        expectStoredKeysDescribe(defaults_, schedule);
        EXPECT_GE(schedule.snoozeCount, 0);
        EXPECT_LE(schedule.snoozeCount, 2);
        const Calendar calendar = qv::test::berlinCalendar();
        const ActiveHoursWindow window = app_.settings().activeHoursWindow();
        for (; watchedHeadsUps_ < app_.headsUps.size(); ++watchedHeadsUps_) {
            const QDateTime dueAt = app_.headsUps[watchedHeadsUps_];
            EXPECT_TRUE(announced_.insert(dueAt).second) << "announced twice: " << steps_;
            EXPECT_TRUE(isWithinActiveHours(dueAt, calendar, window)) << "step " << steps_;
        }
        for (; watchedBreaks_ < app_.breakDueCalls.size(); ++watchedBreaks_) {
            const QDateTime at = app_.breakDueCalls[watchedBreaks_];
            EXPECT_TRUE(startedNow_ || isWithinActiveHours(at, calendar, window))
                << "a break fell due outside the active hours at step " << steps_;
        }
    }

    std::mt19937 random_;
    MemoryKeyValueStore defaults_;
    SchedulerHarness app_;
    std::set<QDateTime> announced_;
    std::size_t watchedHeadsUps_ = 0;
    std::size_t watchedBreaks_ = 0;
    bool startedNow_ = false;
    long steps_ = 0;
};

} // namespace

TEST(SchedulerSoak, SixtyDaysOfRandomUseKeepTheStoredScheduleExact) {
    // Both daylight-saving changes of the year fall inside these runs.
    const std::pair<unsigned, const char*> runs[] = {
        {1, "2026-03-20 07:00"}, {2, "2026-03-01 22:00"}, {3, "2026-10-01 12:00"}};
    for (const auto& [seed, start] : runs) {
        SCOPED_TRACE(seed);
        Soak soak(seed, start);
        soak.run(60);
        EXPECT_GT(soak.steps(), 1000);
    }
}

TEST(SchedulerSoak, TicksReallyRun) {
    MemoryKeyValueStore defaults;
    SchedulerHarness app(defaults, berlin("2026-03-20 07:00"));
    app.launch();
    int ticks = 0;
    QObject::connect(&app.scheduler(), &BreakScheduler::currentDateChanged, [&] { ++ticks; });
    app.advance(86'400);
    EXPECT_GE(ticks, 86'400);
}
