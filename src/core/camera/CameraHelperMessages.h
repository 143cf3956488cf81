// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"
#include "core/media/PreviewRef.h"
#include "core/verification/ExerciseKind.h"
#include "core/verification/PoseSnapshot.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>

// What the application and its camera helper process say to each other, one message per
// packet of a socket that keeps packet boundaries. Every message starts with the format's
// version and its kind; numbers are little-endian. The application trusts nothing the helper
// sends: the decoder checks every length, count and number before anything is built from it.
namespace qv::camerahelper {

inline constexpr std::uint8_t formatVersion = 2;
// No message of either side is longer; a longer packet is refused unread.
inline constexpr int maxMessageBytes = 4096;
// Texts are a sentence or a diagnostic line; longer ones are cut at a character boundary.
inline constexpr int maxTextBytes = 1024;

// Application → helper.

struct StartCapture {
    std::optional<QString> deviceID;
    ExerciseKind exercise = ExerciseKind::squat;
    bool operator==(const StartCapture&) const = default;
};
// The preview the view draws, and where to put it. With a shared memory handed along (the
// packet's one file descriptor) the slots live there from now on.
struct SetPreview {
    int longerSide = 0;
    bool operator==(const SetPreview&) const = default;
};
struct StopCapture {
    bool operator==(const StopCapture&) const = default;
};
using ToHelper = std::variant<StartCapture, SetPreview, StopCapture>;

// Helper → application.

struct FrameAnalysed {
    PoseSnapshot pose;
    std::optional<PreviewRef> preview;
    bool operator==(const FrameAnalysed&) const = default;
};
struct RunReport {
    enum class Kind : std::uint8_t { error, notice, interruption, interruptionEnded, diagnostic };
    Kind kind = Kind::diagnostic;
    QString text;
    bool operator==(const RunReport&) const = default;
};
// Sent at least every heartbeatSeconds, whether frames come or not.
struct Heartbeat {
    bool cameraBusy = false;
    bool operator==(const Heartbeat&) const = default;
};
using FromHelper = std::variant<FrameAnalysed, RunReport, Heartbeat>;

inline constexpr double heartbeatSeconds = 0.25;
// A helper silent this long is hung (or stopped) and is treated as dead.
inline constexpr double silenceLimitSeconds = 2.0;

QByteArray encode(const ToHelper& message);
QByteArray encode(const FromHelper& message);

// Failures are one sentence for the log, saying what was wrong with the packet.
Result<ToHelper> decodeToHelper(QByteArrayView packet);
Result<FromHelper> decodeFromHelper(QByteArrayView packet);

} // namespace qv::camerahelper
