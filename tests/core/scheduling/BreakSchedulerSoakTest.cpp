// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchedulerHarness.h"
#include "core/scheduling/ActiveHours.h"
#include "core/scheduling/ScheduleStorage.h"
#include "core/storage/MemoryKeyValueStore.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace qv;
using namespace qv::scheduleState;
using qv::test::berlin;
using qv::test::SchedulerHarness;

namespace {

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
        const std::function<void()> actions[] = {
            [&] { startedNow_ = true, scheduler.startBreakNow(); },
            [&] { scheduler.snooze(); },
            [&] { scheduler.pauseForOneHour(); },
            [&] { scheduler.pauseUntilTomorrow(); },
            [&] { scheduler.resume(); },
            [&] { changeWorkInterval(); },
            [&] { changeActiveHours(); },
            [&] { app_.quit(), app_.passWhileQuit(pick(0, 3 * 3600)), launch(); },
        };
        const int choice = pick(0, 13); // the rest of the time, time passes
        choice < int(std::size(actions)) ? actions[choice]() : app_.advance(pick(1, 1200));
    }

    // As the application does: only a real change is passed on.
    void changeWorkInterval() {
        const int minutes = pick(20, 90);
        if (minutes != app_.settings().workIntervalMinutes()) {
            app_.settings().setWorkIntervalMinutes(minutes);
            app_.scheduler().workIntervalChanged(minutes);
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
        // What is stored reads back as the running schedule: a restart at any step continues.
        const std::optional<BreakSchedule> stored = loadSchedule(defaults_);
        EXPECT_EQ(stored.value_or(BreakSchedule{}), schedule) << "step " << steps_;
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
