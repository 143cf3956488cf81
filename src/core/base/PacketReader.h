// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/PacketFormat.h"
#include "core/base/Result.h"

#include <QByteArrayView>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace qv {

// Reads a packet of a format front to back. The first problem sticks: every later read yields
// zero, and finishing names that problem alone.
class PacketReader {
public:
    PacketReader(const PacketFormat& format, QByteArrayView packet)
        : format_(format)
        , packet_(packet) {}

    // The version and the kind; the kind is 0 (none) after a failure.
    std::uint8_t readHeader();

    std::uint8_t get8();
    std::uint16_t get16() { return getLittleEndian<std::uint16_t>(); }
    std::uint32_t get32() { return getLittleEndian<std::uint32_t>(); }
    double getDouble();
    float getFloat();
    bool getFlag();
    QString getText();

    void fail(const char* problem);
    bool failed() const { return !problem_.isEmpty(); }
    // The packet held exactly what was read; otherwise one sentence for the log.
    Result<void> finish();

private:
    bool take(qsizetype count);
    template <typename T> T getLittleEndian() {
        T value = 0;
        if (take(sizeof(T))) {
            for (std::size_t i = 0; i < sizeof(T); ++i) {
                const auto byte = static_cast<std::uint8_t>(packet_[position_ - sizeof(T) + i]);
                value |= static_cast<T>(T(byte) << (8 * i));
            }
        }
        return value;
    }

    PacketFormat format_;
    QByteArrayView packet_;
    qsizetype position_ = 0;
    QString problem_;
};

// The decoded message, or the reader's refusal of the packet it came from.
template <typename Decoded, typename Message>
Result<Decoded> finishedMessage(PacketReader& reader, Message message) {
    if (Result<void> status = reader.finish(); !status) {
        return Failure{status.error()};
    }
    return Decoded(std::move(message));
}

} // namespace qv
