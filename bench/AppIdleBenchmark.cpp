// SPDX-License-Identifier: GPL-3.0-or-later
// quorvantel-bench-app-idle [SECONDS]: the whole application idling in the tray with no window
// open, as a returning user starts it. Reports its CPU time over SECONDS (60 by default) as a
// share of one core, and its memory: (a) right after start, (b) after the popover was opened
// once (Activate on the tray item, as a host does on a click) and closed with Escape, (c) after
// the settings window was opened once (quorvantel --settings) and closed with Escape. This
// program is the desktop's StatusNotifierWatcher; start it in a private desktop
// (scripts/bench-app.sh does). QV_BENCH_APP names another executable to measure.
// QV_BENCH_SNAPSHOTS names a folder that receives, for each phase, a copy of the process's
// /proc smaps and its threads' names, for scripts/compare-smaps.py to tell what grew.
#include "AppUnderBench.h"
#include "support/TestWatcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

using qv::bench::AppUnderBench;

// The application's windows the window manager shows, found with xdotool.
QStringList visibleWindows(qint64 pid) {
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                  QStringLiteral("--pid"), QString::number(pid)});
    search.waitForFinished(5000);
    return QString::fromUtf8(search.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

bool waitForWindows(qint64 pid, bool shown) {
    return qv::bench::waitFor([&] { return visibleWindows(pid).isEmpty() != shown; }, 10'000);
}

// Escape to the window that has the keyboard, as the user closing it would.
bool pressEscape(qint64 pid) {
    const QStringList windows = visibleWindows(pid);
    if (windows.isEmpty()) {
        return false;
    }
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("windowactivate"), QStringLiteral("--sync"), windows.first(),
                       QStringLiteral("key"), QStringLiteral("Escape")});
    return waitForWindows(pid, false);
}

void printMemory(const char* what, qint64 pid) {
    if (const auto figures = qv::bench::processFigures(pid)) {
        std::printf("%-34s resident %.1f MB (private %.1f MB, proportional %.1f MB)\n", what,
                    figures->residentMb, figures->anonymousMb, figures->proportionalMb);
        std::fflush(stdout);
    }
}

void keepSnapshot(const char* phase, qint64 pid) {
    const QString folder = qEnvironmentVariable("QV_BENCH_SNAPSHOTS");
    if (folder.isEmpty()) {
        return;
    }
    const QString stem = folder + u'/' + QString::fromUtf8(phase).mid(1, 1);
    QDir().mkpath(folder);
    QFile smaps(QStringLiteral("/proc/%1/smaps").arg(pid));
    QFile copy(stem + QStringLiteral(".smaps"));
    QFile threads(stem + QStringLiteral(".threads"));
    if (!smaps.open(QIODevice::ReadOnly) ||
        !copy.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        !threads.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return;
    }
    copy.write(smaps.readAll());
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly)) {
            threads.write(comm.readAll());
        }
    }
}

bool measure(const char* phase, qint64 pid, int seconds) {
    qv::bench::sleepInEventLoop(5000); // what closed is released, start-up's work settles
    const auto before = qv::bench::processFigures(pid);
    QElapsedTimer wall;
    wall.start();
    qv::bench::sleepInEventLoop(seconds * 1000);
    const auto after = qv::bench::processFigures(pid);
    if (!before || !after) {
        std::fprintf(stderr, "the application is gone\n");
        return false;
    }
    const double share =
        (after->cpuSeconds - before->cpuSeconds) / (double(wall.elapsed()) / 1000.0) * 100.0;
    std::printf("%-34s cpu %.3f %% of a core over %d s, resident %.1f MB (private %.1f MB, "
                "proportional %.1f MB)\n",
                phase, share, seconds, after->residentMb, after->anonymousMb,
                after->proportionalMb);
    std::fflush(stdout);
    keepSnapshot(phase, pid);
    return true;
}

// The memory with the window open, then Escape must close it.
bool measureThenClose(const QString& window, qint64 pid) {
    qv::bench::sleepInEventLoop(1000);
    printMemory(qPrintable(window + QStringLiteral(" open")), pid);
    if (!pressEscape(pid)) {
        std::fprintf(stderr, "Escape did not close the %s\n", qPrintable(window));
        return false;
    }
    return true;
}

bool openAndClosePopover(qv::test::TestWatcher& watcher, qint64 pid) {
    watcher.call(QStringLiteral("/StatusNotifierItem"),
                 QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Activate"),
                 {1800, 12});
    if (!waitForWindows(pid, true)) {
        std::fprintf(stderr, "Activate opened no popover\n");
        return false;
    }
    return measureThenClose("popover", pid);
}

bool openAndCloseSettings(const AppUnderBench& app, qint64 pid) {
    if (app.runCommand({QStringLiteral("--settings")}) != 0 || !waitForWindows(pid, true)) {
        std::fprintf(stderr, "quorvantel --settings opened no window\n");
        return false;
    }
    return measureThenClose("settings window", pid);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 60;
    const QString program = qv::bench::programUnderBench();
    qv::test::TestWatcher watcher;
    if (!qv::bench::hostTray(watcher)) {
        return 1;
    }
    QTemporaryDir cache;
    AppUnderBench app(program, cache.path());
    if (!app.start() || !qv::bench::waitFor([&] { return !watcher.items().isEmpty(); }, 10'000)) {
        std::fprintf(stderr, "the application did not register its tray item:\n%s\n",
                     app.errorOutput().constData());
        return 1;
    }
    const qint64 pid = app.pid();
    const bool ok =
        measure("(a) idle, just started", pid, seconds) && openAndClosePopover(watcher, pid) &&
        measure("(b) idle, popover opened once", pid, seconds) && openAndCloseSettings(app, pid) &&
        measure("(c) idle, settings opened once", pid, seconds);
    app.stop();
    return ok ? 0 : 1;
}
