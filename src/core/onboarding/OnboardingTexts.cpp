// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/onboarding/OnboardingTexts.h"

#include "core/scheduling/CountdownText.h"
#include "core/settings/SettingsStore.h"
#include "core/verification/FeedbackCue.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace qv::onboarding {

using CameraState = OnboardingModel::CameraState;
using TrialPhase = OnboardingModel::TrialPhase;

QList<qint64> workIntervalPresets() {
    QList<qint64> presets;
    for (const qint64 wished : {15, 25, 50, 60}) {
        const qint64 minutes = SettingsStore::workIntervalRange.clamp(wished);
        if (!presets.contains(minutes)) {
            presets.append(minutes);
        }
    }
    return presets;
}

qint64 adjustedCustomInterval(qint64 currentMinutes, int direction) {
    const qint64 step = direction < 0 ? -customIntervalStepMinutes : customIntervalStepMinutes;
    return SettingsStore::workIntervalRange.clamp(currentMinutes + step);
}

bool isCustomIntervalSelected(bool chosenByUser, qint64 currentMinutes) {
    return chosenByUser || !workIntervalPresets().contains(currentMinutes);
}

IntervalTileText intervalTileText(qint64 minutes) {
    if (minutes == 60) {
        return {QStringLiteral("1"), QCoreApplication::translate("Onboarding", "HOUR"),
                QCoreApplication::translate("Onboarding", "Every hour")};
    }
    return {QString::number(minutes), QCoreApplication::translate("Onboarding", "MINS"),
            QCoreApplication::translate("Onboarding", "Every %1 minutes").arg(minutes)};
}

QString honorPresetText(qint64 seconds) {
    if (seconds >= 60 && seconds % 60 == 0) {
        return QCoreApplication::translate("Onboarding", "%1 min").arg(seconds / 60);
    }
    return QStringLiteral("%1 s").arg(seconds);
}

QString honorPresetAccessibleName(qint64 seconds) {
    return QCoreApplication::translate("Onboarding", "Timed fallback, %1 seconds").arg(seconds);
}

QString actIndicator(int step) {
    return QCoreApplication::translate("Onboarding", "ACT %1")
        .arg(step + 1, 2, 10, QLatin1Char('0'));
}

QString actKicker(int step) {
    const std::array<QString, actCount> names{
        QCoreApplication::translate("Onboarding", "THE DEAL"),
        QCoreApplication::translate("Onboarding", "THE REHEARSAL"),
        QCoreApplication::translate("Onboarding", "YOUR TERMS"),
        QCoreApplication::translate("Onboarding", "THE PROOF")};
    const int index = std::clamp(step, 0, actCount - 1);
    return QStringLiteral("%1 / %2").arg(actIndicator(index), names[std::size_t(index)]);
}

QString actAccessibleName(int step, bool isCurrent) {
    return isCurrent ? QCoreApplication::translate("Onboarding", "Act %1, current").arg(step + 1)
                     : QCoreApplication::translate("Onboarding", "Act %1").arg(step + 1);
}

QString forwardButtonText(int step) {
    switch (step) {
    case 0:
        return QCoreApplication::translate("Onboarding", "Show me");
    case 1:
        return QCoreApplication::translate("Onboarding", "Set my terms");
    case 2:
        return QCoreApplication::translate("Onboarding", "Lock it in");
    default:
        return QCoreApplication::translate("Onboarding", "Start the timer");
    }
}

QString dealText(qint64 intervalMinutes, qint64 repetitions) {
    return QCoreApplication::translate("Onboarding",
                                       "Every %1 minutes this computer locks itself.\n"
                                       "%2 real squats — counted by your camera — buy it back.")
        .arg(intervalMinutes)
        .arg(repetitions);
}

QStringList loopSteps(qint64 repetitions) {
    return {QCoreApplication::translate("Onboarding", "YOU WORK"),
            QCoreApplication::translate("Onboarding", "COMPUTER LOCKS"),
            QCoreApplication::translate("Onboarding", "%1 SQUATS").arg(repetitions),
            QCoreApplication::translate("Onboarding", "SCREEN'S BACK")};
}

QString loopAccessibleName(qint64 repetitions) {
    return QCoreApplication::translate(
               "Onboarding",
               "The loop: you work, the computer locks, %1 squats, the screen is back.")
        .arg(repetitions);
}

