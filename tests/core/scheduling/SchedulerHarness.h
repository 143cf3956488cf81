// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/scheduling/BreakScheduler.h"
#include "core/settings/SettingsStore.h"
#include "core/storage/KeyValueStore.h"
#include "core/time/VirtualTimeSource.h"

#include <QDateTime>
#include <memory>
#include <vector>

namespace qv::test {

// Berlin time in English, so that daylight-saving changes and texts are fixed.
Calendar berlinCalendar();
// A Berlin wall-clock time as an instant ("2026-03-29 01:30").
QDateTime berlin(const char* localDateTime);

// A scheduler as the application runs it: settings and schedule in one key-value store, on a
// virtual clock, with its callbacks recorded. Relaunching builds a new scheduler (and settings
// store) on the same key-value store, as a new process would.
class SchedulerHarness {
public:
    explicit SchedulerHarness(KeyValueStore& defaults, const QDateTime& start);

    void launch();
    void quit();
    void relaunch() {
        quit();
        launch();
    }
    void advance(double seconds) { time.advance(seconds); }
    // Time passes with the application not running.
    void passWhileQuit(double seconds) { time.advance(seconds); }

    BreakScheduler& scheduler() { return *scheduler_; }
    SettingsStore& settings() { return *settings_; }
    QDateTime now() const { return time.now(); }

    VirtualTimeSource time;
    KeyValueStore& defaults;
    std::vector<QDateTime> breakDueCalls;
    std::vector<QDateTime> headsUps; // the due dates announced

private:
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<BreakScheduler> scheduler_;
};

} // namespace qv::test
