// SPDX-License-Identifier: GPL-3.0-or-later
// quorvantel-bench-startup [RUNS]: how long the whole application takes from exec to its tray
// item registered with the desktop's StatusNotifierWatcher, for a returning user (the welcome
// done, fresh settings and data folders each run). One warm-up run, then RUNS (10 by default)
// timed ones; prints each, the median and the spread. The watcher is this program, on the
// session bus it runs in: start it inside a private desktop (scripts/bench-app.sh does).
// QV_BENCH_APP names another executable to measure; QV_BENCH_START_SECONDS gives one that
// builds before it starts (scripts/run.sh) longer than the ten seconds a start may take.
#include "AppUnderBench.h"
#include "support/TestWatcher.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

// Milliseconds from exec to the item's registration, or a negative number when it never came.
double timeOneStart(qv::test::TestWatcher& watcher, const QString& program, const QString& cache) {
    qv::bench::AppUnderBench app(program, cache);
    qint64 registeredAt = -1;
    QMetaObject::Connection connection =
        QObject::connect(&watcher, &qv::test::TestWatcher::StatusNotifierItemRegistered, [&] {
            // The run before this one has quit, so any item is this run's (even when the
            // program measured is a wrapper, such as a profiler, with a pid of its own).
            if (registeredAt < 0) {
                registeredAt = app.elapsedNanoseconds();
            }
        });
    const bool started = app.start();
    const int limitSeconds = qEnvironmentVariableIntValue("QV_BENCH_START_SECONDS");
    qv::bench::waitFor([&] { return registeredAt >= 0 || !app.isRunning(); },
                       1000 * (limitSeconds > 0 ? limitSeconds : 10));
    QObject::disconnect(connection);
    if (!started || registeredAt < 0) {
        std::fprintf(stderr, "the application did not register its tray item:\n%s\n",
                     app.errorOutput().constData());
        return -1;
    }
    if (!app.stop()) {
        std::fprintf(stderr, "the application did not quit on SIGTERM\n");
    }
    return double(registeredAt) / 1e6;
}

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    const double position = share * double(values.size() - 1);
    const auto below = size_t(position);
    const size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (position - double(below));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    const QString program = qv::bench::programUnderBench();
    qv::test::TestWatcher watcher;
    if (!qv::bench::hostTray(watcher)) {
        return 1;
    }
    QTemporaryDir cache;
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        const double milliseconds = timeOneStart(watcher, program, cache.path());
        if (milliseconds < 0) {
            return 1;
        }
        std::printf("%s %2d: %6.1f ms\n", run == 0 ? "warm-up" : "run    ", run, milliseconds);
        std::fflush(stdout);
        if (run > 0) {
            times.push_back(milliseconds);
        }
        qv::bench::sleepInEventLoop(300); // the bus forgets the instance's name
    }
    std::printf("exec to tray item registered, %d runs: median %.1f ms, quartiles %.1f-%.1f ms, "
                "range %.1f-%.1f ms\n",
                runs, percentile(times, 0.5), percentile(times, 0.25), percentile(times, 0.75),
                percentile(times, 0), percentile(times, 1));
    return 0;
}
