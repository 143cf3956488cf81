// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/menubar/ContextMenuDescription.h"

#include <functional>

namespace qv {

class BreakControl;

// Carries out what the popover's buttons and the menu's items ask for. The cycle's operations
// go to the break control; the rest leave the tray through callbacks the application sets.
class MenuBarActions {
public:
    explicit MenuBarActions(BreakControl& control)
        : control_(control) {}

    std::function<void()> onOpenSettings;
    std::function<void()> onCheckForUpdates;
    std::function<void()> onQuit;

    void perform(TrayAction action);

private:
    BreakControl& control_;
};

} // namespace qv
