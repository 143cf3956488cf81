// SPDX-License-Identifier: GPL-3.0-or-later
// quorvantel-bench-tray-idle [SECONDS]: the application idling in the tray with no window
// open: settings file, scheduler on the real clock, statistics and the tray item. Reports the
// CPU time used over SECONDS (60 by default) as a share of one core, and the resident memory,
// first as started, then after the popover has been opened and closed once. Run it inside a
// desktop with a tray (scripts/bench-tray-idle.sh starts a private one with trayer).
#include "core/menubar/BreakControl.h"
#include "core/menubar/MenuBarActions.h"
#include "core/menubar/MenuBarSource.h"
#include "core/scheduling/BreakScheduler.h"
#include "core/settings/SettingsStore.h"
#include "core/stats/StatsStore.h"
#include "core/storage/SettingsFileStore.h"
#include "core/time/EventLoopTimeSource.h"
#include "ui/tray/TrayController.h"
#include "ui/tray/TrayPopover.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {

double cpuSeconds() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray text = stat.readAll();
    // Fields after the command name, which is in parentheses and may hold spaces.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    return ticks / double(sysconf(_SC_CLK_TCK));
}

double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
        }
    }
    return 0;
}

// Runs the event loop as the application would, sleeping until something happens.
void wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void measure(const char* phase, int seconds, const qv::TrayController& tray) {
    const int rendersBefore = tray.iconRenderCount();
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    wait(seconds * 1000);
    const double share = (cpuSeconds() - cpuBefore) / (double(wall.elapsed()) / 1000.0) * 100.0;
    std::printf("%-28s cpu %.3f %% of a core over %d s, resident %.1f MB, icon drawn %d times\n",
                phase, share, seconds, residentMegabytes(), tray.iconRenderCount() - rendersBefore);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 60;
    QTemporaryDir dir;
    qv::EventLoopTimeSource time;
    qv::SettingsFileStore defaults(dir.filePath(QStringLiteral("Quorvantel.conf")));
    qv::SettingsStore settings(defaults);
    const auto calendar = [] { return qv::Calendar(); };
    qv::BreakScheduler scheduler(settings, defaults, time, calendar);
    qv::StatsStore stats(defaults, calendar, time, dir.filePath(QStringLiteral("stats.json")));
    qv::MenuBarSource source(scheduler, settings, stats, calendar);
    qv::SchedulerBreakControl control(scheduler, time);
    qv::MenuBarActions actions(control);
    qv::TrayController tray(source, actions);
    const auto kind = tray.show();
    scheduler.start();
    std::printf("tray shown as %s\n", kind == qv::TrayController::Kind::xembed ? "XEmbed icon"
                                      : kind == qv::TrayController::Kind::statusNotifier
                                          ? "StatusNotifierItem"
                                          : "nothing (no tray on this desktop)");
    wait(3000); // start-up settles
    measure("idle, popover never opened", seconds, tray);

    tray.openPopover({200, 10});
    wait(2000);
    const bool shown = tray.popover().window() && tray.popover().window()->isExposed();
    std::printf("popover opened: %s, resident %.1f MB while open\n", shown ? "yes" : "NO",
                residentMegabytes());
    tray.popover().close();
    wait(3000);
    measure("idle, popover opened once", seconds, tray);
    return shown ? 0 : 1;
}
