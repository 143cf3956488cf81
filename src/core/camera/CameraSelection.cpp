// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/CameraSelection.h"

#include <algorithm>

namespace qv {

CameraSelection::Resolution CameraSelection::resolve(const std::optional<QString>& requestedID,
                                                     const std::vector<DeviceInfo>& devices) {
    if (devices.empty()) {
        return {std::nullopt, Outcome::unavailable()};
    }
    auto builtIn = std::find_if(devices.begin(), devices.end(),
                                [](const DeviceInfo& d) { return d.isBuiltIn; });
    const DeviceInfo& fallback = builtIn != devices.end() ? *builtIn : devices.front();
    // An empty identifier cannot name a device: it is a choice never made, not a lost camera.
    if (!requestedID || requestedID->isEmpty()) {
        return {fallback.id, Outcome::exact()}; // the user never chose: nothing to tell
    }
    const bool present = std::any_of(devices.begin(), devices.end(),
                                     [&](const DeviceInfo& d) { return d.id == *requestedID; });
    if (present) {
        return {*requestedID, Outcome::exact()};
    }
    return {fallback.id, Outcome::substituted(*requestedID, fallback.name)};
}

} // namespace qv
