// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The stored keys of the user's settings; other components read some of them directly.
namespace qv::settingsKeys {
inline const QString workIntervalMinutes = QStringLiteral("settings.workIntervalMinutes");
inline const QString honorDurationSeconds = QStringLiteral("settings.honorDurationSeconds");
inline const QString squatRepetitions = QStringLiteral("settings.squatRepetitions");
inline const QString exerciseKind = QStringLiteral("settings.exerciseKind");
inline const QString smartPauseEnabled = QStringLiteral("settings.smartPauseEnabled");
inline const QString emergencyEscapeLimit = QStringLiteral("settings.emergencyEscapeLimit");
inline const QString cameraVerificationEnabled =
    QStringLiteral("settings.cameraVerificationEnabled");
inline const QString soundEnabled = QStringLiteral("settings.soundEnabled");
inline const QString selectedCameraID = QStringLiteral("settings.selectedCameraID");
inline const QString activeHoursEnabled = QStringLiteral("settings.activeHoursEnabled");
inline const QString activeHoursStartMinute = QStringLiteral("settings.activeHoursStartMinute");
inline const QString activeHoursEndMinute = QStringLiteral("settings.activeHoursEndMinute");
inline const QString activeHoursWeekdaysOnly = QStringLiteral("settings.activeHoursWeekdaysOnly");
inline const QString hasCompletedOnboarding = QStringLiteral("settings.hasCompletedOnboarding");
} // namespace qv::settingsKeys
