// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/menubar/BreakControl.h"
#include "core/menubar/MenuBarActions.h"
#include "core/menubar/MenuBarSource.h"
#include "core/scheduling/BreakScheduler.h"
#include "core/settings/SettingsStore.h"
#include "core/stats/StatsStore.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"

#include <QStringList>

namespace qv {

// The tray's real collaborators (settings, scheduler, statistics) on a virtual clock, in Berlin
// time and English, so pictures, tests and benchmarks can put the cycle in any state.
class TrayScenario {
public:
    TrayScenario();

    // The states enter() knows, in the order a day meets them.
    static QStringList states();
    // Starts the cycle (except for "stopped") and drives it into the named state.
    bool enter(const QString& state);
    // Today three completed breaks and 32 repetitions, and a six-day streak.
    void recordSampleDays();

    static Calendar calendar();

    MemoryKeyValueStore defaults;
    VirtualTimeSource time;
    SettingsStore settings;
    BreakScheduler scheduler;
    StatsStore stats;
    MenuBarSource source;
    SchedulerBreakControl control;
    MenuBarActions actions;
};

} // namespace qv
