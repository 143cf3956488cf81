// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/onboarding/OnboardingTexts.h"

#include "core/scheduling/CountdownText.h"
#include "core/settings/SettingsStore.h"

#include <QStringList>
#include <algorithm>
#include <vector>

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
        return {QStringLiteral("1"), QStringLiteral("HOUR"), QStringLiteral("Every hour")};
    }
    return {QString::number(minutes), QStringLiteral("MINS"),
            QStringLiteral("Every %1 minutes").arg(minutes)};
}

QString honorPresetText(qint64 seconds) {
    if (seconds >= 60 && seconds % 60 == 0) {
        return QStringLiteral("%1 min").arg(seconds / 60);
    }
    return QStringLiteral("%1 s").arg(seconds);
}

QString honorPresetAccessibleName(qint64 seconds) {
    return QStringLiteral("Timed fallback, %1 seconds").arg(seconds);
}

QString actIndicator(int step) {
    return QStringLiteral("ACT %1").arg(step + 1, 2, 10, QLatin1Char('0'));
}

QString actKicker(int step) {
    static const std::array<QString, actCount> names{
        QStringLiteral("THE DEAL"), QStringLiteral("THE REHEARSAL"), QStringLiteral("YOUR TERMS"),
        QStringLiteral("THE PROOF")};
    const int index = std::clamp(step, 0, actCount - 1);
    return actIndicator(index) + QStringLiteral(" / ") + names[std::size_t(index)];
}

QString actAccessibleName(int step, bool isCurrent) {
    const QString name = QStringLiteral("Act %1").arg(step + 1);
    return isCurrent ? name + QStringLiteral(", current") : name;
}

QString forwardButtonText(int step) {
    switch (step) {
    case 0:
        return QStringLiteral("Show me");
    case 1:
        return QStringLiteral("Set my terms");
    case 2:
        return QStringLiteral("Lock it in");
    default:
        return QStringLiteral("Start the timer");
    }
}

QString dealText(qint64 intervalMinutes, qint64 repetitions) {
    return QStringLiteral("Every %1 minutes this computer locks itself.\n"
                          "%2 real squats — counted by your camera — buy it back.")
        .arg(intervalMinutes)
        .arg(repetitions);
}

QStringList loopSteps(qint64 repetitions) {
    return {QStringLiteral("YOU WORK"), QStringLiteral("COMPUTER LOCKS"),
            QStringLiteral("%1 SQUATS").arg(repetitions), QStringLiteral("SCREEN'S BACK")};
}

QString loopAccessibleName(qint64 repetitions) {
    return QStringLiteral("The loop: you work, the computer locks, %1 squats, the screen is back.")
        .arg(repetitions);
}

QString cycleCountdownText(qint64 intervalMinutes) {
    return countdownText(static_cast<double>(intervalMinutes) * 60.0);
}

QString trialSubtitle(TrialPhase phase, const QString& failureMessage) {
    switch (phase) {
    case TrialPhase::off:
        if (!failureMessage.isEmpty()) {
            return QStringLiteral(
                "The camera hit a snag. Nothing is locked — retry when you’re ready.");
        }
        [[fallthrough]];
    case TrialPhase::starting:
        return QStringLiteral("A 20-second proof that the first real break will work.");
    case TrialPhase::framing:
        return QStringLiteral("Camera is live. Step back until your hips and knees are in frame.");
    case TrialPhase::exercising:
        return QStringLiteral("It sees you. Go.");
    case TrialPhase::counted:
        break;
    }
    return QString();
}

QString cameraStatusLabel(CameraState state, const QString& failureMessage) {
    if (state == CameraState::requesting) {
        return QStringLiteral("WAITING FOR YOUR SYSTEM");
    }
    if (!failureMessage.isEmpty()) {
        return QStringLiteral("CAMERA NEEDS ATTENTION");
    }
    return state == CameraState::granted ? QStringLiteral("CAMERA READY")
                                         : QStringLiteral("CAMERA OFF");
}

QString cameraButtonText(CameraState state, const QString& failureMessage) {
    if (state == CameraState::requesting) {
        return QStringLiteral("Waiting…");
    }
    if (!failureMessage.isEmpty()) {
        return QStringLiteral("Try again");
    }
    return state == CameraState::granted ? QStringLiteral("Start camera")
                                         : QStringLiteral("Allow camera");
}

QString coachingCue(const QString& feedback) {
    struct Rule {
        std::vector<const char*> words;
        const char* cue;
    };
    static const Rule rules[] = {
        {{"lower", "deeper", "hip"}, "Go lower"},
        {{"stand tall", "calibrat", "upright"}, "Stand tall"},
        {{"stand up", "rise", "extend"}, "Stand up"},
        {{"step back", "frame", "camera"}, "Step back"},
        {{"hold"}, "Hold"},
    };
    const QString text = feedback.toLower();
    for (const Rule& rule : rules) {
        for (const char* word : rule.words) {
            if (text.contains(QLatin1String(word))) {
                return QString::fromUtf8(rule.cue);
            }
        }
    }
    return QStringLiteral("Squat down");
}

std::array<ChecklistRow, 2> trialChecklist(const std::optional<PoseSnapshot>& pose) {
    return {{
        {QStringLiteral("One clear leg detected"), pose && !pose->availableLegs().empty()},
        {QStringLiteral("Hip, knee & ankle in frame"), pose && pose->hasFramedLeg()},
    }};
}

Guidance trialGuidance(TrialPhase phase, const std::optional<PoseSnapshot>& pose) {
    if (phase == TrialPhase::exercising) {
        return {QStringLiteral("Squat once"),
                QStringLiteral("Down, then fully upright. You’ll see it count.")};
    }
    if (phase == TrialPhase::framing || (pose && !pose->availableLegs().empty())) {
        return {QStringLiteral("ONE FULL LEG IN FRAME"),
                QStringLiteral("Keep one hip, knee and ankle clearly visible.")};
    }
    return {QStringLiteral("GET IN FRAME"),
            QStringLiteral("A side view works. Keep one full leg inside the guide.")};
}

} // namespace qv::onboarding
