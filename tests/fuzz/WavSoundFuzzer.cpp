// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary files to the WAV reader the sounds are played from. Beyond crashes and
// sanitizer reports it checks that a file read is one an audio output can take as it is.
#include "FuzzRequire.h"
#include "core/media/WavSound.h"

#include <cstdint>

using qv::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto sound = qv::decodeWav(QByteArrayView(data, static_cast<qsizetype>(size)));
    if (!sound) {
        require(!sound.error().isEmpty());
        return 0;
    }
    require(sound->channels > 0 && sound->sampleRate > 0);
    require(!sound->samples.empty() && sound->samples.size() % sound->channels == 0);
    // Never more samples than the file had bytes for.
    require(sound->samples.size() * 2 <= size);
    require(sound->bytesAtVolume(0.5).size() == static_cast<qsizetype>(sound->samples.size() * 2));
    return 0;
}
