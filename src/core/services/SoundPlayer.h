#pragma once

#include <QString>
#include <optional>

namespace qv {

class KeyValueStore;
class SoundOutput;
class TimeSource;

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
class SoundPlayer {
public:
    static constexpr double volume = 0.6;
    static constexpr double repetitionSpacingSeconds = 0.2;

    SoundPlayer(const KeyValueStore& defaults, const TimeSource& time, SoundOutput& output);

    void playSound(const QString& name);
    // "Pop", at most once per repetitionSpacingSeconds: quick repetitions would blur into noise.
    void playRepetitionSound();

private:
    const KeyValueStore& defaults_;
    const TimeSource& time_;
    SoundOutput& output_;
    std::optional<double> lastRepetitionSoundAt_;
};

} // namespace qv
