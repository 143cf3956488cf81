// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tray/DBusMenuExporter.h"

#include "ui/tray/MenuIcons.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QPalette>

namespace qv {

namespace {

int idForAction(TrayAction action) {
    return 10 + static_cast<int>(action);
}
constexpr int rootId = 0;
constexpr int statusLineId = 1;
constexpr int pauseMenuId = 2;
constexpr int firstSeparatorId = 100;

DBusMenuShortcut shortcutOf(const QString& text) {
    QStringList keys;
    for (QString key : text.split(QLatin1Char('+'), Qt::SkipEmptyParts)) {
        if (key == QLatin1String("Ctrl")) {
            key = QStringLiteral("Control");
        } else if (key == QLatin1String("Meta")) {
            key = QStringLiteral("Super");
        }
        keys << key;
    }
    if (text.endsWith(QLatin1String("++"))) {
        keys << QStringLiteral("plus");
    }
    return {keys};
}

QVariantMap propertiesOf(const MenuEntry& entry) {
    QVariantMap properties;
    if (entry.kind == MenuEntry::Kind::separator) {
        properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
        return properties;
    }
    // Underscores mark access keys in this protocol; a literal one is doubled.
    properties.insert(QStringLiteral("label"),
                      QString(entry.title).replace(QLatin1Char('_'), QStringLiteral("__")));
    properties.insert(QStringLiteral("enabled"), entry.enabled);
    if (entry.kind == MenuEntry::Kind::submenu) {
        properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    }
    if (QIcon::hasThemeIcon(entry.iconName)) {
        properties.insert(QStringLiteral("icon-name"), entry.iconName);
    } else if (hasOwnMenuIcon(entry.iconName)) {
        const QColor ink = QGuiApplication::palette().color(QPalette::WindowText);
        properties.insert(QStringLiteral("icon-data"), ownMenuIconPng(entry.iconName, ink));
    }
    if (!entry.shortcut.isEmpty()) {
        properties.insert(QStringLiteral("shortcut"),
                          QVariant::fromValue(shortcutOf(entry.shortcut)));
    }
    return properties;
}

QVariantMap filtered(QVariantMap properties, const QStringList& names) {
    if (names.isEmpty()) {
        return properties;
    }
    for (auto it = properties.begin(); it != properties.end();) {
        it = names.contains(it.key()) ? std::next(it) : properties.erase(it);
    }
    return properties;
}

DBusMenuItem itemOf(const MenuEntry& entry, int index, const QStringList& names) {
    DBusMenuItem item{
        DBusMenuExporter::idOf(entry, index), filtered(propertiesOf(entry), names), {}};
    for (int i = 0; i < entry.children.size(); ++i) {
        item.children << itemOf(entry.children[i], i, names);
    }
    return item;
}

void collectProperties(const DBusMenuItem& item, QList<DBusMenuItemProperties>& into) {
    into << DBusMenuItemProperties{item.id, item.properties};
    for (const auto& child : item.children) {
        collectProperties(child, into);
    }
}

struct Found {
    const MenuEntry* entry = nullptr;
    // Enabled itself and every submenu above it.
    bool enabled = false;
};

Found findEntry(const QList<MenuEntry>& entries, int id, bool parentEnabled = true) {
    for (int i = 0; i < entries.size(); ++i) {
        const bool enabled = parentEnabled && entries[i].enabled;
        if (DBusMenuExporter::idOf(entries[i], i) == id) {
            return {&entries[i], enabled};
        }
        if (const auto found = findEntry(entries[i].children, id, enabled); found.entry) {
            return found;
        }
    }
    return {};
}

const DBusMenuItem* findItem(const DBusMenuItem& root, int id) {
    if (root.id == id) {
        return &root;
    }
    for (const auto& child : root.children) {
        if (const auto* found = findItem(child, id)) {
            return found;
        }
    }
    return nullptr;
}

} // namespace

DBusMenuExporter::DBusMenuExporter(Describe describe, std::function<void(TrayAction)> onAction,
                                   QObject* parent)
    : QObject(parent)
    , describe_(std::move(describe))
    , onAction_(std::move(onAction)) {
    registerDBusTypes();
    lastShape_ = shape(describe_());
}

int DBusMenuExporter::idOf(const MenuEntry& entry, int index) {
    switch (entry.kind) {
    case MenuEntry::Kind::separator:
        return firstSeparatorId + index;
    case MenuEntry::Kind::submenu:
        return pauseMenuId;
    case MenuEntry::Kind::item:
        return entry.action == TrayAction::none ? statusLineId : idForAction(entry.action);
    }
    return firstSeparatorId + index;
}

DBusMenuItem DBusMenuExporter::layoutOf(const QList<MenuEntry>& entries, const QStringList& names) {
    DBusMenuItem root{
        rootId, {{QStringLiteral("children-display"), QStringLiteral("submenu")}}, {}};
    for (int i = 0; i < entries.size(); ++i) {
        root.children << itemOf(entries[i], i, names);
    }
    return root;
}

QList<MenuEntry> DBusMenuExporter::shape(QList<MenuEntry> entries) {
    if (!entries.isEmpty()) {
        entries.first().title.clear();
    }
    return entries;
}

void DBusMenuExporter::refresh() {
    auto current = shape(describe_());
    if (current == lastShape_) {
        return;
    }
    lastShape_ = std::move(current);
    ++revision_;
    Q_EMIT LayoutUpdated(revision_, 0);
}

uint DBusMenuExporter::GetLayout(int parentId, int recursionDepth, const QStringList& names,
                                 DBusMenuItem& layout) {
    const DBusMenuItem root = layoutOf(describe_(), names);
    const DBusMenuItem* parent = findItem(root, parentId);
    if (!parent) {
        refuse(QStringLiteral("The menu has no item %1.").arg(parentId));
        return revision_;
    }
    layout = *parent;
    if (recursionDepth == 0) {
        layout.children.clear();
    }
    return revision_;
}

QList<DBusMenuItemProperties> DBusMenuExporter::GetGroupProperties(const QList<int>& ids,
                                                                   const QStringList& names) {
    const DBusMenuItem root = layoutOf(describe_(), names);
    QList<DBusMenuItemProperties> result;
    // No ids asks for every item.
    if (ids.isEmpty()) {
        collectProperties(root, result);
        return result;
    }
    for (const int id : ids) {
        if (const auto* item = findItem(root, id)) {
            result << DBusMenuItemProperties{id, item->properties};
        }
    }
    // A stale id among known ones is left out, so the known ones still get their answer.
    if (result.isEmpty()) {
        refuse(QStringLiteral("The menu has none of the items asked for."));
    }
    return result;
}

QDBusVariant DBusMenuExporter::GetProperty(int id, const QString& name) {
    const DBusMenuItem root = layoutOf(describe_(), {name});
    const auto* item = findItem(root, id);
    if (!item) {
        refuse(QStringLiteral("The menu has no item %1.").arg(id));
        return QDBusVariant(QString());
    }
    const auto value = item->properties.constFind(name);
    if (value == item->properties.cend()) {
        refuse(QStringLiteral("Menu item %1 has no property \"%2\".").arg(id).arg(name));
        return QDBusVariant(QString());
    }
    return QDBusVariant(*value);
}

void DBusMenuExporter::Event(int id, const QString& eventId, const QDBusVariant&, uint) {
    if (!hasItem(id)) {
        refuse(QStringLiteral("The menu has no item %1.").arg(id));
    } else if (eventId == QLatin1String("clicked")) {
        click(id);
    }
}

QList<int> DBusMenuExporter::EventGroup(const QList<DBusMenuEvent>& events) {
    QList<int> unknown;
    for (const auto& event : events) {
        if (!hasItem(event.id)) {
            unknown << event.id;
        } else if (event.eventId == QLatin1String("clicked")) {
            click(event.id);
        }
    }
    if (!events.isEmpty() && unknown.size() == events.size()) {
        refuse(QStringLiteral("The menu has none of the items the events are for."));
    }
    return unknown;
}

bool DBusMenuExporter::AboutToShow(int id) {
    if (!hasItem(id)) {
        refuse(QStringLiteral("The menu has no item %1.").arg(id));
    }
    // The menu is described anew for every request; the host need not refetch.
    return false;
}

QList<int> DBusMenuExporter::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors) {
    idErrors.clear();
    for (const int id : ids) {
        if (!hasItem(id)) {
            idErrors << id;
        }
    }
    if (!ids.isEmpty() && idErrors.size() == ids.size()) {
        refuse(QStringLiteral("The menu has none of the items asked for."));
    }
    return {};
}

bool DBusMenuExporter::hasItem(int id) const {
    return id == rootId || findEntry(describe_(), id).entry != nullptr;
}

void DBusMenuExporter::refuse(const QString& message) const {
    if (calledFromDBus()) {
        sendErrorReply(QDBusError::InvalidArgs, message);
    }
}

bool DBusMenuExporter::click(int id) {
    const auto entries = describe_();
    const Found found = findEntry(entries, id);
    if (!found.entry) {
        return false;
    }
    // The item's rule is checked at the moment of the click, not when the menu was drawn.
    if (found.enabled && found.entry->action != TrayAction::none && onAction_) {
        const TrayAction action = found.entry->action;
        QMetaObject::invokeMethod(
            this, [this, action] { onAction_(action); }, Qt::QueuedConnection);
    }
    return true;
}

} // namespace qv
