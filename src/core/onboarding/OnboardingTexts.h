// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/onboarding/OnboardingModel.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace qv::onboarding {

// The words the first-launch window shows, worked out from the model and the settings. Pure
// functions, so every rule is checked without a window.

inline constexpr int actCount = OnboardingModel::lastStep + 1;

// Work-interval choices: the wished-for list kept inside the settings' range, without repeats.
QList<qint64> workIntervalPresets();
inline constexpr std::array<qint64, 4> honorDurationPresets{15, 30, 60, 120};
inline constexpr qint64 customIntervalStepMinutes = 5;

// The interval after one press of the custom tile's minus (-1) or plus (+1).
qint64 adjustedCustomInterval(qint64 currentMinutes, int direction);
// The custom tile reads as chosen when the user chose it, or when no preset matches.
bool isCustomIntervalSelected(bool chosenByUser, qint64 currentMinutes);

struct IntervalTileText {
    QString number; // "25", "1"
    QString unit;   // "MINS", "HOUR"
    QString accessibleName;
};
IntervalTileText intervalTileText(qint64 minutes);
QString honorPresetText(qint64 seconds); // "30s", "2 min"
QString honorPresetAccessibleName(qint64 seconds);

QString actIndicator(int step); // "ACT 01"
QString actKicker(int step);    // "ACT 01 / THE DEAL"
QString actAccessibleName(int step, bool isCurrent);
QString forwardButtonText(int step);

QString dealText(qint64 intervalMinutes, qint64 repetitions);
QStringList loopSteps(qint64 repetitions);
QString loopAccessibleName(qint64 repetitions);
// The countdown a fresh cycle of this length shows ("50:00", "1:30:00").
QString cycleCountdownText(qint64 intervalMinutes);

// The practice run's texts, by state.
QString trialSubtitle(OnboardingModel::TrialPhase phase, const QString& failureMessage);
QString cameraStatusLabel(OnboardingModel::CameraState state, const QString& failureMessage);
QString cameraButtonText(OnboardingModel::CameraState state, const QString& failureMessage);
QString coachingCue(StatusKind kind, const QString& feedback);

struct ChecklistRow {
    QString text;
    bool isMet = false;
};
std::array<ChecklistRow, 2> trialChecklist(const std::optional<PoseSnapshot>& pose);

struct Guidance {
    QString heading;
    QString detail;
};
Guidance trialGuidance(OnboardingModel::TrialPhase phase, const std::optional<PoseSnapshot>& pose);

} // namespace qv::onboarding
