// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/services/SoundPlayer.h"

#include "core/services/SoundOutput.h"
#include "core/settings/SettingsKeys.h"
#include "core/storage/KeyValueStore.h"
#include "core/time/TimeSource.h"

namespace qv {

SoundPlayer::SoundPlayer(const KeyValueStore& defaults, TimeSource& time, SoundOutput& output)
    : defaults_(defaults)
    , time_(time)
    , output_(output) {}

void SoundPlayer::playSound(const QString& name) {
    // Only a stored "off" silences; nothing stored means on.
    if (!defaults_.boolean(settingsKeys::soundEnabled).value_or(true)) {
        return;
    }
    output_.play(name, volume);
    release_ = time_.after(releaseAfterQuietSeconds, [this] { output_.release(); });
}

void SoundPlayer::playRepetitionSound() {
    const double now = time_.monotonicSeconds();
    if (lastRepetitionSoundAt_ && now - *lastRepetitionSoundAt_ <= repetitionSpacingSeconds) {
        return;
    }
    lastRepetitionSoundAt_ = now;
    playSound(soundNames::pop);
}

} // namespace qv
