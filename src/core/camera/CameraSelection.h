// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace qv {

// Which camera to open, given the one the user chose (which may be unplugged) and the cameras
// present now, and whether the user must be told that a substitute is in use.
class CameraSelection {
public:
    struct DeviceInfo {
        QString id;   // stable across runs
        QString name; // for people
        bool isBuiltIn = false;
        bool operator==(const DeviceInfo&) const = default;
    };

    struct Outcome {
        enum class Kind {
            exact,       // the requested camera, or none was requested
            substituted, // the requested camera is absent; another one is used
            unavailable, // there is no camera at all
        };
        Kind kind = Kind::unavailable;
        QString missingID; // substituted only
        QString usedName;  // substituted only

        static Outcome exact() { return {Kind::exact, {}, {}}; }
        static Outcome substituted(QString missing, QString used) {
            return {Kind::substituted, std::move(missing), std::move(used)};
        }
        static Outcome unavailable() { return {Kind::unavailable, {}, {}}; }
        bool operator==(const Outcome&) const = default;
    };

    struct Resolution {
        std::optional<QString> deviceID;
        Outcome outcome;
        bool operator==(const Resolution&) const = default;
    };

    // Devices in discovery order. The fallback is the first built-in camera, else the first.
    static Resolution resolve(const std::optional<QString>& requestedID,
                              const std::vector<DeviceInfo>& devices);

    CameraSelection() = delete;
};

} // namespace qv
