// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/breakscreen/BreakScreenTexts.h"

#include "core/base/CountedText.h"
#include "core/verification/FeedbackCue.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace qv::breakscreen {

namespace {

using Mode = BreakOverlayModel::Mode;

bool bothConfident(const PoseSnapshot& pose, Joint left, Joint right) {
    return pose.confidentJoint(left).has_value() && pose.confidentJoint(right).has_value();
}

bool shouldersInFrame(const PoseSnapshot& pose) {
    return bothConfident(pose, Joint::leftShoulder, Joint::rightShoulder);
}

bool handsVisible(const PoseSnapshot& pose) {
    return bothConfident(pose, Joint::leftElbow, Joint::rightElbow) &&
           bothConfident(pose, Joint::leftWrist, Joint::rightWrist);
}

QString idleHeadline(ExerciseKind kind) {
    return kind == ExerciseKind::overheadRaise
               ? QCoreApplication::translate("BreakScreen", "Raise both arms")
               : QCoreApplication::translate("BreakScreen", "Squat down");
}

QString cueHeadline(FeedbackCue cue) {
    switch (cue) {
    case FeedbackCue::stepBack:
        return QCoreApplication::translate("BreakScreen", "Step back");
    case FeedbackCue::standTall:
        return QCoreApplication::translate("BreakScreen", "Stand tall");
    case FeedbackCue::squatDown:
        return QCoreApplication::translate("BreakScreen", "Squat down");
    case FeedbackCue::standUp:
        return QCoreApplication::translate("BreakScreen", "Stand up");
    case FeedbackCue::raiseArms:
        return QCoreApplication::translate("BreakScreen", "Reach higher");
    case FeedbackCue::lowerArms:
        break;
    }
    return QCoreApplication::translate("BreakScreen", "Lower arms");
}

} // namespace

double layoutScale(double width, double height) {
    if (width >= designWidth && height >= designHeight) {
        return 1;
    }
    return std::max(minimumLayoutScale, std::min(width / designWidth, height / designHeight));
}

std::optional<int> fallbackCountdown(Mode mode, double framingElapsed) {
    if (mode != Mode::framing || !(framingElapsed < otherWaysDelaySeconds)) {
        return std::nullopt;
    }
    return std::max(static_cast<int>(std::ceil(otherWaysDelaySeconds - framingElapsed)), 1);
}

int autoReleaseMinutes(int totalSeconds) {
    const int seconds = std::max(totalSeconds + 30, 180);
    return (seconds + 59) / 60;
}

QString heading(Mode mode) {
    switch (mode) {
    case Mode::preparing:
        return QCoreApplication::translate("BreakScreen", "OPENING CAMERA");
    case Mode::permission:
        return QCoreApplication::translate("BreakScreen", "CAMERA SETUP");
    case Mode::framing:
        return QCoreApplication::translate("BreakScreen", "GET IN FRAME");
    case Mode::exercise:
        return QCoreApplication::translate("BreakScreen", "BREAK IN PROGRESS");
    case Mode::honor:
        return QCoreApplication::translate("BreakScreen", "TIMED BREAK");
    case Mode::success:
        return QCoreApplication::translate("BreakScreen", "BREAK COMPLETE");
    }
    return {};
}

QString framingHint(ExerciseKind kind, const std::optional<PoseSnapshot>& pose) {
    if (kind == ExerciseKind::overheadRaise) {
        if (!pose) {
            return QCoreApplication::translate("BreakScreen", "Face the camera");
        }
        if (!shouldersInFrame(*pose) || !handsVisible(*pose)) {
            return QCoreApplication::translate("BreakScreen", "Show shoulders and hands");
        }
        return QCoreApplication::translate("BreakScreen", "Hold still");
    }
    if (!pose) {
        return QCoreApplication::translate("BreakScreen", "Step back");
    }
    if (pose->availableLegs().empty()) {
        return QCoreApplication::translate("BreakScreen", "Show your legs");
    }
    return QCoreApplication::translate("BreakScreen", "Hold still");
}

