// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppUnderBench.h"

#include "support/TestWatcher.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace qv::bench {

QString programUnderBench() {
    return qEnvironmentVariableIsSet("QV_BENCH_APP") ? qEnvironmentVariable("QV_BENCH_APP")
                                                     : QStringLiteral(QV_APP_PATH);
}

bool hostTray(test::TestWatcher& watcher) {
    if (watcher.start()) {
        return true;
    }
    std::fprintf(stderr, "no session bus to host the tray on (or a watcher runs already)\n");
    return false;
}

AppUnderBench::AppUnderBench(QString program, QString cacheFolder)
    : program_(std::move(program))
    , cacheFolder_(std::move(cacheFolder)) {
    for (const char* folder : {"config/Quorvantel", "data", "state"}) {
        QDir(home_.path()).mkpath(QString::fromUtf8(folder));
    }
    QSettings settings(home_.filePath(QStringLiteral("config/Quorvantel/Quorvantel.ini")),
                       QSettings::IniFormat);
    settings.setValue(QStringLiteral("settings.hasCompletedOnboarding"), QStringLiteral("true"));
    settings.sync();
    process_.setProcessEnvironment(environment());
    process_.setProcessChannelMode(QProcess::ForwardedOutputChannel);
}

AppUnderBench::~AppUnderBench() {
    stop();
}

QProcessEnvironment AppUnderBench::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home_.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), home_.filePath(QStringLiteral("state")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), cacheFolder_);
    return environment;
}

bool AppUnderBench::start(const QStringList& arguments) {
    clock_.start();
    process_.start(program_, arguments);
    return process_.waitForStarted(5000);
}

int AppUnderBench::runCommand(const QStringList& arguments, QString* output) const {
    QProcess command;
    command.setProcessEnvironment(environment());
    command.start(program_, arguments);
    if (!command.waitForFinished(10'000)) {
        command.kill();
        command.waitForFinished();
        return -1;
    }
    if (output) {
        *output = QString::fromUtf8(command.readAllStandardOutput()).trimmed();
    }
    return command.exitCode();
}

bool AppUnderBench::stop() {
    if (process_.state() == QProcess::NotRunning) {
        return true;
    }
    process_.terminate();
    if (waitFor([this] { return process_.state() == QProcess::NotRunning; }, 5000)) {
        return true;
    }
    process_.kill();
    process_.waitForFinished();
    return false;
}

QByteArray AppUnderBench::errorOutput() {
    return process_.readAllStandardError();
}

namespace {

QByteArray readProcFile(qint64 pid, const char* name) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QString::fromUtf8(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "Name:   1234 kB" lines of /proc/PID/status and smaps_rollup, in megabytes.
double kilobyteField(const QByteArray& text, const QByteArray& name) {
    for (const QByteArray& line : text.split('\n')) {
        if (line.startsWith(name + ':')) {
            return line.mid(name.size() + 1).trimmed().split(' ').value(0).toDouble() / 1024.0;
        }
    }
    return 0;
}

} // namespace

std::optional<ProcessFigures> processFigures(qint64 pid) {
    const QByteArray stat = readProcFile(pid, "stat");
    const QByteArray status = readProcFile(pid, "status");
    const QByteArray rollup = readProcFile(pid, "smaps_rollup");
    if (stat.isEmpty() || status.isEmpty()) {
        return std::nullopt;
    }
    // Fields after the command name, which is in parentheses and may hold spaces.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    ProcessFigures figures;
    figures.cpuSeconds =
        (fields.value(11).toDouble() + fields.value(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
    figures.residentMb = kilobyteField(status, "VmRSS");
    figures.anonymousMb = kilobyteField(rollup, "Anonymous");
    figures.proportionalMb = kilobyteField(rollup, "Pss");
    return figures;
}

bool waitFor(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    // The loop sleeps in the kernel between checks, so a D-Bus message that arrives is handled
    // at once, not at the next check.
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() >= milliseconds) {
            loop.quit();
        }
    });
    if (done()) {
        return true;
    }
    poll.start(20);
    loop.exec();
    return done();
}

void sleepInEventLoop(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace qv::bench
