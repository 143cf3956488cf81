// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/breakscreen/BreakScreenTexts.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace qv::breakscreen {

namespace {

using Mode = BreakOverlayModel::Mode;

bool containsAny(const QString& text, std::initializer_list<const char16_t*> words) {
    return std::any_of(words.begin(), words.end(),
                       [&text](const char16_t* word) { return text.contains(QStringView(word)); });
}

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
    return kind == ExerciseKind::overheadRaise ? QStringLiteral("Raise both arms")
                                               : QStringLiteral("Squat down");
}

std::optional<QString> overheadRaiseHeadline(const QString& message) {
    if (containsAny(message, {u"lower", u"below", u"reset"})) {
        return QStringLiteral("Lower arms");
    }
    if (containsAny(message, {u"higher", u"above", u"head"})) {
        return QStringLiteral("Reach higher");
    }
    if (containsAny(message, {u"raise", u"lift", u"up"})) {
        return QStringLiteral("Raise arms");
    }
    if (message.contains(u"hold")) {
        return QStringLiteral("Hold");
    }
    if (containsAny(message, {u"frame", u"camera", u"visible"})) {
        return QStringLiteral("Show both hands");
    }
    return std::nullopt;
}

std::optional<QString> generalHeadline(const QString& message) {
    if (containsAny(message, {u"lower", u"deeper", u"hip"})) {
        return QStringLiteral("Go lower");
    }
    if (containsAny(message, {u"stand tall", u"calibrat", u"upright"})) {
        return QStringLiteral("Stand tall");
    }
    if (containsAny(message, {u"stand up", u"rise", u"extend"})) {
        return QStringLiteral("Stand up");
    }
    if (containsAny(message, {u"step back", u"frame", u"camera"})) {
        return QStringLiteral("Step back");
    }
    if (message.contains(u"hold")) {
        return QStringLiteral("Hold");
    }
    if (message.contains(u"squat")) {
        return QStringLiteral("Squat down");
    }
    return std::nullopt;
}

QString firstWords(const QString& message) {
    QString words = message.split(u' ', Qt::SkipEmptyParts).mid(0, 3).join(u' ');
    if (words.isEmpty()) {
        return QStringLiteral("Keep going");
    }
    words[0] = words[0].toUpper();
    return words;
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
        return QStringLiteral("OPENING CAMERA");
    case Mode::permission:
        return QStringLiteral("CAMERA SETUP");
    case Mode::framing:
        return QStringLiteral("GET IN FRAME");
    case Mode::exercise:
        return QStringLiteral("BREAK IN PROGRESS");
    case Mode::honor:
        return QStringLiteral("TIMED BREAK");
    case Mode::success:
        return QStringLiteral("BREAK COMPLETE");
    }
    return {};
}

QString framingHint(ExerciseKind kind, const std::optional<PoseSnapshot>& pose) {
    if (kind == ExerciseKind::overheadRaise) {
        if (!pose) {
            return QStringLiteral("Face the camera");
        }
        if (!shouldersInFrame(*pose) || !handsVisible(*pose)) {
            return QStringLiteral("Show shoulders and hands");
        }
        return QStringLiteral("Hold still");
    }
    if (!pose) {
        return QStringLiteral("Step back");
    }
    if (pose->availableLegs().empty()) {
        return QStringLiteral("Show your legs");
    }
    return QStringLiteral("Hold still");
}

std::array<ChecklistRow, 2> framingChecklist(ExerciseKind kind,
                                             const std::optional<PoseSnapshot>& pose) {
    if (kind == ExerciseKind::overheadRaise) {
        return {ChecklistRow{QStringLiteral("Shoulders in frame"), pose && shouldersInFrame(*pose)},
                ChecklistRow{QStringLiteral("Both hands visible"), pose && handsVisible(*pose)}};
    }
    return {ChecklistRow{QStringLiteral("One full leg tracked"),
                         pose && !pose->availableLegs().empty()},
            ChecklistRow{QStringLiteral("Hip, knee & ankle clear"), pose && pose->hasFramedLeg()}};
}

QString coachingHeadline(ExerciseKind kind, const QString& statusMessage) {
    const QString message = statusMessage.toLower();
    if (message.isEmpty()) {
        return idleHeadline(kind);
    }
    if (containsAny(message, {u"camera paused", u"camera interrupted"})) {
        return QStringLiteral("Camera paused");
    }
    if (message.contains(u"selected camera") ||
        (message.contains(u"using") && message.contains(u"camera"))) {
        return idleHeadline(kind);
    }
    if (kind == ExerciseKind::overheadRaise) {
        if (auto headline = overheadRaiseHeadline(message)) {
            return *headline;
        }
    }
    if (auto headline = generalHeadline(message)) {
        return *headline;
    }
    return firstWords(message);
}

QString exercisePlural(ExerciseKind kind) {
    return kind == ExerciseKind::overheadRaise ? QStringLiteral("Overhead Raises")
                                               : QStringLiteral("Squats");
}

QString counterAccessibleText(int repetitions, int target, ExerciseKind kind) {
    return QStringLiteral("%1 of %2 %3 complete")
        .arg(repetitions)
        .arg(target)
        .arg(exercisePlural(kind));
}

QString summaryText(const SuccessSummary& summary, ExerciseKind kind) {
    if (!summary.wasVerified) {
        return QStringLiteral("Timed break finished");
    }
    const bool isOne = summary.repetitions == 1;
    const QString name =
        kind == ExerciseKind::overheadRaise
            ? (isOne ? QStringLiteral("overhead raise") : QStringLiteral("overhead raises"))
            : (isOne ? QStringLiteral("squat") : QStringLiteral("squats"));
    return QStringLiteral("%1 %2 completed").arg(summary.repetitions).arg(name);
}

QString streakText(int streakDays) {
    if (streakDays < 1) {
        return {};
    }
    return streakDays == 1 ? QStringLiteral("1 day streak")
                           : QStringLiteral("%1 day streak").arg(streakDays);
}

int honorPercent(double honorProgress) {
    if (!(honorProgress > 0)) {
        return 0;
    }
    return static_cast<int>(std::min(honorProgress, 1.0) * 100);
}

bool mentionsCamera(const QString& statusMessage) {
    return statusMessage.contains(u"camera", Qt::CaseInsensitive);
}

EscapeTexts escapeTexts(int escapesRemaining, int autoReleaseMinutes,
                        std::optional<int> holdSecondsLeft) {
    if (escapesRemaining < 1) {
        return {QStringLiteral("EXIT LIMIT REACHED"),
                QStringLiteral("Auto-release ≤ %1 min").arg(autoReleaseMinutes),
                QStringLiteral("Emergency escape daily limit reached. This break automatically "
                               "releases within %1 minutes.")
                    .arg(autoReleaseMinutes),
                QStringLiteral("The daily emergency-exit limit has been reached. This break "
                               "still releases automatically.")};
    }
    return {holdSecondsLeft ? QStringLiteral("KEEP HOLDING · %1S").arg(*holdSecondsLeft)
                            : QStringLiteral("EMERGENCY EXIT"),
            QStringLiteral("Hold 3s · ⇧Ctrl E · %1 left").arg(escapesRemaining),
            QStringLiteral("Emergency escape. Hold for three seconds, or hold Shift Ctrl E for "
                           "three seconds. %1 remaining today. Every break has an automatic "
                           "safety release.")
                .arg(escapesRemaining),
            QStringLiteral("Hold for three seconds to skip this break. You can also hold "
                           "Shift-Ctrl-E.")};
}

} // namespace qv::breakscreen
