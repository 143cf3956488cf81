// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/media/WavSound.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace qv {

namespace {

constexpr std::uint16_t pcmFormat = 1;
// Beyond what any sound server takes; also keeps a damaged header from asking for more.
constexpr std::uint32_t maxChannels = 32;
constexpr std::uint32_t maxSampleRate = 384'000;

std::uint32_t littleEndian(QByteArrayView bytes, qsizetype at, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + i])) << (8 * i);
    }
    return value;
}

struct Chunk {
    QByteArrayView id;
    QByteArrayView body;
};

// The chunks of a RIFF body in order; empty with a reason when one runs past the end.
Result<std::vector<Chunk>> chunksOf(QByteArrayView body) {
    std::vector<Chunk> chunks;
    qsizetype at = 0;
    while (at < body.size()) {
        if (body.size() - at < 8) {
            return Failure{QStringLiteral("a chunk header is cut off")};
        }
        const std::uint32_t size = littleEndian(body, at + 4, 4);
        if (size > static_cast<std::uint64_t>(body.size() - at - 8)) {
            return Failure{QStringLiteral("the \"%1\" chunk runs past the end of the file")
                               .arg(QString::fromLatin1(body.sliced(at, 4)))};
        }
        chunks.push_back({body.sliced(at, 4), body.sliced(at + 8, size)});
        // Chunks start on even offsets; the pad byte after an odd chunk may be missing at the end.
        at += 8 + static_cast<qsizetype>(size) + (size % 2);
    }
    return chunks;
}

struct Format {
    int channels = 0;
    int sampleRate = 0;
};

Result<Format> formatOf(QByteArrayView fmt) {
    if (fmt.size() < 16) {
        return Failure{QStringLiteral("its format chunk is too short")};
    }
    const auto tag = littleEndian(fmt, 0, 2);
    const auto channels = littleEndian(fmt, 2, 2);
    const auto rate = littleEndian(fmt, 4, 4);
    const auto blockAlign = littleEndian(fmt, 12, 2);
    const auto bits = littleEndian(fmt, 14, 2);
    if (tag != pcmFormat || bits != 16) {
        return Failure{
            QStringLiteral("it is not 16-bit PCM (format %1, %2 bits)").arg(tag).arg(bits)};
    }
    if (channels == 0 || channels > maxChannels || rate == 0 || rate > maxSampleRate) {
        return Failure{QStringLiteral("it has %1 channels at %2 Hz").arg(channels).arg(rate)};
    }
    if (blockAlign != channels * 2) {
        return Failure{QStringLiteral("its frames are %1 bytes for %2 channels")
                           .arg(blockAlign)
                           .arg(channels)};
    }
    return Format{static_cast<int>(channels), static_cast<int>(rate)};
}

Result<PcmSound> decodeChunks(const std::vector<Chunk>& chunks) {
    std::optional<Format> format;
    for (const Chunk& chunk : chunks) {
        if (chunk.id == "fmt ") {
            if (format) {
                return Failure{QStringLiteral("it has two format chunks")};
            }
            auto read = formatOf(chunk.body);
            if (!read) {
                return Failure{read.error()};
            }
            format = *read;
        } else if (chunk.id == "data") {
            if (!format) {
                return Failure{QStringLiteral("its samples come before their format")};
            }
            const qsizetype frameBytes = qsizetype{2} * format->channels;
            if (chunk.body.isEmpty() || chunk.body.size() % frameBytes != 0) {
                return Failure{QStringLiteral("its %1 bytes of samples are not whole frames")
                                   .arg(chunk.body.size())};
            }
            PcmSound sound{format->sampleRate, format->channels, {}};
            sound.samples.resize(static_cast<std::size_t>(chunk.body.size() / 2));
            for (std::size_t i = 0; i < sound.samples.size(); ++i) {
                sound.samples[i] = static_cast<std::int16_t>(
                    static_cast<std::uint16_t>(littleEndian(chunk.body, qsizetype(i) * 2, 2)));
            }
            return sound;
        }
    }
    return Failure{QStringLiteral("it has no samples")};
}

Result<PcmSound> decodeRiff(QByteArrayView file) {
    if (file.size() < 12 || file.first(4) != "RIFF" || file.sliced(8, 4) != "WAVE") {
        return Failure{QStringLiteral("it is not a RIFF/WAVE file")};
    }
    // Whatever follows the declared end is not part of the file; a file shorter than declared
    // lost its end.
    const std::uint32_t riffSize = littleEndian(file, 4, 4);
    if (riffSize < 4 || riffSize > static_cast<std::uint64_t>(file.size() - 8)) {
        return Failure{QStringLiteral("it is %1 bytes long but says it is %2")
                           .arg(file.size())
                           .arg(std::uint64_t{riffSize} + 8)};
    }
    auto chunks = chunksOf(file.sliced(12, riffSize - 4));
    if (!chunks) {
        return Failure{chunks.error()};
    }
    return decodeChunks(*chunks);
}

} // namespace

double PcmSound::seconds() const {
    if (sampleRate <= 0 || channels <= 0) {
        return 0.0;
    }
    return static_cast<double>(samples.size()) / channels / sampleRate;
}

QByteArray PcmSound::bytesAtVolume(double volume) const {
    const double gain = std::clamp(volume, 0.0, 1.0);
    QByteArray bytes(static_cast<qsizetype>(samples.size() * 2), Qt::Uninitialized);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto scaled =
            static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(samples[i] * gain)));
        bytes[qsizetype(i) * 2] = static_cast<char>(scaled & 0xffU);
        bytes[qsizetype(i) * 2 + 1] = static_cast<char>(scaled >> 8);
    }
    return bytes;
}

Result<PcmSound> decodeWav(QByteArrayView file) {
    auto sound = decodeRiff(file);
    if (!sound) {
        return Failure{QStringLiteral("The WAV file was refused: %1.").arg(sound.error())};
    }
    return sound;
}

} // namespace qv
