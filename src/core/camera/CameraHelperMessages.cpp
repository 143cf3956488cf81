// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/CameraHelperMessages.h"

#include "core/base/PacketReader.h"
#include "core/base/PacketWriter.h"
#include "core/verification/PoseCoding.h"

#include <algorithm>

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

constexpr PacketFormat format{"The camera helper's message", formatVersion, maxMessageBytes,
                              maxTextBytes};

class Writer : public PacketWriter {
public:
    explicit Writer(Kind kind)
        : PacketWriter(format, static_cast<std::uint8_t>(kind)) {}
};

class Reader : public PacketReader {
public:
    explicit Reader(QByteArrayView packet)
        : PacketReader(format, packet) {}

    Kind readKind() { return static_cast<Kind>(readHeader()); }
};

struct ToHelperWriter {
    QByteArray operator()(const StartCapture& message) const {
        Writer writer(Kind::startCapture);
        writer.putFlag(message.deviceID.has_value());
        writer.putText(message.deviceID.value_or(QString()));
        writer.put8(static_cast<std::uint8_t>(message.exercise));
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
        writer.putFlag(message.cameraBusy);
        return writer.take();
    }
};

} // namespace

QByteArray encode(const ToHelper& message) {
    return std::visit(ToHelperWriter{}, message);
}

QByteArray encode(const FromHelper& message) {
    return std::visit(FromHelperWriter{}, message);
}

Result<ToHelper> decodeToHelper(QByteArrayView packet) {
    Reader reader(packet);
    switch (reader.readKind()) {
    case Kind::startCapture: {
        const bool hasDevice = reader.getFlag();
        QString device = reader.getText();
        StartCapture message;
        if (hasDevice) {
            message.deviceID = std::move(device);
        }
        if (const std::uint8_t exercise = reader.get8(); exercise < allExerciseKinds.size()) {
            message.exercise = allExerciseKinds[exercise];
        } else {
            reader.fail("an exercise is out of range");
        }
        return finishedMessage<ToHelper>(reader, std::move(message));
    }
    case Kind::setPreview: {
        const int side = reader.get16();
        if (side > maxPreviewSide) {
            reader.fail("a preview's size is out of range");
        }
        return finishedMessage<ToHelper>(reader, SetPreview{side});
    }
    case Kind::stopCapture:
        return finishedMessage<ToHelper>(reader, StopCapture{});
    default:
        reader.fail("its kind is unknown");
        return finishedMessage<ToHelper>(reader, StopCapture{});
    }
}

Result<FromHelper> decodeFromHelper(QByteArrayView packet) {
    Reader reader(packet);
    switch (reader.readKind()) {
    case Kind::frameAnalysed: {
        FrameAnalysed message;
        message.pose = readPose(reader);
        message.preview = readPreview(reader);
        return finishedMessage<FromHelper>(reader, std::move(message));
    }
    case Kind::runReport: {
        const std::uint8_t kind = reader.get8();
        if (kind > static_cast<std::uint8_t>(RunReport::Kind::diagnostic)) {
            reader.fail("its report kind is unknown");
        }
        RunReport message{static_cast<RunReport::Kind>(kind), reader.getText()};
        return finishedMessage<FromHelper>(reader, std::move(message));
    }
    case Kind::heartbeat:
        return finishedMessage<FromHelper>(reader, Heartbeat{reader.getFlag()});
    default:
        reader.fail("its kind is unknown");
        return finishedMessage<FromHelper>(reader, Heartbeat{});
    }
}

} // namespace qv::camerahelper
