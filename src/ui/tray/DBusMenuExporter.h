// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/menubar/ContextMenuDescription.h"
#include "ui/tray/DBusTypes.h"

#include <QDBusContext>
#include <QDBusVariant>
#include <QObject>
#include <functional>

namespace qv {

// The tray's context menu published over D-Bus (the com.canonical.dbusmenu protocol) for
// hosts that draw the menu themselves. Every request reads the description afresh, and item
// ids stay with their action, so a click on a menu drawn a moment ago still does what its
// title said. Every call is answered: one about an item or property that does not exist gets
// an error, since a host would otherwise wait for its timeout.
class DBusMenuExporter final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    using Describe = std::function<QList<MenuEntry>()>;
    DBusMenuExporter(Describe describe, std::function<void(TrayAction)> onAction,
                     QObject* parent = nullptr);

    // The tray's state changed: hosts are told to fetch the layout again when more than the
    // status line changed; the status line itself is fresh whenever a host asks.
    void refresh();

    static int idOf(const MenuEntry& entry, int index);
    static DBusMenuItem layoutOf(const QList<MenuEntry>& entries, const QStringList& names = {});

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public Q_SLOTS:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   qv::DBusMenuItem& layout);
    QList<qv::DBusMenuItemProperties> GetGroupProperties(const QList<int>& ids,
                                                         const QStringList& propertyNames);
    QDBusVariant GetProperty(int id, const QString& name);
    void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp);
    QList<int> EventGroup(const QList<qv::DBusMenuEvent>& events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

Q_SIGNALS:
    void ItemsPropertiesUpdated(const QList<qv::DBusMenuItemProperties>& updated,
                                const QList<qv::DBusMenuItemKeys>& removed);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

private:
    // The description without the status line's words, to tell a new layout from a new tick.
    static QList<MenuEntry> shape(QList<MenuEntry> entries);
    bool click(int id);
    bool hasItem(int id) const;
    // Answers the call being served with an error; a local call just gets the empty value.
    void refuse(const QString& message) const;

    Describe describe_;
    std::function<void(TrayAction)> onAction_;
    QList<MenuEntry> lastShape_;
    uint revision_ = 1;
    bool sentSinceChange_ = false;
};

} // namespace qv
