// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/FeedbackCue.h"

#include <array>

namespace qv {

namespace {

constexpr std::array allCues = {FeedbackCue::stepBack,  FeedbackCue::standTall,
                                FeedbackCue::squatDown, FeedbackCue::standUp,
                                FeedbackCue::raiseArms, FeedbackCue::lowerArms};

} // namespace

QString feedbackKey(FeedbackCue cue) {
    switch (cue) {
    case FeedbackCue::stepBack:
        return QStringLiteral("Step back");
    case FeedbackCue::standTall:
        return QStringLiteral("Stand tall");
    case FeedbackCue::squatDown:
        return QStringLiteral("Squat down");
    case FeedbackCue::standUp:
        return QStringLiteral("Stand up");
    case FeedbackCue::raiseArms:
        return QStringLiteral("Raise both arms overhead");
    case FeedbackCue::lowerArms:
        break;
    }
    return QStringLiteral("Lower both arms");
}

std::optional<FeedbackCue> feedbackCue(const QString& feedback) {
    for (const FeedbackCue cue : allCues) {
        if (feedback == feedbackKey(cue)) {
            return cue;
        }
    }
    return std::nullopt;
}

} // namespace qv
