// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivateAudioServer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <cstring>

namespace qv::test {

std::unique_ptr<PrivateAudioServer> PrivateAudioServer::start() {
    const QString pulseaudio = QStandardPaths::findExecutable("pulseaudio");
    const QString pactl = QStandardPaths::findExecutable("pactl");
    if (pulseaudio.isEmpty() || pactl.isEmpty() ||
        QStandardPaths::findExecutable("parec").isEmpty()) {
        return nullptr;
    }
    std::unique_ptr<PrivateAudioServer> audio(new PrivateAudioServer);
    const QString folder = audio->folder_.path();
    const QString socket = folder + "/native";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Everything the server keeps goes into the test's folder.
    environment.insert("HOME", folder);
    environment.insert("XDG_RUNTIME_DIR", folder);
    environment.insert("XDG_CONFIG_HOME", folder + "/config");
    environment.insert("PULSE_RUNTIME_PATH", folder + "/runtime");
    environment.insert("PULSE_STATE_PATH", folder + "/state");
    environment.remove("DBUS_SESSION_BUS_ADDRESS");
    audio->server_.setProcessEnvironment(environment);
    audio->server_.setStandardOutputFile(QProcess::nullDevice());
    audio->server_.setStandardErrorFile(folder + "/server.log");
    audio->server_.start(pulseaudio,
                         {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                          "--disable-shm=yes", "--log-target=stderr", "-L",
                          "module-native-protocol-unix socket=" + socket + " auth-anonymous=1",
                          "-L", "module-null-sink sink_name=" + sinkName});
    if (!audio->server_.waitForStarted(10'000)) {
        return nullptr;
    }
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    QDeadlineTimer deadline(15'000);
    while (!deadline.hasExpired()) {
        QProcess info;
        info.start(pactl, {"info"});
        if (info.waitForFinished(5'000) && info.exitCode() == 0) {
            return audio;
        }
        if (audio->server_.state() == QProcess::NotRunning) {
            break;
        }
        QThread::msleep(100);
    }
    return nullptr;
}

PrivateAudioServer::~PrivateAudioServer() {
    for (QProcess* process : {&recorder_, &server_}) {
        if (process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(5'000)) {
                process->kill();
                process->waitForFinished(5'000);
            }
        }
    }
    qunsetenv("PULSE_SERVER");
}

bool PrivateAudioServer::startRecording() {
    recorder_.setStandardOutputFile(folder_.filePath("recording.raw"));
    recorder_.setStandardErrorFile(folder_.filePath("recorder.log"));
    recorder_.start(QStandardPaths::findExecutable("parec"),
                    {"-d", sinkName + ".monitor", "--raw", "--format=s16le", "--rate=44100",
                     "--channels=1", "--latency-msec=50"});
    return recorder_.waitForStarted(5'000);
}

QList<qint16> PrivateAudioServer::recording() const {
    QFile file(folder_.filePath("recording.raw"));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QList<qint16> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.constData(), static_cast<std::size_t>(samples.size()) * 2);
    return samples;
}

bool PrivateAudioServer::waitForSamples(qsizetype count, int timeoutMs) const {
    QDeadlineTimer deadline(timeoutMs);
    while (QFileInfo(folder_.filePath("recording.raw")).size() < count * 2) {
        if (deadline.hasExpired() || recorder_.state() == QProcess::NotRunning) {
            return false;
        }
        QTest::qWait(20);
    }
    return true;
}

QList<qint16> PrivateAudioServer::stopRecording() {
    recorder_.terminate();
    recorder_.waitForFinished(5'000);
    return recording();
}

} // namespace qv::test
