// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/breakscreen/BreakScreenMessages.h"

#include "core/base/PacketReader.h"
#include "core/base/PacketWriter.h"
#include "core/verification/PoseCoding.h"

#include <algorithm>
#include <cmath>

namespace qv::breakscreen {

namespace {

enum class Kind : std::uint8_t {
    show = 1,
    update,
    release,
    previewMemory,
    heartbeat = 16,
    action,
    emergencyKey,
    previewSide,
};

using Mode = BreakOverlayModel::Mode;
using State = BreakOverlayModel::State;

// Ranges no break comes near; anything beyond is a damaged message.
constexpr int maxSeconds = 86400;
constexpr int maxRepetitions = 10000;
constexpr int maxEscapes = 100;
constexpr int maxStreakDays = 36525;

constexpr PacketFormat format{"The break screen's message", formatVersion, maxMessageBytes,
                              maxTextBytes, true};

class Writer : public PacketWriter {
public:
    explicit Writer(Kind kind)
        : PacketWriter(format, static_cast<std::uint8_t>(kind)) {}

    void putCount(int value, int low, int high) {
        put32(static_cast<std::uint32_t>(std::clamp(value, low, high)));
    }
    template <typename Enum> void putChoice(Enum value) { put8(static_cast<std::uint8_t>(value)); }
};

class Reader : public PacketReader {
public:
    explicit Reader(QByteArrayView packet)
        : PacketReader(format, packet) {}

    Kind readKind() { return static_cast<Kind>(readHeader()); }

