// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <memory>

namespace qv::test {

// A PulseAudio server of this test alone, with one null sink whose monitor can be recorded.
// Points PULSE_SERVER at itself while it lives.
class PrivateAudioServer {
public:
    static inline const QString sinkName = QStringLiteral("qvnull");

    // Empty when PulseAudio is not installed or does not start on this machine.
    static std::unique_ptr<PrivateAudioServer> start();
    ~PrivateAudioServer();

    static constexpr int sampleRate = 44'100;

    // Records the sink's monitor as 16-bit mono samples until stopRecording().
    bool startRecording();
    // The samples recorded so far.
    QList<qint16> recording() const;
    // Runs the event loop until at least count samples were recorded; false on timeout.
    // A loaded machine delivers the monitor late, so tests wait for samples, not for time.
    bool waitForSamples(qsizetype count, int timeoutMs = 30'000) const;
    QList<qint16> stopRecording();

private:
    PrivateAudioServer() = default;

    QTemporaryDir folder_;
    QProcess server_;
    QProcess recorder_;
};

} // namespace qv::test
