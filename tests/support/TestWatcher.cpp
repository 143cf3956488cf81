// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestWatcher.h"

#include <QDBusConnectionInterface>
#include <QDBusVariant>
#include <QTest>

namespace qv::test {

TestWatcher::TestWatcher()
    : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                         QStringLiteral("test-watcher"))) {}

TestWatcher::~TestWatcher() {
    bus_.unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher"));
    bus_.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
    QDBusConnection::disconnectFromBus(QStringLiteral("test-watcher"));
}

bool TestWatcher::start() {
    return bus_.registerObject(QStringLiteral("/StatusNotifierWatcher"), this,
                               QDBusConnection::ExportAllContents) &&
           bus_.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

void TestWatcher::RegisterStatusNotifierItem(const QString& service, const QDBusMessage& message) {
    // Items name either their bus name or an object path; the sender is the bus name then.
    items_ << (service.startsWith(QLatin1Char('/')) ? message.service() : service);
    itemService_ = items_.last();
    Q_EMIT StatusNotifierItemRegistered(items_.last());
}

QDBusMessage TestWatcher::call(const QString& path, const QString& interface, const QString& method,
                               const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(itemService_, path, interface, method);
    message.setArguments(arguments);
    QDBusPendingCall pending = bus_.asyncCall(message, 5000);
    if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 6000)) {
        return {};
    }
    return pending.reply();
}

QVariant TestWatcher::property(const QString& path, const QString& interface, const QString& name) {
    const QDBusMessage reply = call(path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                    QStringLiteral("Get"), {interface, name});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return {};
    }
    return qvariant_cast<QDBusVariant>(reply.arguments().first()).variant();
}

} // namespace qv::test
