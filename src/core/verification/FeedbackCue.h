// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace qv {

// What a classifier asks of the user. Its feedback is the cue's fixed English key, which pose
// streams record and replays compare, so a screen shows the cue in the user's language and
// never decides anything from the wording of a sentence.
enum class FeedbackCue { stepBack, standTall, squatDown, standUp, raiseArms, lowerArms };

QString feedbackKey(FeedbackCue cue);
// None for anything that is not a classifier's key (the camera's notices, for one).
std::optional<FeedbackCue> feedbackCue(const QString& feedback);

} // namespace qv
