// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/services/SoundOutput.h"

#include <QHash>
#include <memory>

class QSoundEffect;

namespace qv {

// The application's sounds through Qt Multimedia, from the WAV files built into the program.
class MultimediaSoundOutput final : public SoundOutput {
public:
    MultimediaSoundOutput();
    ~MultimediaSoundOutput() override;

    void play(const QString& name, double volume) override;
    void release() override;

    // False when the system offers no audio output at all.
    static bool hasAudioOutput();

private:
    void prepare();
    QSoundEffect* effect(const QString& name);

    QHash<QString, std::shared_ptr<QSoundEffect>> effects_;
};

} // namespace qv
