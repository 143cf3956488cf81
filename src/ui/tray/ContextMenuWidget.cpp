// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tray/ContextMenuWidget.h"

#include "ui/tray/MenuIcons.h"

#include <QMenu>

namespace qv {

void fillMenu(QMenu& menu, const QList<MenuEntry>& entries,
              const std::function<void(TrayAction)>& onAction) {
    menu.clear();
    const QColor ink = menu.palette().color(QPalette::WindowText);
    for (const auto& entry : entries) {
        if (entry.kind == MenuEntry::Kind::separator) {
            menu.addSeparator();
            continue;
        }
        QAction* action = nullptr;
        if (entry.kind == MenuEntry::Kind::submenu) {
            auto* submenu = menu.addMenu(menuIcon(entry.iconName, ink), entry.title);
            fillMenu(*submenu, entry.children, onAction);
            action = submenu->menuAction();
        } else {
            // A literal ampersand would otherwise mark an access key.
            action = menu.addAction(
                menuIcon(entry.iconName, ink),
                QString(entry.title).replace(QLatin1Char('&'), QStringLiteral("&&")));
            if (entry.action != TrayAction::none) {
                const TrayAction chosen = entry.action;
                QObject::connect(action, &QAction::triggered, &menu, [onAction, chosen] {
                    if (onAction) {
                        onAction(chosen);
                    }
                });
            }
        }
        action->setEnabled(entry.enabled);
        action->setIconVisibleInMenu(true);
        if (!entry.shortcut.isEmpty()) {
            action->setShortcut(QKeySequence(entry.shortcut));
        }
    }
}

} // namespace qv
