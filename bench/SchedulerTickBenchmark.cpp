// SPDX-License-Identifier: GPL-3.0-or-later
// The scheduler ticks once a second for the life of the process: a tick that changes nothing
// must cost next to nothing and must not touch the settings file.
#include "core/scheduling/BreakScheduler.h"
#include "core/settings/SettingsStore.h"
#include "core/storage/SettingsFileStore.h"
#include "core/time/VirtualTimeSource.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void quietTicks(benchmark::State& state, bool paused) {
    QTemporaryDir dir;
    qv::SettingsFileStore defaults(dir.filePath("Quorvantel.conf"));
    qv::SettingsStore settings(defaults);
    qv::VirtualTimeSource time;
    qv::BreakScheduler scheduler(settings, defaults, time, [] { return qv::Calendar(); });
    scheduler.start();
    const QDateTime farAway = time.now().addYears(10);
    if (paused) {
        scheduler.pause(farAway, time.now());
    } else {
        scheduler.deferForMeeting(farAway, time.now());
    }
    const QDateTime fileWritten = QFileInfo(defaults.filePath()).lastModified();
    for (auto _ : state) {
        time.advance(1.0);
    }
    if (QFileInfo(defaults.filePath()).lastModified() != fileWritten) {
        state.SkipWithError("a quiet tick wrote to the settings file");
    }
}

void BM_QuietTickWhileWorking(benchmark::State& state) {
    quietTicks(state, false);
}
void BM_QuietTickWhilePaused(benchmark::State& state) {
    quietTicks(state, true);
}

} // namespace

BENCHMARK(BM_QuietTickWhileWorking);
BENCHMARK(BM_QuietTickWhilePaused);
BENCHMARK_MAIN();
