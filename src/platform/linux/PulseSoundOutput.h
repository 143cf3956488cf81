// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/media/WavSound.h"
#include "core/services/SoundOutput.h"
#include "platform/linux/PulsePlayback.h"

#include <QHash>
#include <optional>

namespace qv {

// The application's sounds, WAV files played straight on the sound server. Only a burst of
// sounds is connected to the server (see PulsePlayback); the decoded files stay until
// release().
class PulseSoundOutput final : public SoundOutput {
public:
    // folder holds <name>.wav; server is the sound server's address, empty for the default.
    explicit PulseSoundOutput(QString folder = QStringLiteral(":/sounds"), QByteArray server = {});

    void play(const QString& name, double volume) override;
    void release() override;

    // True while sounds are connecting or playing.
    bool isPlaying() const;

private:
    const PcmSound* sound(const QString& name);

    const QString folder_;
    // A file that could not be read is remembered as such, so it is reported once.
    QHash<QString, std::optional<PcmSound>> sounds_;
    PulsePlayback playback_;
};

} // namespace qv
