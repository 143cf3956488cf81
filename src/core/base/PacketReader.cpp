// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/base/PacketReader.h"

#include <QStringDecoder>
#include <bit>

namespace qv {

std::uint8_t PacketReader::readHeader() {
    if (packet_.size() > format_.maxMessageBytes) {
        fail("it is longer than any message");
        return 0;
    }
    const std::uint8_t version = get8();
    const std::uint8_t kind = get8();
    if (version != format_.version) {
        fail("it is of another version of the format");
        return 0;
    }
    return kind;
}

std::uint8_t PacketReader::get8() {
    std::uint8_t value = 0;
    if (take(1)) {
        value = static_cast<std::uint8_t>(packet_[position_ - 1]);
    }
    return value;
}

double PacketReader::getDouble() {
    return std::bit_cast<double>(getLittleEndian<std::uint64_t>());
}

float PacketReader::getFloat() {
    return std::bit_cast<float>(getLittleEndian<std::uint32_t>());
}

bool PacketReader::getFlag() {
    const std::uint8_t flag = get8();
    if (flag > 1) {
        fail("a yes-or-no field holds another value");
    }
    return flag == 1;
}

QString PacketReader::getText() {
    const std::uint16_t size = get16();
    if (size > format_.maxTextBytes) {
        fail("a text is longer than allowed");
        return {};
    }
    if (!take(size)) {
        return {};
    }
    const QByteArrayView utf8 = packet_.sliced(position_ - size, size);
    if (!format_.strictTexts) {
        return QString::fromUtf8(utf8);
    }
    // A leading byte order mark is part of the text: it must come back as it went.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder(utf8);
    if (decoder.hasError()) {
        fail("a text is not valid UTF-8");
        return {};
    }
    return text;
}

void PacketReader::fail(const char* problem) {
    if (problem_.isEmpty()) {
        problem_ = QString::fromLatin1(problem);
    }
}

Result<void> PacketReader::finish() {
    if (problem_.isEmpty() && position_ != packet_.size()) {
        fail("bytes follow the end of the message");
    }
    if (!problem_.isEmpty()) {
        return Failure{QStringLiteral("%1 was refused: %2.")
                           .arg(QString::fromLatin1(format_.sender), problem_)};
    }
    return {};
}

bool PacketReader::take(qsizetype count) {
    if (!problem_.isEmpty()) {
        return false;
    }
    if (packet_.size() - position_ < count) {
        fail("the message ends early");
        return false;
    }
    position_ += count;
    return true;
}

} // namespace qv
