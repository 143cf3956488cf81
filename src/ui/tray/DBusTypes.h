// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusArgument>
#include <QImage>
#include <QList>
#include <QVariantMap>

namespace qv {

// One icon image as StatusNotifierItem carries it: ARGB32 in network byte order.
struct DBusImage {
    int width = 0;
    int height = 0;
    QByteArray pixels;
};
using DBusImageList = QList<DBusImage>;

struct DBusToolTip {
    QString iconName;
    DBusImageList images;
    QString title;
    QString description;
};

// One node of an exported menu; children travel wrapped in variants.
struct DBusMenuItem {
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuItem> children;
};

struct DBusMenuItemProperties {
    int id = 0;
    QVariantMap properties;
};
using DBusMenuItemPropertiesList = QList<DBusMenuItemProperties>;

struct DBusMenuItemKeys {
    int id = 0;
    QStringList names;
};
using DBusMenuItemKeysList = QList<DBusMenuItemKeys>;

struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using DBusMenuEventList = QList<DBusMenuEvent>;

using DBusMenuShortcut = QList<QStringList>;

DBusImage toDBusImage(const QImage& image);
QImage fromDBusImage(const DBusImage& image);
// Registers the types above with Qt's meta-type and D-Bus systems; safe to call repeatedly.
void registerDBusTypes();

QDBusArgument& operator<<(QDBusArgument& arg, const DBusImage& image);
const QDBusArgument& operator>>(const QDBusArgument& arg, DBusImage& image);
QDBusArgument& operator<<(QDBusArgument& arg, const DBusToolTip& tip);
const QDBusArgument& operator>>(const QDBusArgument& arg, DBusToolTip& tip);
QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuItem& item);
const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuItem& item);
QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuItemProperties& item);
const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuItemProperties& item);
QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuItemKeys& item);
const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuItemKeys& item);
QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuEvent& event);
const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuEvent& event);

} // namespace qv

Q_DECLARE_METATYPE(qv::DBusImage)
Q_DECLARE_METATYPE(qv::DBusToolTip)
Q_DECLARE_METATYPE(qv::DBusMenuItem)
Q_DECLARE_METATYPE(qv::DBusMenuItemProperties)
Q_DECLARE_METATYPE(qv::DBusMenuItemKeys)
Q_DECLARE_METATYPE(qv::DBusMenuEvent)
