// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <optional>

namespace qv::test {
class TestWatcher;
}

namespace qv::bench {

// The executable measured: QV_BENCH_APP when set (another build, or a profiler wrapping it),
// else this build's quorvantel.
QString programUnderBench();
// Makes `watcher` the desktop's StatusNotifierWatcher; says on stderr why it cannot.
bool hostTray(test::TestWatcher& watcher);

// One launch of the whole application as a returning user meets it: settings, data and state
// folders of its own that say the first launch's welcome is done, the display and session bus
// of the desktop this runs in. The cache folder is the caller's, so it stays warm across runs.
class AppUnderBench {
public:
    AppUnderBench(QString program, QString cacheFolder);
    ~AppUnderBench();

    // Starts the program and the clock.
    bool start(const QStringList& arguments = {});
    qint64 pid() const { return process_.processId(); }
    bool isRunning() const { return process_.state() != QProcess::NotRunning; }
    qint64 elapsedNanoseconds() const { return clock_.nsecsElapsed(); }
    // Runs the program once more in the same folders, for a command to the running one.
    int runCommand(const QStringList& arguments, QString* output = nullptr) const;
    // Ends it as a logout would (SIGTERM), killing it if it does not go within five seconds.
    // Returns whether it went on its own.
    bool stop();
    QByteArray errorOutput();

private:
    QProcessEnvironment environment() const;

    QString program_;
    QString cacheFolder_;
    QTemporaryDir home_;
    QProcess process_;
    QElapsedTimer clock_;
};

// What the kernel says about a process.
struct ProcessFigures {
    double cpuSeconds = 0;     // user and system time of all its threads
    double residentMb = 0;     // VmRSS
    double anonymousMb = 0;    // of which the heap and other private memory
    double proportionalMb = 0; // Pss: shared libraries' pages divided among their users
};
std::optional<ProcessFigures> processFigures(qint64 pid);

// Runs Qt's event loop for a while, or until `done` says so; returns whether it did.
bool waitFor(const std::function<bool()>& done, int milliseconds);
void sleepInEventLoop(int milliseconds);

} // namespace qv::bench
