// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <vector>

namespace qv {

// A short sound as 16-bit samples, channels interleaved.
struct PcmSound {
    int sampleRate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;

    double seconds() const;
    // The samples scaled by volume (0 … 1, linear), as little-endian bytes for an audio output.
    QByteArray bytesAtVolume(double volume) const;
};

// Reads a RIFF/WAVE file of 16-bit PCM. The file is not trusted: every chunk must lie inside
// the file and the data must hold whole frames. A failure is one sentence for the log.
Result<PcmSound> decodeWav(QByteArrayView file);

} // namespace qv
