// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scheduling/BreakScheduler.h"
#include "core/scheduling/CountdownText.h"

#include <QCoreApplication>
#include <cmath>

namespace qv {

using namespace scheduleState;

QString countdownText(double seconds) {
    const double rounded = std::ceil(std::isfinite(seconds) ? seconds : 0.0);
    const long long total = rounded > 0 ? static_cast<long long>(rounded) : 0;
    const long long minutes = total % 3600 / 60;
    const long long secs = total % 60;
    if (total >= 3600) {
        return QString::asprintf("%lld:%02lld:%02lld", total / 3600, minutes, secs);
    }
    return QString::asprintf("%02lld:%02lld", minutes, secs);
}

namespace {

QString remainingUntil(const QDateTime& from, const QDateTime& to) {
    return countdownText(std::max(0.0, secondsBetween(from, to)));
}

} // namespace

QString BreakScheduler::menuBarTitle() const {
    const auto& annotation = schedule_.smartPauseState;
    if (const auto* working = std::get_if<Working>(&state_)) {
        if (schedule_.annotationAs<smartPause::Meeting>()) {
            return QCoreApplication::translate("Schedule", "Meeting");
        }
        if (schedule_.annotationAs<smartPause::OutsideActiveHours>()) {
            return QCoreApplication::translate("Schedule", "Off hours");
        }
        return remainingUntil(currentDate_, working->dueAt);
    }
    if (std::holds_alternative<Cooldown>(state_)) {
        return annotation ? QCoreApplication::translate("Schedule", "Away break")
                          : QCoreApplication::translate("Schedule", "Resetting");
    }
    if (std::holds_alternative<Paused>(state_)) {
        return QCoreApplication::translate("Schedule", "Paused");
    }
    if (std::holds_alternative<BreakDue>(state_)) {
        return QCoreApplication::translate("Schedule", "Break due");
    }
    if (std::holds_alternative<BreakActive>(state_)) {
        return QCoreApplication::translate("Schedule", "Break");
    }
    return QCoreApplication::translate("Schedule", "Starting…");
}

QString BreakScheduler::statusText() const {
    if (const auto* working = std::get_if<Working>(&state_)) {
        const QString remaining = remainingUntil(currentDate_, working->dueAt);
        if (schedule_.annotationAs<smartPause::Meeting>()) {
            return QCoreApplication::translate(
                       "Schedule", "Smart Pause detected a meeting; retrying the break in %1")
                .arg(remaining);
        }
        if (schedule_.annotationAs<smartPause::AwayBreakCounted>()) {
            return QCoreApplication::translate(
                       "Schedule", "Smart Pause counted away time as a break; next break in %1")
                .arg(remaining);
        }
        if (const auto* held = schedule_.annotationAs<smartPause::OutsideActiveHours>()) {
            return QCoreApplication::translate("Schedule",
                                               "Outside active hours; the break waits until %1")
                .arg(calendar_().shortTime(held->resumeAt));
        }
        return QCoreApplication::translate("Schedule", "Next break in %1").arg(remaining);
    }
    if (const auto* cooldown = std::get_if<Cooldown>(&state_)) {
        const QString remaining = remainingUntil(currentDate_, cooldown->until);
        if (schedule_.smartPauseState) {
            return QCoreApplication::translate(
                       "Schedule",
                       "Smart Pause counted away time as a break; next cycle starts in %1")
                .arg(remaining);
        }
        return QCoreApplication::translate("Schedule", "Next cycle starts in %1").arg(remaining);
    }
    if (const auto* paused = std::get_if<Paused>(&state_)) {
        return QCoreApplication::translate("Schedule", "Paused until %1")
            .arg(calendar_().abbreviatedDateShortTime(paused->until));
    }
    if (std::holds_alternative<BreakDue>(state_)) {
        return QCoreApplication::translate("Schedule", "Break due");
    }
    if (std::holds_alternative<BreakActive>(state_)) {
        return QCoreApplication::translate("Schedule", "Break in progress");
    }
    return QCoreApplication::translate("Schedule", "Starting scheduler…");
}

} // namespace qv