std::array<ChecklistRow, 2> framingChecklist(ExerciseKind kind,
                                             const std::optional<PoseSnapshot>& pose) {
    if (kind == ExerciseKind::overheadRaise) {
        return {ChecklistRow{QCoreApplication::translate("BreakScreen", "Shoulders in frame"),
                             pose && shouldersInFrame(*pose)},
                ChecklistRow{QCoreApplication::translate("BreakScreen", "Both hands visible"),
                             pose && handsVisible(*pose)}};
    }
    return {ChecklistRow{QCoreApplication::translate("BreakScreen", "One full leg tracked"),
                         pose && !pose->availableLegs().empty()},
            ChecklistRow{QCoreApplication::translate("BreakScreen", "Hip, knee & ankle clear"),
                         pose && pose->hasFramedLeg()}};
}

QString coachingHeadline(ExerciseKind kind, StatusKind statusKind, const QString& statusMessage) {
    if (statusKind == StatusKind::cameraPaused) {
        return QCoreApplication::translate("BreakScreen", "Camera paused");
    }
    if (statusKind == StatusKind::coaching) {
        if (const auto cue = feedbackCue(statusMessage)) {
            return cueHeadline(*cue);
        }
    }
    // The other camera notices are news for the status line, not something to do.
    return idleHeadline(kind);
}

QString exercisePlural(ExerciseKind kind) {
    return kind == ExerciseKind::overheadRaise
               ? QCoreApplication::translate("BreakScreen", "Overhead Raises")
               : QCoreApplication::translate("BreakScreen", "Squats");
}

QString counterAccessibleText(int repetitions, int target, ExerciseKind kind) {
    return QCoreApplication::translate("BreakScreen", "%1 of %2 %3 complete",
                                       "repetitions done of the target, then the exercise's name")
        .arg(repetitions)
        .arg(target)
        .arg(exercisePlural(kind));
}

QString summaryText(const SuccessSummary& summary, ExerciseKind kind) {
    if (!summary.wasVerified) {
        return QCoreApplication::translate("BreakScreen", "Timed break finished");
    }
    if (kind == ExerciseKind::overheadRaise) {
        return countedText("BreakScreen", "%n overhead raise completed",
                           QT_TRANSLATE_N_NOOP("BreakScreen", "%n overhead raises completed"),
                           summary.repetitions);
    }
    return countedText("BreakScreen", "%n squat completed",
                       QT_TRANSLATE_N_NOOP("BreakScreen", "%n squats completed"),
                       summary.repetitions);
}

QString streakText(int streakDays) {
    if (streakDays < 1) {
        return {};
    }
    return countedText("BreakScreen", "%n day streak",
                       QT_TRANSLATE_N_NOOP("BreakScreen", "%n day streak"), streakDays);
}

int honorPercent(double honorProgress) {
    if (!(honorProgress > 0)) {
        return 0;
    }
    return static_cast<int>(std::min(honorProgress, 1.0) * 100);
}

EscapeTexts escapeTexts(int escapesRemaining, int autoReleaseMinutes,
                        std::optional<int> holdSecondsLeft) {
    if (escapesRemaining < 1) {
        return {QCoreApplication::translate("BreakScreen", "EXIT LIMIT REACHED"),
                QCoreApplication::translate("BreakScreen", "Auto-release ≤ %1 min")
                    .arg(autoReleaseMinutes),
                {},
                {},
                QCoreApplication::translate(
                    "BreakScreen", "Emergency escape daily limit reached. This break automatically "
                                   "releases within %1 minutes.")
                    .arg(autoReleaseMinutes),
                QCoreApplication::translate(
                    "BreakScreen", "The daily emergency-exit limit has been reached. This break "
                                   "still releases automatically.")};
    }
    return {
        holdSecondsLeft
            ? QCoreApplication::translate("BreakScreen", "KEEP HOLDING · %1S").arg(*holdSecondsLeft)
            : QCoreApplication::translate("BreakScreen", "EMERGENCY EXIT"),
        QCoreApplication::translate("BreakScreen", "Hold 3s"),
        {QCoreApplication::translate("BreakScreen", "Shift", "keyboard key"),
         QCoreApplication::translate("BreakScreen", "Ctrl", "keyboard key"), QStringLiteral("E")},
        QCoreApplication::translate("BreakScreen", "%1 left").arg(escapesRemaining),
        QCoreApplication::translate(
            "BreakScreen", "Emergency escape. Hold for three seconds, or hold Shift Ctrl E for "
                           "three seconds. %1 remaining today. Every break has an automatic "
                           "safety release.")
            .arg(escapesRemaining),
        QCoreApplication::translate("BreakScreen",
                                    "Hold for three seconds to skip this break. You can also hold "
                                    "Shift-Ctrl-E.")};
}

} // namespace qv::breakscreen
