// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/time/TimeSource.h"

#include <QString>
#include <optional>

namespace qv {

class KeyValueStore;
class SoundOutput;

namespace soundNames {
// Counting begins.
inline const QString tink = QStringLiteral("Tink");
// A repetition was counted.
inline const QString pop = QStringLiteral("Pop");
// The break is done.
inline const QString glass = QStringLiteral("Glass");
} // namespace soundNames

// The break's sounds, silenced by the user's sound setting. One instance serves the whole
// application, so the break screen and the onboarding share the repetition throttle.
//
// Sounds come in bursts (a break, the welcome) hours apart, so what they need is given back
// once a burst has been quiet for a while rather than held all day.
class SoundPlayer {
public:
    static constexpr double volume = 0.6;
    static constexpr double repetitionSpacingSeconds = 0.2;
    // Far longer than the gaps between the sounds of one break, so a break prepares once.
    static constexpr double releaseAfterQuietSeconds = 90;

    SoundPlayer(const KeyValueStore& defaults, TimeSource& time, SoundOutput& output);

    void playSound(const QString& name);
    // "Pop", at most once per repetitionSpacingSeconds: quick repetitions would blur into noise.
    void playRepetitionSound();

private:
    const KeyValueStore& defaults_;
    TimeSource& time_;
    SoundOutput& output_;
    std::optional<double> lastRepetitionSoundAt_;
    ScheduledTask release_;
};

} // namespace qv
