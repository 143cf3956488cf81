// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <chrono>

namespace qv {

// Whether another program records from a real microphone, as the PulseAudio server (or
// PipeWire's PulseAudio service) sees it: a running capture stream of another process on a
// source that is not the monitor of an output. Asks the server afresh each time, within a
// fixed time; no server, or no answer in time, reads as "not in use".
class PulseMicrophoneProbe {
public:
    static constexpr std::chrono::milliseconds budget{100};

    // server: a PulseAudio server address; empty for the user's default one.
    explicit PulseMicrophoneProbe(QString server = QString());

    bool isInUse() const;

private:
    QString server_;
};

} // namespace qv
