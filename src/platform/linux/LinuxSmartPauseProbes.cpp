// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/LinuxSmartPauseProbes.h"

#include "platform/linux/VideoDeviceNodes.h"

namespace qv {

LinuxSmartPauseProbes::LinuxSmartPauseProbes(Places places, QDBusConnection bus)
    : places_(std::move(places))
    , microphone_(places_.pulseServer)
    , idle_(std::move(bus)) {}

bool LinuxSmartPauseProbes::isCameraInUse() {
    return linuxcam::isAnyHeldByAnotherProcess(places_.devRoot, places_.procRoot);
}

} // namespace qv
