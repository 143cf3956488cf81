// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingsui/SettingsTexts.h"

#include "core/base/CountedText.h"
#include "core/scheduling/ActiveHours.h"

#include <QCoreApplication>

namespace qv::settingsTexts {

QString minutesValue(qint64 minutes) {
    return QCoreApplication::translate("Settings", "%1 min", "minutes, abbreviated").arg(minutes);
}

QString secondsValue(qint64 seconds) {
    return QCoreApplication::translate("Settings", "%1 sec", "seconds, abbreviated").arg(seconds);
}

QString countValue(qint64 count) {
    return QString::number(count);
}

QString activeHoursExplanation(const ActiveHoursWindow& window, const QLocale& locale) {
    if (!window.enabled) {
        return QCoreApplication::translate(
            "Settings", "Breaks can interrupt at any hour, including overnight. Turn this "
                        "on to keep the full-screen break inside your working day.");
    }
    if (window.startMinute == window.endMinute) {
        return QCoreApplication::translate(
            "Settings", "The start and end match, so breaks can interrupt all day. Set "
                        "different times to create a window.");
    }
    const QString start = timeLabel(window.startMinute, locale);
    const QString end = timeLabel(window.endMinute, locale);
    const QString hours =
        window.endMinute < window.startMinute
            ? QCoreApplication::translate(
                  "Settings", "Breaks only take over the screen between %1 and %2 the next "
                              "morning.")
                  .arg(start, end)
            : QCoreApplication::translate("Settings",
                                          "Breaks only take over the screen between %1 and %2.")
                  .arg(start, end);
    return hours + u' ' +
           QCoreApplication::translate("Settings",
                                       "A break that comes due outside the window waits for it to "
                                       "reopen. Start break now always works.");
}

QString verificationDescription(ExerciseKind exercise, qint64 repetitions) {
    const int count = static_cast<int>(repetitions);
    switch (exercise) {
    case ExerciseKind::overheadRaise:
        return countedText("Settings",
                           "%n overhead raise ends the break. On-device pose tracking follows both "
                           "wrists from below the shoulders to above the head and back.",
                           QT_TRANSLATE_N_NOOP("Settings",
                                               "%n overhead raises end the break. On-device pose "
                                               "tracking follows both wrists from below the "
                                               "shoulders to above the head and back."),
                           count);
    case ExerciseKind::squat:
        break;
    }
    return countedText("Settings",
                       "%n squat ends the break. On-device pose tracking follows your hips, "
                       "knees, and ankles through the full movement.",
                       QT_TRANSLATE_N_NOOP("Settings",
                                           "%n squats end the break. On-device pose tracking "
                                           "follows your hips, knees, and ankles through the "
                                           "full movement."),
                       count);
}
StatusRow notificationStatusRow(NotificationStatus status) {
    using Symbol = StatusRow::Symbol;
    switch (status) {
    case NotificationStatus::notDetermined:
        return {Symbol::info,
                QCoreApplication::translate("Settings", "Choose whether to receive a heads-up"),
                QCoreApplication::translate("Settings", "Enable")};
    case NotificationStatus::denied:
        return {Symbol::warning,
                QCoreApplication::translate("Settings", "Heads-up notifications are off"),
                QCoreApplication::translate("Settings", "Open Notification Settings")};
    case NotificationStatus::authorized:
        return {Symbol::ready,
                QCoreApplication::translate("Settings", "Heads-up notifications are on"),
                {}};
    case NotificationStatus::unknown:
        break;
    }
    return {Symbol::question,
            QCoreApplication::translate("Settings", "Notification status is unavailable"),
            {}};
}

StatusRow cameraAccessRow(CameraAuthorization authorization) {
    using Symbol = StatusRow::Symbol;
    switch (authorization) {
    case CameraAuthorization::authorized:
        return {
            Symbol::ready, QCoreApplication::translate("Settings", "Camera access is ready"), {}};
    case CameraAuthorization::restricted:
    case CameraAuthorization::denied:
        return {Symbol::warning,
                QCoreApplication::translate(
                    "Settings", "Camera access is off. Breaks will use the timed fallback until "
                                "it is enabled."),
                QCoreApplication::translate("Settings", "Open Camera Settings")};
    case CameraAuthorization::notDetermined:
    case CameraAuthorization::unknown:
        break;
    }
    return {Symbol::info,
            QCoreApplication::translate(
                "Settings", "Your system will ask before the first camera-verified break. The "
                            "permission dialog always appears before the full-screen break."),
            {}};
}

QString versionText(const QString& shortVersion, const QString& buildNumber) {
    const QString version = shortVersion.isEmpty() ? QStringLiteral("0.0") : shortVersion;
    if (buildNumber.isEmpty() || buildNumber == version) {
        return version;
    }
    return version + QStringLiteral(" (") + buildNumber + QLatin1Char(')');
}

QString breakHoldNote(const BreakHoldStatus& status) {
    if (status.guarantee == BreakHoldGuarantee::held) {
        return {};
    }
    QString note = QCoreApplication::translate(
        "Settings", "On this desktop a break can be left by switching to another window.");
    switch (status.remedy) {
    case BreakHoldRemedy::enable:
        note += u' ' +
                QCoreApplication::translate(
                    "Settings", "Turn on Quorvantel's desktop extension to keep breaks in front.");
        break;
    case BreakHoldRemedy::logInAgain:
        note += u' ' + QCoreApplication::translate(
                           "Settings", "Log out and back in once so that your desktop finds "
                                       "Quorvantel's extension.");
        break;
    case BreakHoldRemedy::none:
        break;
    }
    if (!status.problem.isEmpty()) {
        QString problem = status.problem.trimmed();
        if (!problem.endsWith(u'.')) {
            problem += u'.';
        }
        note +=
            u' ' + QCoreApplication::translate("Settings", "Your desktop said: %1").arg(problem);
    }
    return note;
}

} // namespace qv::settingsTexts
