// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/PulseSoundOutput.h"

#include <QFile>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace qv {

PulseSoundOutput::PulseSoundOutput(QString folder, QByteArray server)
    : folder_(std::move(folder))
    , playback_(std::move(server)) {}

const PcmSound* PulseSoundOutput::sound(const QString& name) {
    if (auto found = sounds_.constFind(name); found != sounds_.constEnd()) {
        return found->has_value() ? &**found : nullptr;
    }
    QFile file(QStringLiteral("%1/%2.wav").arg(folder_, name));
    // A name the program has no file for is skipped quietly, as the interface allows.
    if (!file.exists()) {
        return nullptr;
    }
    std::optional<PcmSound> decoded;
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("quorvantel: The sound \"%s\" could not be read: %s", qPrintable(name),
                 qPrintable(file.errorString()));
    } else if (auto read = decodeWav(file.readAll()); !read) {
        qWarning("quorvantel: The sound \"%s\" is not played. %s", qPrintable(name),
                 qPrintable(read.error()));
    } else {
        decoded = std::move(read).value();
    }
    const auto stored = sounds_.insert(name, std::move(decoded));
    return stored->has_value() ? &**stored : nullptr;
}

void PulseSoundOutput::play(const QString& name, double volume) {
    // Silence is not worth a connection to the sound server.
    if (!(volume > 0.0)) {
        return;
    }
    const PcmSound* decoded = sound(name);
    if (decoded == nullptr) {
        return;
    }
    playback_.play({name, decoded->sampleRate, decoded->channels, decoded->bytesAtVolume(volume)});
}

// Between bursts the decoded sounds go too; the allocator is asked to hand the freed pages
// back, the playing thread's arena among them.
void PulseSoundOutput::release() {
    sounds_.clear();
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

bool PulseSoundOutput::isPlaying() const {
    return playback_.isPlaying();
}

} // namespace qv
