// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingsui/SettingsTexts.h"

#include "core/scheduling/ActiveHours.h"

namespace qv::settingsTexts {

QString minutesValue(qint64 minutes) {
    return QString::number(minutes) + QStringLiteral(" min");
}

QString secondsValue(qint64 seconds) {
    return QString::number(seconds) + QStringLiteral(" sec");
}

QString countValue(qint64 count) {
    return QString::number(count);
}

QString activeHoursExplanation(const ActiveHoursWindow& window, const QLocale& locale) {
    if (!window.enabled) {
        return QStringLiteral("Breaks can interrupt at any hour, including overnight. Turn this "
                              "on to keep the full-screen break inside your working day.");
    }
    if (window.startMinute == window.endMinute) {
        return QStringLiteral("The start and end match, so breaks can interrupt all day. Set "
                              "different times to create a window.");
    }
    const QString nextMorning =
        window.endMinute < window.startMinute ? QStringLiteral(" the next morning") : QString();
    return QStringLiteral("Breaks only take over the screen between ") +
           timeLabel(window.startMinute, locale) + QStringLiteral(" and ") +
           timeLabel(window.endMinute, locale) + nextMorning +
           QStringLiteral(". A break that comes due outside the window waits for it to reopen. "
                          "Start break now always works.");
}

QString verificationDescription(ExerciseKind exercise, qint64 repetitions) {
    const QString count = QString::number(repetitions);
    switch (exercise) {
    case ExerciseKind::overheadRaise:
        return count + QStringLiteral(" overhead raises end the break. On-device pose tracking "
                                      "follows both wrists from below the shoulders to above "
                                      "the head and back.");
    case ExerciseKind::squat:
        break;
    }
    return count + QStringLiteral(" squats end the break. On-device pose tracking follows your "
                                  "hips, knees, and ankles through the full movement.");
}

StatusRow notificationStatusRow(NotificationStatus status) {
    using Symbol = StatusRow::Symbol;
    switch (status) {
    case NotificationStatus::notDetermined:
        return {Symbol::info, QStringLiteral("Choose whether to receive a heads-up"),
                QStringLiteral("Enable")};
    case NotificationStatus::denied:
        return {Symbol::warning, QStringLiteral("Heads-up notifications are off"),
                QStringLiteral("Open Notification Settings")};
    case NotificationStatus::authorized:
        return {Symbol::ready, QStringLiteral("Heads-up notifications are on"), {}};
    case NotificationStatus::unknown:
        break;
    }
    return {Symbol::question, QStringLiteral("Notification status is unavailable"), {}};
}

StatusRow cameraAccessRow(CameraAuthorization authorization) {
    using Symbol = StatusRow::Symbol;
    switch (authorization) {
    case CameraAuthorization::authorized:
        return {Symbol::ready, QStringLiteral("Camera access is ready"), {}};
    case CameraAuthorization::restricted:
    case CameraAuthorization::denied:
        return {Symbol::warning,
                QStringLiteral("Camera access is off. Breaks will use the timed fallback until "
                               "it is enabled."),
                QStringLiteral("Open Camera Settings")};
    case CameraAuthorization::notDetermined:
    case CameraAuthorization::unknown:
        break;
    }
    return {Symbol::info,
            QStringLiteral("Your system will ask before the first camera-verified break. The "
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
    QString note =
        QStringLiteral("On this desktop a break can be left by switching to another window.");
    switch (status.remedy) {
    case BreakHoldRemedy::enable:
        note += QStringLiteral(" Turn on Quorvantel's desktop extension to keep breaks in front.");
        break;
    case BreakHoldRemedy::logInAgain:
        note += QStringLiteral(" Log out and back in once so that your desktop finds "
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
        note += QStringLiteral(" Your desktop said: ") + problem;
    }
    return note;
}

} // namespace qv::settingsTexts
