// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayTestSupport.h"

#include <QMenu>

namespace qv::test {

TrayUnderTest::TrayUnderTest(const QString& state) {
    scenario.enter(state);
}

QStringList outline(const QMenu& menu, const QString& indent) {
    QStringList lines;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            lines << indent + QStringLiteral("--");
            continue;
        }
        QString line = QString(action->text()).replace("&&", "&");
        line = action->isEnabled() ? line : QLatin1Char('[') + line + QLatin1Char(']');
        if (!action->shortcut().isEmpty()) {
            line += QStringLiteral(" <") + action->shortcut().toString() + QLatin1Char('>');
        }
        if (!action->icon().isNull()) {
            line += QStringLiteral(" *");
        }
        lines << indent + line;
        if (action->menu()) {
            lines << outline(*action->menu(), indent + QStringLiteral("  "));
        }
    }
    return lines;
}

QStringList outline(const DBusMenuItem& item, const QString& indent) {
    QStringList lines;
    for (const DBusMenuItem& child : item.children) {
        const QVariantMap& p = child.properties;
        if (p.value("type").toString() == QLatin1String("separator")) {
            lines << indent + QStringLiteral("--");
            continue;
        }
        QString line = p.value("label").toString().replace("__", "_");
        line =
            p.value("enabled", true).toBool() ? line : QLatin1Char('[') + line + QLatin1Char(']');
        if (p.contains("shortcut")) {
            DBusMenuShortcut keys;
            p.value("shortcut").value<QDBusArgument>() >> keys;
            QStringList parts = keys.value(0);
            parts.replaceInStrings("Control", "Ctrl");
            line += QStringLiteral(" <") + parts.join(QLatin1Char('+')) + QLatin1Char('>');
        }
        if (p.contains("icon-name") || p.contains("icon-data")) {
            line += QStringLiteral(" *");
        }
        lines << indent + line;
        lines << outline(child, indent + QStringLiteral("  "));
    }
    return lines;
}

int idOfLabel(const DBusMenuItem& item, const QString& label) {
    for (const DBusMenuItem& child : item.children) {
        if (child.properties.value("label").toString() == label) {
            return child.id;
        }
        if (const int id = idOfLabel(child, label); id >= 0) {
            return id;
        }
    }
    return -1;
}

QQuickItem* findItem(QQuickWindow& window, const char* objectName) {
    return window.findChild<QQuickItem*>(QString::fromLatin1(objectName));
}

} // namespace qv::test
