// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/base/PacketWriter.h"

#include <bit>

namespace qv {

PacketWriter::PacketWriter(const PacketFormat& format, std::uint8_t kind)
    : maxTextBytes_(format.maxTextBytes) {
    put8(format.version);
    put8(kind);
}

void PacketWriter::putDouble(double value) {
    putLittleEndian(std::bit_cast<std::uint64_t>(value));
}

void PacketWriter::putFloat(float value) {
    putLittleEndian(std::bit_cast<std::uint32_t>(value));
}

void PacketWriter::putText(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    if (utf8.size() > maxTextBytes_) {
        // Back to the start of a character, so the cut text is still valid UTF-8.
        qsizetype end = maxTextBytes_;
        while (end > 0 && (static_cast<std::uint8_t>(utf8[end]) & 0xC0) == 0x80) {
            --end;
        }
        utf8.truncate(end);
    }
    put16(static_cast<std::uint16_t>(utf8.size()));
    bytes_.append(utf8);
}

} // namespace qv
