// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/media/WavSound.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

QByteArray littleEndian(std::uint32_t value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i) {
        out.append(static_cast<char>((value >> (8 * i)) & 0xffU));
    }
    return out;
}

QByteArray chunk(const char* id, const QByteArray& body) {
    QByteArray out =
        QByteArray(id) + littleEndian(static_cast<std::uint32_t>(body.size()), 4) + body;
    return body.size() % 2 == 0 ? out : out + '\0';
}

QByteArray fmt(int channels, int bits = 16, int tag = 1, int blockAlign = -1) {
    const int align = blockAlign >= 0 ? blockAlign : channels * bits / 8;
    return chunk("fmt ", littleEndian(tag, 2) + littleEndian(channels, 2) + littleEndian(8000, 4) +
                             littleEndian(8000 * align, 4) + littleEndian(align, 2) +
                             littleEndian(bits, 2));
}

QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + littleEndian(static_cast<std::uint32_t>(chunks.size() + 4), 4) + "WAVE" +
           chunks;
}

// Two stereo frames: 1, -2 | 32767, -32768.
const QByteArray samples = littleEndian(1, 2) + littleEndian(0xfffe, 2) + littleEndian(0x7fff, 2) +
                           littleEndian(0x8000, 2);

TEST(WavSound, ReadsSamplesPastOtherChunksAndIgnoresBytesAfterTheEnd) {
    const QByteArray file = riff(chunk("LIST", "odd") + fmt(2) + chunk("data", samples)) + "junk";
    const auto sound = qv::decodeWav(file);
    ASSERT_TRUE(sound.ok()) << sound.error().toStdString();
    EXPECT_EQ(sound->channels, 2);
    EXPECT_EQ(sound->sampleRate, 8000);
    EXPECT_EQ(sound->samples, (std::vector<std::int16_t>{1, -2, 32767, -32768}));
    EXPECT_DOUBLE_EQ(sound->seconds(), 2.0 / 8000);

    const QByteArray half = sound->bytesAtVolume(0.5);
    EXPECT_EQ(half, littleEndian(1, 2) + littleEndian(0xffff, 2) + littleEndian(16384, 2) +
                        littleEndian(0xc000, 2));
    EXPECT_EQ(sound->bytesAtVolume(0.0), QByteArray(8, '\0'));
    EXPECT_EQ(sound->bytesAtVolume(2.0), samples);
}

TEST(WavSound, RefusesDamagedFiles) {
    const QByteArray whole = riff(fmt(2) + chunk("data", samples));
    QByteArray overlong = riff(fmt(2) + chunk("data", samples));
    overlong.replace(overlong.size() - 12, 4, littleEndian(0xfffffff0U, 4));
    const std::vector<std::pair<std::string, QByteArray>> damaged = {
        {"empty", {}},
        {"not RIFF", "RIFX" + whole.mid(4)},
        {"truncated", whole.chopped(3)},
        {"data chunk longer than the file", overlong},
        {"header cut inside a chunk", riff(fmt(2) + "dat")},
        {"samples before format", riff(chunk("data", samples) + fmt(2))},
        {"8-bit", riff(fmt(2, 8) + chunk("data", samples))},
        {"no channels", riff(fmt(0, 16, 1, 4) + chunk("data", samples))},
        {"frame size not the channels'", riff(fmt(2, 16, 1, 2) + chunk("data", samples))},
        {"half a frame", riff(fmt(2) + chunk("data", samples.chopped(2)))},
        {"two formats", riff(fmt(2) + fmt(1) + chunk("data", samples))},
        {"no data", riff(fmt(2))},
    };
    for (const auto& [name, file] : damaged) {
        const auto sound = qv::decodeWav(file);
        EXPECT_FALSE(sound.ok()) << name;
        EXPECT_FALSE(sound.error().isEmpty()) << name;
    }
}

} // namespace
