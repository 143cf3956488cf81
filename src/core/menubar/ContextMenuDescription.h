// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/menubar/MenuPopoverDisplay.h"

#include <QList>
#include <QString>

namespace qv {

// What a menu item does when chosen; none for the status line, separators and submenus.
enum class TrayAction {
    none,
    startBreak,
    snoozeBreak,
    pauseForOneHour,
    pauseUntilTomorrow,
    resumeBreaks,
    openSettings,
    checkForUpdates,
    quit,
};

// One item of the tray's context menu, independent of the toolkit that shows it: the same
// description becomes the widget menu and the menu exported over D-Bus.
struct MenuEntry {
    enum class Kind { item, separator, submenu };
    Kind kind = Kind::item;
    TrayAction action = TrayAction::none;
    QString title;
    // A name from the desktop's icon theme; the views keep a drawing of their own for each.
    QString iconName;
    // Portable key sequence text ("Ctrl+Q"), empty for none.
    QString shortcut;
    bool enabled = true;
    QList<MenuEntry> children;

    bool operator==(const MenuEntry& other) const;
};

struct ContextMenuInputs {
    MenuBarInputs bar;
    QString statusText;
    bool canCheckForUpdates = false;
};

// Built fresh for every opening, so titles and enabled states are those of that moment.
QList<MenuEntry> makeContextMenu(const ContextMenuInputs& inputs);

} // namespace qv
