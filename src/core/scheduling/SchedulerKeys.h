// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the schedule is kept between launches.
namespace qv::schedulerKeys {
inline const QString state = QStringLiteral("scheduler.state");
inline const QString startedAt = QStringLiteral("scheduler.startedAt");
inline const QString deadline = QStringLiteral("scheduler.deadline");
inline const QString snoozeCount = QStringLiteral("scheduler.snoozeCount");
inline const QString smartPauseState = QStringLiteral("scheduler.smartPauseState");
inline const QString smartPauseDeadline = QStringLiteral("scheduler.smartPauseDeadline");
} // namespace qv::schedulerKeys
