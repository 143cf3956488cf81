// SPDX-License-Identifier: GPL-3.0-or-later
#include "../scheduling/SchedulerHarness.h"
#include "AppHarness.h"
#include "core/scheduling/ActiveHours.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <random>

using namespace qv;
using qv::test::AppHarness;
using qv::test::berlin;
using qv::test::ScriptedCamera;
using Mode = BreakOverlayModel::Mode;

namespace {

struct Outcomes {
    qint64 verified = 0, timed = 0, skipped = 0, away = 0;
    bool operator==(const Outcomes&) const = default;
};

void PrintTo(const Outcomes& o, std::ostream* os) {
    *os << "verified " << o.verified << ", timed " << o.timed << ", skipped " << o.skipped
        << ", away " << o.away;
}

Outcomes outcomesIn(const DayTable& days) {
    Outcomes sum;
    for (const DayStat& day : days) {
        sum.verified += day.verifiedBreaks, sum.timed += day.timedBreaks;
        sum.skipped += day.skippedBreaks, sum.away += day.awayBreaks;
    }
    return sum;
}

// The callbacks a break hands out, kept to be called again once the break is over.
struct BreakCallbacks {
    std::function<void(const VerificationProgress&)> progress;
    std::function<void()> completion;
    std::function<void()> escape;
    std::function<void()> honor;
    std::function<void(bool)> chord;
};

// A year of use: the user's actions, the camera's behaviour, smart-pause readings, sleeps
// and restarts at random, with the model's promises checked after every step by counts the
// test keeps itself.
class Soak {
public:
    Soak(unsigned seed, const char* start)
        : random_(seed)
        , app_(berlin(start), QStringLiteral("/dev/shm")) {
        app_.lock.onRelease = [this](BreakOverlayModel& overlay) { noteRelease(overlay); };
        app_.beforeStart = [this] {
            QObject::connect(&app_.scheduler(), &BreakScheduler::stateChanged,
                             [this] { noteAway(); });
            QObject::connect(&app_.model(), &AppModel::isBreakActiveChanged,
                             [this] { noteLock(); });
        };
        app_.launch();
    }

    void run(int days) {
        const QDateTime end = app_.time.now().addDays(days);
        while (app_.time.now() < end && !::testing::Test::HasFailure()) {
            ++steps_;
            startedNow_ = false;
            app_.model().isBreakActive() ? breakStep() : idleStep();
            check();
        }
    }
    long steps() const { return steps_; }
    long breaks() const { return breaks_; }
    const Outcomes& outcomes() const { return expected_; }

private:
    int pick(int lowest, int highest) {
        return std::uniform_int_distribution<int>(lowest, highest)(random_);
    }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    void idleStep() {
        AppModel& model = app_.model();
        const std::function<void()> actions[] = {
            [&] { startedNow_ = true, app_.probes.idle = 0, model.startBreakNow(); },
            [&] { model.snooze(); },
            [&] { model.pauseForOneHour(); },
            [&] { chance(20) ? model.pauseUntilTomorrow() : void(); },
            [&] { model.resume(); },
            [&] { answerTheHeadsUp(); },
            [&] { changeSettings(); },
            [&] {
                app_.probes.microphone = chance(15);
                app_.probes.camera = chance(5);
                app_.probes.idle = chance(20) ? pick(0, 1200) : pick(0, 60);
            },
            [&] { sleep(); },
            [&] { chance(10) ? restart() : void(); },
            [&] { callStaleCallbacks(); },
        };
        const int choice = pick(0, 16); // the rest of the time, time passes
        choice < int(std::size(actions)) ? actions[choice]() : app_.advance(pick(1, 900));
    }

    void answerTheHeadsUp() {
        if (app_.notifications.shown) {
            const auto& actions = app_.notifications.shown->actions;
            const QString action =
                actions[pick(0, static_cast<int>(actions.size()) - 1)].identifier;
            startedNow_ = action == HeadsUpNotifier::startNowAction;
            app_.probes.idle = 0; // the click was input
            app_.notifications.invoke(action);
        }
    }

