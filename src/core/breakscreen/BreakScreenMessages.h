// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"
#include "core/breakscreen/BreakOverlayModel.h"
#include "core/media/PreviewRef.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>
#include <variant>

// What the application and its break screen process say to each other, one message per packet
// of a socket that keeps packet boundaries. Every message starts with the format's version and
// its kind; numbers are little-endian. Neither side trusts the other's packets: the decoder
// checks every length, count, choice and number before anything is built from it, and texts
// must be valid UTF-8.
namespace qv::breakscreen {

inline constexpr std::uint8_t formatVersion = 1;
// No message of either side is longer; a longer packet is refused unread.
inline constexpr int maxMessageBytes = 8192;
// Texts are a sentence or two; longer ones are cut at a character boundary.
inline constexpr int maxTextBytes = 1024;

// Application → break screen process.

// A break (or a new model) to show.
struct Show {
    BreakOverlayModel::State state;
    std::optional<PreviewRef> preview;
    bool operator==(const Show&) const = default;
};
// The shown model changed.
struct Update {
    BreakOverlayModel::State state;
    std::optional<PreviewRef> preview;
    bool operator==(const Update&) const = default;
};
struct Release {
    bool animated = true;
    bool operator==(const Release&) const = default;
};
// The packet's one file descriptor is the shared memory previews are in from now on.
struct PreviewMemory {
    bool operator==(const PreviewMemory&) const = default;
};
using ToScreen = std::variant<Show, Update, Release, PreviewMemory>;

// Break screen process → application.

// Sent at least every heartbeatSeconds, so a hung screen is noticed.
struct Heartbeat {
    bool operator==(const Heartbeat&) const = default;
};
// A button of the break screen was used.
struct Action {
    enum class Kind : std::uint8_t {
        allowCamera,
        useHonorTimer,
        openCameraSettings,
        switchToOverheadRaise,
        emergencyEscape,
    };
    Kind kind = Kind::allowCamera;
    bool operator==(const Action&) const = default;
};
// The emergency chord is held or let go.
struct EmergencyKey {
    bool held = false;
    bool operator==(const EmergencyKey&) const = default;
};
// The longer side of the largest camera picture the windows draw, 0 while none shows one.
struct PreviewSide {
    int longerSide = 0;
    bool operator==(const PreviewSide&) const = default;
};
using FromScreen = std::variant<Heartbeat, Action, EmergencyKey, PreviewSide>;

inline constexpr double heartbeatSeconds = 0.25;
// A break screen silent this long is hung (or stopped) and is treated as dead.
inline constexpr double silenceLimitSeconds = 2.0;

// Counts and times beyond what the decoder accepts are brought into its range first.
QByteArray encode(const ToScreen& message);
QByteArray encode(const FromScreen& message);

// Failures are one sentence for the log, saying what was wrong with the packet.
Result<ToScreen> decodeToScreen(QByteArrayView packet);
Result<FromScreen> decodeFromScreen(QByteArrayView packet);

} // namespace qv::breakscreen