QString cycleCountdownText(qint64 intervalMinutes) {
    return countdownText(static_cast<double>(intervalMinutes) * 60.0);
}

QString trialSubtitle(TrialPhase phase, const QString& failureMessage) {
    switch (phase) {
    case TrialPhase::off:
        if (!failureMessage.isEmpty()) {
            return QCoreApplication::translate(
                "Onboarding",
                "The camera hit a snag. Nothing is locked — retry when you’re ready.");
        }
        [[fallthrough]];
    case TrialPhase::starting:
        return QCoreApplication::translate(
            "Onboarding", "A 20-second proof that the first real break will work.");
    case TrialPhase::framing:
        return QCoreApplication::translate(
            "Onboarding", "Camera is live. Step back until your hips and knees are in frame.");
    case TrialPhase::exercising:
        return QCoreApplication::translate("Onboarding", "It sees you. Go.");
    case TrialPhase::counted:
        break;
    }
    return QString();
}

QString cameraStatusLabel(CameraState state, const QString& failureMessage) {
    if (state == CameraState::requesting) {
        return QCoreApplication::translate("Onboarding", "WAITING FOR YOUR SYSTEM");
    }
    if (!failureMessage.isEmpty()) {
        return QCoreApplication::translate("Onboarding", "CAMERA NEEDS ATTENTION");
    }
    return state == CameraState::granted ? QCoreApplication::translate("Onboarding", "CAMERA READY")
                                         : QCoreApplication::translate("Onboarding", "CAMERA OFF");
}

QString cameraButtonText(CameraState state, const QString& failureMessage) {
    if (state == CameraState::requesting) {
        return QCoreApplication::translate("Onboarding", "Waiting…");
    }
    if (!failureMessage.isEmpty()) {
        return QCoreApplication::translate("Onboarding", "Try again");
    }
    return state == CameraState::granted
               ? QCoreApplication::translate("Onboarding", "Start camera")
               : QCoreApplication::translate("Onboarding", "Allow camera");
}

namespace {

QString cueText(FeedbackCue cue) {
    switch (cue) {
    case FeedbackCue::stepBack:
        return QCoreApplication::translate("Onboarding", "Step back");
    case FeedbackCue::standTall:
        return QCoreApplication::translate("Onboarding", "Stand tall");
    case FeedbackCue::standUp:
        return QCoreApplication::translate("Onboarding", "Stand up");
    case FeedbackCue::squatDown:
    case FeedbackCue::raiseArms:
    case FeedbackCue::lowerArms:
        break;
    }
    return QCoreApplication::translate("Onboarding", "Squat down");
}

} // namespace

QString coachingCue(StatusKind kind, const QString& feedback) {
    if (kind == StatusKind::cameraPaused) {
        return QCoreApplication::translate("Onboarding", "Camera paused");
    }
    if (kind == StatusKind::coaching) {
        if (const auto cue = feedbackCue(feedback)) {
            return cueText(*cue);
        }
    }
    // The other camera notices are news, not something to do.
    return QCoreApplication::translate("Onboarding", "Squat down");
}

std::array<ChecklistRow, 2> trialChecklist(const std::optional<PoseSnapshot>& pose) {
    return {{
        {QCoreApplication::translate("Onboarding", "One clear leg detected"),
         pose && !pose->availableLegs().empty()},
        {QCoreApplication::translate("Onboarding", "Hip, knee & ankle in frame"),
         pose && pose->hasFramedLeg()},
    }};
}

Guidance trialGuidance(TrialPhase phase, const std::optional<PoseSnapshot>& pose) {
    if (phase == TrialPhase::exercising) {
        return {QCoreApplication::translate("Onboarding", "Squat once"),
                QCoreApplication::translate("Onboarding",
                                            "Down, then fully upright. You’ll see it count.")};
    }
    if (phase == TrialPhase::framing || (pose && !pose->availableLegs().empty())) {
        return {QCoreApplication::translate("Onboarding", "ONE FULL LEG IN FRAME"),
                QCoreApplication::translate("Onboarding",
                                            "Keep one hip, knee and ankle clearly visible.")};
    }
    return {QCoreApplication::translate("Onboarding", "GET IN FRAME"),
            QCoreApplication::translate("Onboarding",
                                        "A side view works. Keep one full leg inside the guide.")};
}

} // namespace qv::onboarding
