// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartupFlow.h"

#include "core/scheduling/SchedulerKeys.h"
#include "core/settings/SettingsStore.h"
#include "core/storage/KeyValueStore.h"

namespace qv {

namespace {

StartupFlow::Launch classify(const SettingsStore& settings, const KeyValueStore& defaults) {
    if (settings.hasCompletedOnboarding()) {
        return StartupFlow::Launch::returning;
    }
    return defaults.text(schedulerKeys::state) ? StartupFlow::Launch::migrated
                                               : StartupFlow::Launch::first;
}

} // namespace

StartupFlow::StartupFlow(const SettingsStore& settings, const KeyValueStore& defaults)
    : launch_(classify(settings, defaults)) {}

void StartupFlow::run() {
    if (launch_ == Launch::first && showOnboarding) {
        showOnboarding([this, alive = alive_] {
            if (*alive) {
                startOnce();
            }
        });
        return;
    }
    startOnce();
}

void StartupFlow::startOnce() {
    if (started_) {
        return;
    }
    started_ = true;
    if (auto callback = start) {
        callback();
    }
}

} // namespace qv
