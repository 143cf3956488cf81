// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/scheduling/SmartPausePolicy.h"
#include "platform/linux/IdleTimeProbe.h"
#include "platform/linux/PulseMicrophoneProbe.h"

namespace qv {

// Where the probes look; tests point them at servers and folders of their own.
struct SmartPauseProbePlaces {
    QString pulseServer;                        // empty: the user's default
    QString devRoot = QStringLiteral("/dev");   // where the video nodes are
    QString procRoot = QStringLiteral("/proc"); // where the processes are
};

// Smart pause's readings on a Linux desktop.
class LinuxSmartPauseProbes final : public SmartPauseProbing {
public:
    using Places = SmartPauseProbePlaces;

    explicit LinuxSmartPauseProbes(Places places = {},
                                   QDBusConnection bus = QDBusConnection::sessionBus());

    bool isMicrophoneInUse() override { return microphone_.isInUse(); }
    bool isCameraInUse() override;
    double secondsSinceLastInput() override { return idle_.secondsSinceLastInput(); }

private:
    Places places_;
    PulseMicrophoneProbe microphone_;
    IdleTimeProbe idle_;
};

} // namespace qv
