// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/PacketFormat.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace qv {

// Builds one packet of a format: the header first, then the fields in the order put.
class PacketWriter {
public:
    PacketWriter(const PacketFormat& format, std::uint8_t kind);

    void put8(std::uint8_t value) { bytes_.append(static_cast<char>(value)); }
    void put16(std::uint16_t value) { putLittleEndian(value); }
    void put32(std::uint32_t value) { putLittleEndian(value); }
    void putDouble(double value);
    void putFloat(float value);
    void putFlag(bool value) { put8(value ? 1 : 0); }
    // Cut to the format's longest text at a character boundary, so it stays valid UTF-8.
    void putText(const QString& text);
    QByteArray take() { return std::move(bytes_); }

private:
    template <typename T> void putLittleEndian(T value) {
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            put8(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    }

    int maxTextBytes_;
    QByteArray bytes_;
};

} // namespace qv
