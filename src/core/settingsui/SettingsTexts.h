// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/breakscreen/BreakScreenHold.h"
#include "core/camera/CameraAuthorization.h"
#include "core/settings/SettingsStore.h"
#include "core/verification/ExerciseKind.h"

#include <QLocale>
#include <QString>

namespace qv {

// Whether heads-up notifications can reach the user, as the desktop answers it.
enum class NotificationStatus {
    notDetermined, // not asked yet
    denied,        // nothing shows them (no notification server, or the user turned them off)
    authorized,
    unknown,
};

// A status line of the settings window: a symbol, a sentence and, where the user can do
// something about it, a button.
struct StatusRow {
    enum class Symbol { ready, warning, info, question };
    Symbol symbol = Symbol::question;
    QString text;
    QString buttonTitle; // empty: no button
    bool operator==(const StatusRow&) const = default;
};

namespace settingsTexts {

QString minutesValue(qint64 minutes);
QString secondsValue(qint64 seconds);
QString countValue(qint64 count);

QString activeHoursExplanation(const ActiveHoursWindow& window, const QLocale& locale);
QString verificationDescription(ExerciseKind exercise, qint64 repetitions);

StatusRow notificationStatusRow(NotificationStatus status);
StatusRow cameraAccessRow(CameraAuthorization authorization);

// Empty where the desktop holds a break; otherwise, in one sentence, that switching windows
// leaves it, what would change that, and what the desktop said when changing it failed.
QString breakHoldNote(const BreakHoldStatus& status);

// "0.0" when the version is unknown; the build number in parentheses when it says more.
QString versionText(const QString& shortVersion, const QString& buildNumber);

} // namespace settingsTexts
} // namespace qv
