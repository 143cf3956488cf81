// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tray/StatusNotifierItem.h"

#include "ui/tray/DBusMenuExporter.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>

namespace qv {

namespace {
int nextItemNumber() {
    static int number = 0;
    return ++number;
}
} // namespace

StatusNotifierItem::StatusNotifierItem(QDBusConnection bus, DBusMenuExporter& menu, QObject* parent)
    : QObject(parent)
    , bus_(std::move(bus))
    , menuExporter_(menu)
    , serviceName_(QStringLiteral("org.kde.StatusNotifierItem-%1-%2")
                       .arg(QCoreApplication::applicationPid())
                       .arg(nextItemNumber())) {
    registerDBusTypes();
    toolTip_.title = title();
}

StatusNotifierItem::~StatusNotifierItem() {
    bus_.unregisterObject(itemPath);
    bus_.unregisterObject(menuPath);
    bus_.unregisterService(serviceName_);
}

bool StatusNotifierItem::isWatcherPresent(const QDBusConnection& bus) {
    return bus.isConnected() && bus.interface() &&
           bus.interface()->isServiceRegistered(watcherService).value();
}

bool StatusNotifierItem::publish() {
    const auto exported = QDBusConnection::ExportAllProperties | QDBusConnection::ExportAllSlots |
                          QDBusConnection::ExportAllSignals;
    if (!bus_.registerObject(itemPath, this, exported) ||
        !bus_.registerObject(menuPath, &menuExporter_, exported) ||
        !bus_.registerService(serviceName_)) {
        return false;
    }
    watcher_ = new QDBusServiceWatcher(watcherService, bus_,
                                       QDBusServiceWatcher::WatchForRegistration, this);
    connect(watcher_, &QDBusServiceWatcher::serviceRegistered, this,
            &StatusNotifierItem::registerWithWatcher);
    registerWithWatcher();
    return true;
}

void StatusNotifierItem::registerWithWatcher() {
    // Asynchronous: the watcher may live in this very process and answer on its event loop.
    bus_.asyncCall(
        QDBusMessage::createMethodCall(watcherService, QStringLiteral("/StatusNotifierWatcher"),
                                       watcherService, QStringLiteral("RegisterStatusNotifierItem"))
        << serviceName_);
}

void StatusNotifierItem::setIcon(const QList<QImage>& images) {
    icon_.clear();
    for (const auto& image : images) {
        icon_ << toDBusImage(image);
    }
    Q_EMIT NewIcon();
}

void StatusNotifierItem::setToolTip(const QString& title, const QString& description,
                                    bool announce) {
    toolTip_.title = title;
    toolTip_.description = description;
    if (announce) {
        Q_EMIT NewToolTip();
    }
}

void StatusNotifierItem::setLabel(const QString& label) {
    if (label_ == label) {
        return;
    }
    label_ = label;
    Q_EMIT XAyatanaNewLabel(label_, labelGuide());
}

void StatusNotifierItem::Activate(int x, int y) {
    if (onActivate) {
        QMetaObject::invokeMethod(
            this,
            [this, x, y] {
                onActivate({x, y});
            },
            Qt::QueuedConnection);
    }
}

void StatusNotifierItem::SecondaryActivate(int x, int y) {
    Activate(x, y);
}

void StatusNotifierItem::ContextMenu(int x, int y) {
    if (onContextMenu) {
        QMetaObject::invokeMethod(
            this,
            [this, x, y] {
                onContextMenu({x, y});
            },
            Qt::QueuedConnection);
    }
}

void StatusNotifierItem::Scroll(int, const QString&) {}

} // namespace qv
