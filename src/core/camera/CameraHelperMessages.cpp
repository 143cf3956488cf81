// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/CameraHelperMessages.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace qv::camerahelper {

namespace {

enum class Kind : std::uint8_t {
    startCapture = 1,
    setPreview,
    stopCapture,
    frameAnalysed = 16,
    runReport,
    heartbeat,
};

// A side of a preview no view asks for; anything larger is a damaged message.
constexpr int maxPreviewSide = 4096;

class Writer {
public:
    Writer(Kind kind) {
        put8(formatVersion);
        put8(static_cast<std::uint8_t>(kind));
    }

    void put8(std::uint8_t value) { bytes_.append(static_cast<char>(value)); }
    void put16(std::uint16_t value) { putLittleEndian(value); }
    void put32(std::uint32_t value) { putLittleEndian(value); }
    void putDouble(double value) { putLittleEndian(std::bit_cast<std::uint64_t>(value)); }
    void putFloat(float value) { putLittleEndian(std::bit_cast<std::uint32_t>(value)); }
    void putText(const QString& text) {
        QByteArray utf8 = text.toUtf8();
        if (utf8.size() > maxTextBytes) {
            // Back to the start of a character, so the cut text is still valid UTF-8.
            qsizetype end = maxTextBytes;
            while (end > 0 && (static_cast<std::uint8_t>(utf8[end]) & 0xC0) == 0x80) {
                --end;
            }
            utf8.truncate(end);
        }
        put16(static_cast<std::uint16_t>(utf8.size()));
        bytes_.append(utf8);
    }
    QByteArray take() { return std::move(bytes_); }

private:
    template <typename T> void putLittleEndian(T value) {
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            put8(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    }

    QByteArray bytes_;
};

// Reads a packet front to back; the first problem sticks, and every later read yields zero.
class Reader {
public:
    explicit Reader(QByteArrayView packet)
        : packet_(packet) {}

    std::uint8_t get8() {
        std::uint8_t value = 0;
        if (take(1)) {
            value = static_cast<std::uint8_t>(packet_[position_ - 1]);
        }
        return value;
    }
    std::uint16_t get16() { return getLittleEndian<std::uint16_t>(); }
    std::uint32_t get32() { return getLittleEndian<std::uint32_t>(); }
    double getDouble() { return std::bit_cast<double>(getLittleEndian<std::uint64_t>()); }
    float getFloat() { return std::bit_cast<float>(getLittleEndian<std::uint32_t>()); }
    QString getText() {
        const std::uint16_t size = get16();
        if (size > maxTextBytes) {
            fail("a text is longer than allowed");
            return {};
        }
        if (!take(size)) {
            return {};
        }
        return QString::fromUtf8(packet_.sliced(position_ - size, size));
    }

