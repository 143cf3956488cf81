// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/breakscreen/BreakOverlayModel.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace qv::breakscreen {

// The words and numbers the break screen shows, worked out from the model's fields. Pure
// functions, so every rule can be checked without a screen.

// Design size of the break screen's content; smaller screens scale it down, never below 55 %.
inline constexpr double designWidth = 1240;
inline constexpr double designHeight = 640;
inline constexpr double minimumLayoutScale = 0.55;
double layoutScale(double width, double height);

// The line that offers other ways out of framing shows for this long; then the buttons do.
inline constexpr double otherWaysDelaySeconds = 20;
// Whole seconds until the other ways show, never 0; none outside framing or once shown.
std::optional<int> fallbackCountdown(BreakOverlayModel::Mode mode, double framingElapsed);

// The safety release's upper bound that the exhausted escape control promises.
int autoReleaseMinutes(int totalSeconds);

QString heading(BreakOverlayModel::Mode mode);

struct ChecklistRow {
    QString text;
    bool isMet = false;
};
QString framingHint(ExerciseKind kind, const std::optional<PoseSnapshot>& pose);
std::array<ChecklistRow, 2> framingChecklist(ExerciseKind kind,
                                             const std::optional<PoseSnapshot>& pose);

// The one short cue the counting screen shows for the engine's latest message.
QString coachingHeadline(ExerciseKind kind, StatusKind statusKind, const QString& statusMessage);

QString exercisePlural(ExerciseKind kind); // "Squats", "Overhead Raises"
QString counterAccessibleText(int repetitions, int target, ExerciseKind kind);
QString summaryText(const SuccessSummary& summary, ExerciseKind kind);
QString streakText(int streakDays); // empty below one day

// Whole percent of the timed break done, 0 … 100.
int honorPercent(double honorProgress);

// The line under the title reads subtitle, then the chord's keys, then remainingText. The keys
// are names, not symbols, so the view can draw each as a cap whatever the desktop's font holds.
struct EscapeTexts {
    QString title;
    QString subtitle;
    QStringList chordKeys; // empty once no escapes are left
    QString remainingText; // empty once no escapes are left
    QString accessibleName;
    QString accessibleDescription;
};
// holdSecondsLeft is set while the control is being held.
EscapeTexts escapeTexts(int escapesRemaining, int autoReleaseMinutes,
                        std::optional<int> holdSecondsLeft);

} // namespace qv::breakscreen
