// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/MultimediaSoundOutput.h"

#include "core/services/SoundPlayer.h"
#include "platform/common/MultimediaSetup.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace qv {

MultimediaSoundOutput::MultimediaSoundOutput() = default;

MultimediaSoundOutput::~MultimediaSoundOutput() = default;

bool MultimediaSoundOutput::hasAudioOutput() {
    prepareQtMultimedia();
    return !QMediaDevices::audioOutputs().isEmpty();
}

QSoundEffect* MultimediaSoundOutput::effect(const QString& name) {
    if (auto found = effects_.constFind(name); found != effects_.constEnd()) {
        return found->get();
    }
    const QString resource = QStringLiteral(":/sounds/%1.wav").arg(name);
    if (!QFile::exists(resource)) {
        return nullptr;
    }
    auto created = std::make_shared<QSoundEffect>();
    created->setSource(QUrl(QStringLiteral("qrc") + resource));
    effects_.insert(name, created);
    return created.get();
}

// The media stack and the sound server connection stay unloaded until the first sound, since
// a program that waits in the tray all day may never play one. The first sound then decodes
// all of them, so those of a break that follows it are not late; an effect asked to play
// while it is still loading plays once it has loaded.
void MultimediaSoundOutput::prepare() {
    if (!effects_.isEmpty()) {
        return;
    }
    prepareQtMultimedia();
    for (const QString& name : {soundNames::tink, soundNames::pop, soundNames::glass}) {
        effect(name);
    }
}

// Each effect keeps its decoded sound and an audio connection with its own buffer. The
// allocator keeps freed pages for reuse, so they are handed back to the system as well.
void MultimediaSoundOutput::release() {
    effects_.clear();
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

void MultimediaSoundOutput::play(const QString& name, double volume) {
    prepare();
    // With no output an effect can stay "playing" for ever and hold on to the next sounds.
    if (!hasAudioOutput()) {
        return;
    }
    QSoundEffect* sound = effect(name);
    if (sound == nullptr) {
        return;
    }
    // Follows the default device, which may have changed since the last sound.
    sound->setAudioDevice(QMediaDevices::defaultAudioOutput());
    sound->setVolume(static_cast<float>(volume));
    sound->play();
}

} // namespace qv