    void breakStep() {
        ScriptedCamera* camera = app_.camera();
        BreakOverlayModel& overlay = *app_.overlay();
        remember(camera, overlay);
        const auto count = [&] {
            if (camera) {
                camera->repetitions(std::min(camera->target, overlay.repetitions() + pick(1, 4)));
                if (overlay.repetitions() >= camera->target && chance(80)) {
                    camera->complete();
                }
            }
        };
        const std::function<void()> actions[] = {
            count,
            count,
            count,
            [&] {
                camera ? camera->fail("Camera is unavailable. Continuing with the honor timer.")
                       : void();
            },
            [&] { overlay.emergencyEscape(); },
            [&] { holdTheChord(overlay); },
            [&] { overlay.useHonorTimer(); },
            [&] { overlay.switchToOverheadRaise(); },
            [&] { callStaleCallbacks(); },
            [&] { chance(10)  ? sleep()
                  : chance(5) ? restart()
                              : void(); },
            [&] { changeSettings(); },
        };
        const int choice = pick(0, 14); // otherwise a silent camera or a timed break runs on
        choice < int(std::size(actions)) ? actions[choice]() : app_.advance(pick(1, 120));
    }

    void holdTheChord(BreakOverlayModel& overlay) {
        overlay.setEmergencyKeyHeld(true);
        app_.advance(pick(1, 40) / 10.0);
        if (app_.overlay() == &overlay) {
            overlay.setEmergencyKeyHeld(false);
        }
    }

    void changeSettings() {
        SettingsStore& settings = app_.settings();
        const std::function<void()> changes[] = {
            [&] { settings.setSmartPauseEnabled(chance(70)); },
            [&] { settings.setCameraVerificationEnabled(chance(80)); },
            [&] {
                settings.setExerciseKind(chance(50) ? ExerciseKind::squat
                                                    : ExerciseKind::overheadRaise);
            },
            [&] { settings.setHonorDurationSeconds(pick(10, 300)); },
            [&] { settings.setEmergencyEscapeLimit(pick(1, 3)); },
            [&] { settings.setWorkIntervalMinutes(pick(20, 90)); },
            [&] {
                settings.setActiveHoursEnabled(chance(80));
                settings.setActiveHoursStartMinute(pick(5 * 60, 11 * 60));
                settings.setActiveHoursEndMinute(pick(15 * 60, 23 * 60));
                settings.setActiveHoursWeekdaysOnly(chance(30));
            },
            [&] {
                app_.cameraAccess.answer =
                    chance(85) ? CameraAuthorization::authorized : CameraAuthorization::denied;
            },
        };
        changes[pick(0, 7)]();
    }

    // The lid closes: no tick runs, the wall clock moves on. Evenings sleep through the night.
    void sleep() {
        const int hour = qv::test::berlinCalendar().toLocal(app_.time.now()).time().hour();
        const int seconds = hour >= 19 ? pick(9, 13) * 3600 : pick(10, 3 * 3600);
        app_.time.jumpWallClock(seconds);
        app_.advance(1);
    }

    void restart() {
        quitting_ = true;
        app_.quit();
        quitting_ = false;
        app_.time.advance(pick(1, 600));
        app_.launch();
    }

    void remember(ScriptedCamera* camera, BreakOverlayModel& overlay) {
        current_.escape = overlay.onEmergencyEscape;
        current_.honor = overlay.onUseHonorTimer;
        current_.chord = overlay.onEmergencyKeyStateChanged;
        if (camera) {
            current_.progress = camera->onProgress;
            current_.completion = camera->onCompletion;
        }
    }

    void callStaleCallbacks() {
        const int locks = app_.lock.lockCount;
        const Outcomes before = outcomesIn(app_.stats().days());
        BreakOverlayModel* overlay = app_.overlay();
        const int repetitions = overlay ? overlay->repetitions() : 0;
        const auto escapesLeft = app_.gate->remainingEscapes(app_.time.now());
        for (auto& call : std::initializer_list<std::function<void()>>{
                 [&] {
                     stale_.progress(progress::Exercise{PoseSnapshot{}, Image{}, 99, 10});
                 },
                 [&] { stale_.progress(progress::Failed{QStringLiteral("late")}); },
                 stale_.completion, stale_.escape, stale_.honor, [&] { stale_.chord(true); }}) {
            if (call && stale_.progress && stale_.escape && stale_.chord) {
                call();
            }
        }
        EXPECT_EQ(app_.lock.lockCount, locks) << "step " << steps_;
        if (app_.overlay() == overlay && overlay) {
            EXPECT_EQ(overlay->repetitions(), repetitions) << "step " << steps_;
            EXPECT_FALSE(app_.gate->holdStartedAt()) << "step " << steps_;
            EXPECT_NE(overlay->statusMessage(), QStringLiteral("late"));
        }
        EXPECT_EQ(outcomesIn(app_.stats().days()), before) << "step " << steps_;
        EXPECT_EQ(app_.gate->remainingEscapes(app_.time.now()), escapesLeft) << "step " << steps_;
    }

