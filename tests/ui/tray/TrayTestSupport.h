// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/gallery/tray/TrayScenario.h"
#include "ui/tray/DBusTypes.h"
#include "ui/tray/TrayController.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QStringList>
#include <memory>

class QMenu;

namespace qv::test {

// The tray on its real collaborators, in a given state of the cycle.
struct TrayUnderTest {
    explicit TrayUnderTest(const QString& state = QStringLiteral("working"));
    TrayScenario scenario;
    TrayController tray{scenario.source, scenario.actions};
};

// One line per menu item: "[title]" when disabled, submenu items indented, "--" for separators,
// " <Ctrl+Q>" after a shortcut, " *" when it has an icon.
QStringList outline(const QMenu& menu, const QString& indent = {});
QStringList outline(const DBusMenuItem& item, const QString& indent = {});
// The id of the exported item with that label, searching submenus too; -1 when absent.
int idOfLabel(const DBusMenuItem& item, const QString& label);

QQuickItem* findItem(QQuickWindow& window, const char* objectName);

} // namespace qv::test