    void fail(const char* problem) {
        if (problem_.isEmpty()) {
            problem_ = QString::fromLatin1(problem);
        }
    }
    // The packet held exactly what was read.
    Result<void> finish() {
        if (problem_.isEmpty() && position_ != packet_.size()) {
            fail("bytes follow the end of the message");
        }
        if (!problem_.isEmpty()) {
            return Failure{
                QStringLiteral("The camera helper's message was refused: %1.").arg(problem_)};
        }
        return {};
    }

private:
    bool take(qsizetype count) {
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

    QByteArrayView packet_;
    qsizetype position_ = 0;
    QString problem_;
};

void writePose(Writer& writer, const PoseSnapshot& pose) {
    writer.putDouble(pose.capturedAt);
    std::uint16_t present = 0;
    for (Joint joint : allJoints) {
        if (pose.joint(joint)) {
            present |= static_cast<std::uint16_t>(1u << jointIndex(joint));
        }
    }
    writer.put16(present);
    for (Joint joint : allJoints) {
        if (const auto& value = pose.joint(joint)) {
            writer.putDouble(value->point.x);
            writer.putDouble(value->point.y);
            writer.putFloat(value->confidence);
        }
    }
}

PoseSnapshot readPose(Reader& reader) {
    PoseSnapshot pose(reader.getDouble());
    if (!std::isfinite(pose.capturedAt)) {
        reader.fail("a frame's time is not a number");
    }
    const std::uint16_t present = reader.get16();
    if (present >> jointCount != 0) {
        reader.fail("a frame names joints that do not exist");
    }
    for (Joint joint : allJoints) {
        if ((present & (1u << jointIndex(joint))) == 0) {
            continue;
        }
        PoseJoint value;
        value.point.x = reader.getDouble();
        value.point.y = reader.getDouble();
        value.confidence = reader.getFloat();
        // Positions may lie a little outside the picture, but never at infinity.
        if (!std::isfinite(value.point.x) || !std::isfinite(value.point.y) ||
            std::abs(value.point.x) > 1e6 || std::abs(value.point.y) > 1e6 ||
            !(value.confidence >= 0 && value.confidence <= 1)) {
            reader.fail("a joint lies outside every picture");
        }
        pose.setJoint(joint, value);
    }
    return pose;
}

void writePreview(Writer& writer, const std::optional<PreviewRef>& preview) {
    writer.put8(preview ? 1 : 0);
    if (preview) {
        writer.put32(preview->slot);
        writer.put32(preview->sequence);
        writer.put16(static_cast<std::uint16_t>(preview->width));
        writer.put16(static_cast<std::uint16_t>(preview->height));
    }
}

std::optional<PreviewRef> readPreview(Reader& reader) {
    const std::uint8_t has = reader.get8();
    if (has > 1) {
        reader.fail("a frame's preview mark is neither yes nor no");
    }
    if (has != 1) {
        return std::nullopt;
    }
    PreviewRef preview;
    preview.slot = reader.get32();
    preview.sequence = reader.get32();
    preview.width = reader.get16();
    preview.height = reader.get16();
    if (preview.width <= 0 || preview.height <= 0 || preview.width > maxPreviewSide ||
        preview.height > maxPreviewSide) {
        reader.fail("a preview's size is out of range");
    }
    return preview;
}

struct ToHelperWriter {
    QByteArray operator()(const StartCapture& message) const {
        Writer writer(Kind::startCapture);
        writer.put8(message.deviceID ? 1 : 0);
        writer.putText(message.deviceID.value_or(QString()));
        return writer.take();
    }
    QByteArray operator()(const SetPreview& message) const {
        Writer writer(Kind::setPreview);
        writer.put16(static_cast<std::uint16_t>(std::clamp(message.longerSide, 0, maxPreviewSide)));
        return writer.take();
    }
    QByteArray operator()(const StopCapture&) const { return Writer(Kind::stopCapture).take(); }
};

struct FromHelperWriter {
    QByteArray operator()(const FrameAnalysed& message) const {
        Writer writer(Kind::frameAnalysed);
        writePose(writer, message.pose);
        writePreview(writer, message.preview);
        return writer.take();
    }
    QByteArray operator()(const RunReport& message) const {
        Writer writer(Kind::runReport);
        writer.put8(static_cast<std::uint8_t>(message.kind));
        writer.putText(message.text);
        return writer.take();
    }
    QByteArray operator()(const Heartbeat& message) const {
        Writer writer(Kind::heartbeat);
        writer.put8(message.cameraBusy ? 1 : 0);
        return writer.take();
    }
};

// The version and the kind; the kind is 0 (none) after a failure.
Kind readHeader(Reader& reader, QByteArrayView packet) {
    if (packet.size() > maxMessageBytes) {
        reader.fail("it is longer than any message");
        return Kind{0};
    }
    const std::uint8_t version = reader.get8();
    const auto kind = static_cast<Kind>(reader.get8());
    if (version != formatVersion) {
        reader.fail("it is of another version of the format");
        return Kind{0};
    }
    return kind;
}

bool readFlag(Reader& reader) {
    const std::uint8_t flag = reader.get8();
    if (flag > 1) {
        reader.fail("a yes-or-no field holds another value");
    }
    return flag == 1;
}

template <typename T, typename Message> Result<T> finished(Reader& reader, Message message) {
    if (Result<void> status = reader.finish(); !status) {
        return Failure{status.error()};
    }
    return T(std::move(message));
}

} // namespace

QByteArray encode(const ToHelper& message) {
    return std::visit(ToHelperWriter{}, message);
}

QByteArray encode(const FromHelper& message) {
    return std::visit(FromHelperWriter{}, message);
}

Result<ToHelper> decodeToHelper(QByteArrayView packet) {
    Reader reader(packet);
    switch (readHeader(reader, packet)) {
    case Kind::startCapture: {
        const bool hasDevice = readFlag(reader);
        QString device = reader.getText();
        StartCapture message;
        if (hasDevice) {
            message.deviceID = std::move(device);
        }
        return finished<ToHelper>(reader, std::move(message));
    }
    case Kind::setPreview: {
        const int side = reader.get16();
        if (side > maxPreviewSide) {
            reader.fail("a preview's size is out of range");
        }
        return finished<ToHelper>(reader, SetPreview{side});
    }
    case Kind::stopCapture:
        return finished<ToHelper>(reader, StopCapture{});
    default:
        reader.fail("its kind is unknown");
        return finished<ToHelper>(reader, StopCapture{});
    }
}

Result<FromHelper> decodeFromHelper(QByteArrayView packet) {
    Reader reader(packet);
    switch (readHeader(reader, packet)) {
    case Kind::frameAnalysed: {
        FrameAnalysed message;
        message.pose = readPose(reader);
        message.preview = readPreview(reader);
        return finished<FromHelper>(reader, std::move(message));
    }
    case Kind::runReport: {
        const std::uint8_t kind = reader.get8();
        if (kind > static_cast<std::uint8_t>(RunReport::Kind::diagnostic)) {
            reader.fail("its report kind is unknown");
        }
        RunReport message{static_cast<RunReport::Kind>(kind), reader.getText()};
        return finished<FromHelper>(reader, std::move(message));
    }
    case Kind::heartbeat:
        return finished<FromHelper>(reader, Heartbeat{readFlag(reader)});
    default:
        reader.fail("its kind is unknown");
        return finished<FromHelper>(reader, Heartbeat{});
    }
}

} // namespace qv::camerahelper