    void noteLock() {
        if (!app_.model().isBreakActive()) {
            return;
        }
        ++breaks_;
        lockedAt_ = app_.time.monotonicSeconds();
        completedAt_.reset();
        const Calendar calendar = qv::test::berlinCalendar();
        const ActiveHoursWindow window = app_.settings().activeHoursWindow();
        EXPECT_TRUE(startedNow_ || isWithinActiveHours(app_.time.now(), calendar, window))
            << "a break began outside the active hours at step " << steps_;
        QObject::connect(app_.overlay(), &BreakOverlayModel::modeChanged, [this] {
            if (app_.overlay() && app_.overlay()->mode() == Mode::success) {
                completedAt_ = app_.time.monotonicSeconds();
            }
        });
    }

    void noteRelease(BreakOverlayModel& overlay) {
        if (overlay.mode() == Mode::success) {
            ++(overlay.successSummary()->wasVerified ? expected_.verified : expected_.timed);
        } else if (!quitting_) {
            ++expected_.skipped;
        }
        stale_ = std::exchange(current_, BreakCallbacks{});
    }

    // An away break is a due break turned straight into the cooldown with its annotation.
    void noteAway() {
        const BreakSchedule& schedule = app_.scheduler().schedule();
        if (wasDue_ && schedule.is<scheduleState::Cooldown>() &&
            schedule.annotationAs<smartPause::AwayBreakCounted>()) {
            ++expected_.away;
        }
        wasDue_ = schedule.is<scheduleState::BreakDue>();
    }

    void check() {
        if (app_.model().isBreakActive()) {
            const double ended = completedAt_.value_or(app_.time.monotonicSeconds());
            EXPECT_LE(ended - lockedAt_, AppModel::absoluteBreakCeiling + 1e-6)
                << "a break ran past the ceiling at step " << steps_;
            EXPECT_LE(app_.time.monotonicSeconds() - lockedAt_,
                      AppModel::absoluteBreakCeiling + AppModel::successDisplaySeconds + 1e-6);
        }
        const Outcomes recorded = outcomesIn(app_.stats().days());
        if (recorded == lastRecorded_) {
            return;
        }
        lastRecorded_ = recorded;
        // Completion records before the success screen's release, which the test counts.
        Outcomes expected = expected_;
        if (completedAt_ && app_.model().isBreakActive()) {
            const auto& summary = app_.overlay()->successSummary();
            ++(summary->wasVerified ? expected.verified : expected.timed);
        }
        EXPECT_EQ(recorded, expected) << "step " << steps_;
        // Reading the whole file back is the slow part: once a simulated day is enough.
        const QDate today = qv::test::berlinCalendar().day(app_.time.now());
        if (today != lastFileCheck_) {
            lastFileCheck_ = today;
            expectFileHolds(expected);
        }
    }

public:
    void expectFileHolds(const Outcomes& expected) const {
        MemoryKeyValueStore fresh;
        StatsStore file(
            fresh, [] { return qv::test::berlinCalendar(); }, app_.time, app_.statsPath);
        EXPECT_EQ(outcomesIn(file.days()), expected) << "step " << steps_;
    }

private:
    std::mt19937 random_;
    AppHarness app_;
    Outcomes expected_;
    Outcomes lastRecorded_;
    QDate lastFileCheck_;
    BreakCallbacks current_;
    BreakCallbacks stale_;
    bool wasDue_ = false;
    double lockedAt_ = 0;
    std::optional<double> completedAt_;
    bool startedNow_ = false;
    bool quitting_ = false;
    long steps_ = 0;
    long breaks_ = 0;
};

TEST(AppModelSoak, AYearOfRandomUseKeepsEveryPromise) {
    QElapsedTimer clock;
    clock.start();
    Soak soak(2026, "2026-01-05 08:00");
    soak.run(365);
    soak.expectFileHolds(soak.outcomes());
    const Outcomes& o = soak.outcomes();
    std::cout << "[ soak     ] 365 days, " << soak.steps() << " steps, " << soak.breaks()
              << " breaks (verified " << o.verified << ", timed " << o.timed << ", skipped "
              << o.skipped << ", away " << o.away << ") in " << clock.elapsed() << " ms\n";
    EXPECT_GT(o.verified, 50);
    EXPECT_GT(o.timed, 100);
    EXPECT_GT(o.skipped, 100);
    EXPECT_GT(o.away, 50);
}

} // namespace
