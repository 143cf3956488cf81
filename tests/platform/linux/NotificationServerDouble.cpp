// SPDX-License-Identifier: GPL-3.0-or-later
#include "NotificationServerDouble.h"

#include <QDBusMessage>

namespace qv::test {

namespace {
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
} // namespace

NotificationServerDouble::NotificationServerDouble(const QString& busAddress,
                                                   QStringList capabilities)
    : bus_(QDBusConnection::connectToBus(busAddress, QStringLiteral("notification-server")))
    , capabilities_(std::move(capabilities)) {
    registered_ = bus_.registerObject(path, this, QDBusConnection::ExportAllSlots) &&
                  bus_.registerService(QStringLiteral("org.freedesktop.Notifications"));
}

NotificationServerDouble::~NotificationServerDouble() {
    bus_.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
    bus_.unregisterObject(path);
    QDBusConnection::disconnectFromBus(QStringLiteral("notification-server"));
}

uint NotificationServerDouble::Notify(const QString& appName, uint replacesId,
                                      const QString& appIcon, const QString& summary,
                                      const QString& body, const QStringList& actions,
                                      const QVariantMap& hints, int expireTimeout) {
    notified.push_back(
        {appName, replacesId, appIcon, summary, body, actions, hints, expireTimeout});
    return replacesId != 0 ? replacesId : nextId_++;
}

void NotificationServerDouble::CloseNotification(uint id) {
    closed.push_back(id);
}

QString NotificationServerDouble::GetServerInformation(QString& vendor, QString& version,
                                                       QString& specVersion) {
    vendor = QStringLiteral("test"), version = QStringLiteral("1"),
    specVersion = QStringLiteral("1.2");
    return QStringLiteral("double");
}

void NotificationServerDouble::invokeAction(uint id, const QString& key) {
    QDBusMessage signal =
        QDBusMessage::createSignal(path, interface, QStringLiteral("ActionInvoked"));
    signal << id << key;
    bus_.send(signal);
}

} // namespace qv::test