    int getCount(int low, int high, const char* problem) {
        const std::uint32_t value = get32();
        if (value < static_cast<std::uint32_t>(low) || value > static_cast<std::uint32_t>(high)) {
            fail(problem);
            return low;
        }
        return static_cast<int>(value);
    }
    // One of an enumeration's values, which run from 0 to last.
    template <typename Enum> Enum getChoice(Enum last, const char* problem) {
        const std::uint8_t value = get8();
        if (value > static_cast<std::uint8_t>(last)) {
            fail(problem);
            return Enum{};
        }
        return static_cast<Enum>(value);
    }
};

void writeState(Writer& writer, const State& state) {
    writer.putChoice(state.mode);
    writer.putCount(state.secondsRemaining, 0, maxSeconds);
    writer.putCount(state.totalSeconds, 1, maxSeconds);
    writer.putCount(state.repetitions, 0, maxRepetitions);
    writer.putCount(state.targetRepetitions, 1, maxRepetitions);
    writer.putFlag(state.pose.has_value());
    if (state.pose) {
        writePose(writer, *state.pose);
    }
    const double elapsed = std::isfinite(state.framingElapsed) ? state.framingElapsed : 0.0;
    writer.putDouble(std::clamp(elapsed, 0.0, double(maxSeconds)));
    writer.putText(state.statusMessage);
    writer.putChoice(state.statusKind);
    writer.putChoice(state.exerciseKind);
    writer.putFlag(state.successSummary.has_value());
    if (state.successSummary) {
        writer.putCount(state.successSummary->repetitions, 0, maxRepetitions);
        writer.putCount(state.successSummary->streakDays, 0, maxStreakDays);
        writer.putFlag(state.successSummary->wasVerified);
    }
    writer.putCount(state.emergencyEscapesRemaining, 0, maxEscapes);
    writer.putText(state.emergencyEscapeStatusMessage);
    writer.putFlag(state.isEmergencyKeyHeld);
    writer.putFlag(state.soundEnabled);
}

State readState(Reader& reader) {
    State state;
    state.mode = reader.getChoice(Mode::success, "its mode is unknown");
    state.secondsRemaining = reader.getCount(0, maxSeconds, "a time is out of range");
    state.totalSeconds = reader.getCount(1, maxSeconds, "a time is out of range");
    state.repetitions = reader.getCount(0, maxRepetitions, "a count is out of range");
    state.targetRepetitions = reader.getCount(1, maxRepetitions, "a count is out of range");
    if (reader.getFlag()) {
        state.pose = readPose(reader);
    }
    state.framingElapsed = reader.getDouble();
    if (!(state.framingElapsed >= 0 && state.framingElapsed <= maxSeconds)) {
        reader.fail("a time is out of range");
    }
    state.statusMessage = reader.getText();
    state.statusKind = reader.getChoice(StatusKind::cameraOff, "its status kind is unknown");
    state.exerciseKind = reader.getChoice(ExerciseKind::overheadRaise, "its exercise is unknown");
    if (reader.getFlag()) {
        SuccessSummary summary;
        summary.repetitions = reader.getCount(0, maxRepetitions, "a count is out of range");
        summary.streakDays = reader.getCount(0, maxStreakDays, "a count is out of range");
        summary.wasVerified = reader.getFlag();
        state.successSummary = summary;
    }
    state.emergencyEscapesRemaining = reader.getCount(0, maxEscapes, "a count is out of range");
    state.emergencyEscapeStatusMessage = reader.getText();
    state.isEmergencyKeyHeld = reader.getFlag();
    state.soundEnabled = reader.getFlag();
    return state;
}

template <typename Message> QByteArray encodeShown(Kind kind, const Message& message) {
    Writer writer(kind);
    writeState(writer, message.state);
    writePreview(writer, message.preview);
    return writer.take();
}

template <typename Message> Message readShown(Reader& reader) {
    Message message;
    message.state = readState(reader);
    message.preview = readPreview(reader);
    return message;
}

struct ToScreenWriter {
    QByteArray operator()(const Show& message) const { return encodeShown(Kind::show, message); }
    QByteArray operator()(const Update& message) const {
        return encodeShown(Kind::update, message);
    }
    QByteArray operator()(const Release& message) const {
        Writer writer(Kind::release);
        writer.putFlag(message.animated);
        return writer.take();
    }
    QByteArray operator()(const PreviewMemory&) const { return Writer(Kind::previewMemory).take(); }
};

struct FromScreenWriter {
    QByteArray operator()(const Heartbeat&) const { return Writer(Kind::heartbeat).take(); }
    QByteArray operator()(const Action& message) const {
        Writer writer(Kind::action);
        writer.putChoice(message.kind);
        return writer.take();
    }
    QByteArray operator()(const EmergencyKey& message) const {
        Writer writer(Kind::emergencyKey);
        writer.putFlag(message.held);
        return writer.take();
    }
    QByteArray operator()(const PreviewSide& message) const {
        Writer writer(Kind::previewSide);
        writer.putCount(message.longerSide, 0, maxPreviewSide);
        return writer.take();
    }
};

} // namespace

QByteArray encode(const ToScreen& message) {
    return std::visit(ToScreenWriter{}, message);
}

QByteArray encode(const FromScreen& message) {
    return std::visit(FromScreenWriter{}, message);
}

Result<ToScreen> decodeToScreen(QByteArrayView packet) {
    Reader reader(packet);
    switch (reader.readKind()) {
    case Kind::show:
        return finishedMessage<ToScreen>(reader, readShown<Show>(reader));
    case Kind::update:
        return finishedMessage<ToScreen>(reader, readShown<Update>(reader));
    case Kind::release:
        return finishedMessage<ToScreen>(reader, Release{reader.getFlag()});
    case Kind::previewMemory:
        return finishedMessage<ToScreen>(reader, PreviewMemory{});
    default:
        reader.fail("its kind is unknown");
        return finishedMessage<ToScreen>(reader, PreviewMemory{});
    }
}

Result<FromScreen> decodeFromScreen(QByteArrayView packet) {
    Reader reader(packet);
    switch (reader.readKind()) {
    case Kind::heartbeat:
        return finishedMessage<FromScreen>(reader, Heartbeat{});
    case Kind::action: {
        const auto kind = reader.getChoice(Action::Kind::emergencyEscape, "its action is unknown");
        return finishedMessage<FromScreen>(reader, Action{kind});
    }
    case Kind::emergencyKey:
        return finishedMessage<FromScreen>(reader, EmergencyKey{reader.getFlag()});
    case Kind::previewSide: {
        const int side = reader.getCount(0, maxPreviewSide, "a preview's size is out of range");
        return finishedMessage<FromScreen>(reader, PreviewSide{side});
    }
    default:
        reader.fail("its kind is unknown");
        return finishedMessage<FromScreen>(reader, Heartbeat{});
    }
}

} // namespace qv::breakscreen
