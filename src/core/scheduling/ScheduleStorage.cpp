// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scheduling/ScheduleStorage.h"

#include "core/scheduling/SchedulerKeys.h"
#include "core/storage/KeyValueStore.h"

namespace qv {

namespace keys = schedulerKeys;
using namespace scheduleState;

namespace {

std::optional<SmartPauseScheduleState> decodeAnnotation(const std::optional<QString>& name,
                                                        const std::optional<QDateTime>& date,
                                                        const QDateTime& fallback) {
    if (name == QLatin1String("meeting")) {
        return smartPause::Meeting{date.value_or(fallback)};
    }
    if (name == QLatin1String("away")) {
        if (!date) {
            return std::nullopt;
        }
        return smartPause::AwayBreakCounted{*date};
    }
    if (name == QLatin1String("outsideActiveHours")) {
        return smartPause::OutsideActiveHours{date.value_or(fallback)};
    }
    return std::nullopt;
}

QString stateText(const BreakSchedulerState& state) {
    return std::visit(
        [](const auto& s) -> QString {
            using S = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<S, Working>) {
                return QStringLiteral("working");
            } else if constexpr (std::is_same_v<S, Cooldown>) {
                return QStringLiteral("cooldown");
            } else if constexpr (std::is_same_v<S, Paused>) {
                return QStringLiteral("paused");
            } else if constexpr (std::is_same_v<S, Stopped>) {
                return QString();
            } else {
                // A break in progress is saved as due, so that it is shown again at launch.
                return QStringLiteral("breakDue");
            }
        },
        state);
}

std::optional<QDateTime> deadlineOf(const BreakSchedulerState& state) {
    if (const auto* working = std::get_if<Working>(&state)) {
        return working->dueAt;
    }
    if (const auto* cooldown = std::get_if<Cooldown>(&state)) {
        return cooldown->until;
    }
    if (const auto* paused = std::get_if<Paused>(&state)) {
        return paused->until;
    }
    return std::nullopt;
}

std::pair<QString, QDateTime> annotationFields(const SmartPauseScheduleState& annotation) {
    return std::visit(
        [](const auto& a) -> std::pair<QString, QDateTime> {
            using A = std::decay_t<decltype(a)>;
            if constexpr (std::is_same_v<A, smartPause::Meeting>) {
                return {QStringLiteral("meeting"), a.retryAt};
            } else if constexpr (std::is_same_v<A, smartPause::AwayBreakCounted>) {
                return {QStringLiteral("away"), a.visibleUntil};
            } else {
                return {QStringLiteral("outsideActiveHours"), a.resumeAt};
            }
        },
        annotation);
}

void writeOrRemove(KeyValueStore& defaults, const QString& key,
                   const std::optional<QDateTime>& date) {
    if (date) {
        defaults.setDate(key, *date);
    } else {
        defaults.remove(key);
    }
}

} // namespace

std::optional<BreakSchedule> loadSchedule(const KeyValueStore& defaults) {
    const std::optional<QString> name = defaults.text(keys::state);
    if (!name) {
        return std::nullopt;
    }
    BreakSchedule schedule;
    schedule.snoozeCount = static_cast<int>(std::clamp<qint64>(
        defaults.integer(keys::snoozeCount).value_or(0), 0, BreakSchedule::snoozesPerCycle));
    if (*name == QLatin1String("breakDue")) {
        schedule.state = BreakDue{};
        return schedule;
    }
    const std::optional<QDateTime> deadline = defaults.date(keys::deadline);
    if (!deadline) {
        return std::nullopt;
    }
    const auto annotation = decodeAnnotation(defaults.text(keys::smartPauseState),
                                             defaults.date(keys::smartPauseDeadline), *deadline);
    if (*name == QLatin1String("working")) {
        const std::optional<QDateTime> startedAt = defaults.date(keys::startedAt);
        if (!startedAt) {
            return std::nullopt;
        }
        schedule.state = Working{*startedAt, *deadline};
        schedule.smartPauseState = annotation;
    } else if (*name == QLatin1String("cooldown")) {
        schedule.state = Cooldown{*deadline};
        schedule.smartPauseState = annotation;
    } else if (*name == QLatin1String("paused")) {
        schedule.state = Paused{*deadline};
    } else {
        return std::nullopt;
    }
    return schedule;
}

void saveSchedule(KeyValueStore& defaults, const BreakSchedule& schedule) {
    const bool stopped = std::holds_alternative<Stopped>(schedule.state);
    if (stopped) {
        defaults.remove(keys::state);
    } else {
        defaults.setText(keys::state, stateText(schedule.state));
    }
    const auto* working = std::get_if<Working>(&schedule.state);
    writeOrRemove(defaults, keys::startedAt,
                  working ? std::optional<QDateTime>(working->startedAt) : std::nullopt);
    writeOrRemove(defaults, keys::deadline, deadlineOf(schedule.state));
    if (stopped) {
        defaults.remove(keys::snoozeCount);
    } else {
        defaults.setInteger(keys::snoozeCount, schedule.snoozeCount);
    }
    if (schedule.smartPauseState) {
        const auto [annotationName, annotationDate] = annotationFields(*schedule.smartPauseState);
        defaults.setText(keys::smartPauseState, annotationName);
        defaults.setDate(keys::smartPauseDeadline, annotationDate);
    } else {
        defaults.remove(keys::smartPauseState);
        defaults.remove(keys::smartPauseDeadline);
    }
}

} // namespace qv
