// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menubar/MenuBarActions.h"

#include "core/menubar/BreakControl.h"

namespace qv {

namespace {
void call(const std::function<void()>& callback) {
    if (callback) {
        callback();
    }
}
} // namespace

void MenuBarActions::perform(TrayAction action) {
    switch (action) {
    case TrayAction::none:
        return;
    case TrayAction::startBreak:
        return control_.startBreakNow();
    case TrayAction::snoozeBreak:
        return control_.snooze();
    case TrayAction::pauseForOneHour:
        return control_.pauseFor(3600.0);
    case TrayAction::pauseUntilTomorrow:
        return control_.pauseUntilTomorrow();
    case TrayAction::resumeBreaks:
        return control_.resume();
    case TrayAction::openSettings:
        return call(onOpenSettings);
    case TrayAction::checkForUpdates:
        return call(onCheckForUpdates);
    case TrayAction::quit:
        return call(onQuit);
    }
}

} // namespace qv
