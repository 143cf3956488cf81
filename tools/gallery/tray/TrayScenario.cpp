// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayScenario.h"

namespace qv {

namespace {
QDateTime morning() {
    return *TrayScenario::calendar().dateAt(QDate(2026, 12, 7), 9, 0);
}
} // namespace

Calendar TrayScenario::calendar() {
    return {QTimeZone("Europe/Berlin"), QLocale(QLocale::English)};
}

TrayScenario::TrayScenario()
    : time(morning())
    , settings(defaults)
    , scheduler(settings, defaults, time, [] { return calendar(); })
    , stats(
          defaults, [] { return calendar(); }, time, std::nullopt)
    , source(scheduler, settings, stats, [] { return calendar(); })
    , control(scheduler, time)
    , actions(control) {
    source.canCheckForUpdates = [] { return true; };
}

QStringList TrayScenario::states() {
    return {QStringLiteral("stopped"),     QStringLiteral("working"),   QStringLiteral("snooze"),
            QStringLiteral("last-snooze"), QStringLiteral("off-hours"), QStringLiteral("meeting"),
            QStringLiteral("break-due"),   QStringLiteral("break"),     QStringLiteral("resetting"),
            QStringLiteral("away"),        QStringLiteral("paused")};
}

bool TrayScenario::enter(const QString& state) {
    if (state == QLatin1String("stopped")) {
        return true;
    }
    if (state == QLatin1String("off-hours")) {
        settings.setActiveHoursStartMinute(10 * 60);
    }
    scheduler.start();
    if (state == QLatin1String("working")) {
        time.advance(37 * 60 + 30);
    } else if (state == QLatin1String("off-hours")) {
        // Due at 9:50, ten minutes before the active hours begin: the break waits for them.
        time.advance(50 * 60 + 1);
    } else if (state == QLatin1String("snooze")) {
        time.advance(50 * 60 - 40);
    } else if (state == QLatin1String("last-snooze")) {
        time.advance(50 * 60 - 30);
        scheduler.snooze();
        time.advance(5 * 60 - 20);
    } else if (state == QLatin1String("paused")) {
        time.advance(12 * 60);
        scheduler.pauseUntilTomorrow();
    } else {
        scheduler.startBreakNow();
        const QDateTime now = time.now();
        if (state == QLatin1String("meeting")) {
            scheduler.deferForMeeting(now.addSecs(300), now);
            time.advance(75);
        } else if (state == QLatin1String("away")) {
            scheduler.countAwayBreak();
        } else if (state == QLatin1String("break") || state == QLatin1String("resetting")) {
            scheduler.breakStarted();
            if (state == QLatin1String("resetting")) {
                scheduler.breakFinished();
            }
        } else if (state != QLatin1String("break-due")) {
            return false;
        }
    }
    return true;
}

void TrayScenario::recordSampleDays() {
    for (int day = 0; day < 6; ++day) {
        stats.recordVerifiedBreak(ExerciseKind::squat, 10);
        time.jumpWallClock(-86400);
    }
    time.jumpWallClock(6 * 86400);
    stats.recordVerifiedBreak(ExerciseKind::squat, 10);
    stats.recordTimedBreak(ExerciseKind::overheadRaise, 0);
    stats.recordVerifiedBreak(ExerciseKind::overheadRaise, 12);
}

} // namespace qv
