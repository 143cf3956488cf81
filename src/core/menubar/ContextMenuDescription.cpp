// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menubar/ContextMenuDescription.h"

#include <QCoreApplication>

namespace qv {

namespace {

MenuEntry item(TrayAction action, QString title, QString iconName, bool enabled = true,
               QString shortcut = {}) {
    MenuEntry entry;
    entry.action = action;
    entry.title = std::move(title);
    entry.iconName = std::move(iconName);
    entry.enabled = enabled;
    entry.shortcut = std::move(shortcut);
    return entry;
}

MenuEntry separator() {
    MenuEntry entry;
    entry.kind = MenuEntry::Kind::separator;
    return entry;
}

MenuEntry pauseSubmenu(bool enabled) {
    MenuEntry entry = item(TrayAction::none, QCoreApplication::translate("Tray", "Pause breaks"),
                           QStringLiteral("media-playback-pause"), enabled);
    entry.kind = MenuEntry::Kind::submenu;
    entry.children = {
        item(TrayAction::pauseForOneHour, QCoreApplication::translate("Tray", "For 1 hour"),
             QStringLiteral("appointment-soon")),
        item(TrayAction::pauseUntilTomorrow, QCoreApplication::translate("Tray", "Until tomorrow"),
             QStringLiteral("weather-clear-night"))};
    return entry;
}

} // namespace

bool MenuEntry::operator==(const MenuEntry& other) const {
    return kind == other.kind && action == other.action && title == other.title &&
           iconName == other.iconName && shortcut == other.shortcut && enabled == other.enabled &&
           std::equal(children.begin(), children.end(), other.children.begin(),
                      other.children.end());
}

QList<MenuEntry> makeContextMenu(const ContextMenuInputs& in) {
    using namespace scheduleState;
    const auto& state = in.bar.state;
    const bool breakUnderway =
        std::holds_alternative<BreakDue>(state) || std::holds_alternative<BreakActive>(state);
    const bool paused = std::holds_alternative<Paused>(in.bar.schedule.state);

    QList<MenuEntry> menu;
    menu << item(TrayAction::none, in.statusText, QStringLiteral("chronometer"), false)
         << separator()
         << item(TrayAction::startBreak, QCoreApplication::translate("Tray", "Start break now"),
                 QStringLiteral("media-skip-forward"), !breakUnderway);
    if (in.bar.schedule.canSnooze(in.bar.now)) {
        const int left = in.bar.schedule.snoozesLeft();
        menu << item(TrayAction::snoozeBreak,
                     QCoreApplication::translate("Tray", "Snooze 5 minutes (%1 left)").arg(left),
                     QStringLiteral("alarm-snooze"));
    }
    if (paused) {
        menu << item(TrayAction::resumeBreaks, QCoreApplication::translate("Tray", "Resume breaks"),
                     QStringLiteral("media-playback-start"));
    } else {
        menu << pauseSubmenu(!breakUnderway);
    }
    menu << separator()
         << item(TrayAction::openSettings, QCoreApplication::translate("Tray", "Settings…"),
                 QStringLiteral("preferences-system"), true, QStringLiteral("Ctrl+,"))
         << item(TrayAction::checkForUpdates,
                 QCoreApplication::translate("Tray", "Check for Updates…"),
                 QStringLiteral("view-refresh"), in.canCheckForUpdates)
         << separator()
         << item(TrayAction::quit, QCoreApplication::translate("Tray", "Quit Quorvantel"),
                 QStringLiteral("application-exit"), true, QStringLiteral("Ctrl+Q"));
    return menu;
}

} // namespace qv
