// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QObject>
#include <QStringList>

namespace qv::test {

// A StatusNotifierWatcher of the test's own, on a connection of its own, recording which
// items register; plus a host's side of the conversation with an item.
class TestWatcher final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)

public:
    TestWatcher();
    ~TestWatcher() override;

    bool start();
    bool hostRegistered() const { return true; }
    QStringList items() const { return items_; }
    int protocolVersion() const { return 0; }
    QDBusConnection& bus() { return bus_; }

    // Calls a method on the item (or its menu) the way a host would and waits for the answer
    // while the event loop runs, since the item answers on this very thread.
    QDBusMessage call(const QString& path, const QString& interface, const QString& method,
                      const QVariantList& arguments = {});
    QVariant property(const QString& path, const QString& interface, const QString& name);

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString& service, const QDBusMessage& message);
    void RegisterStatusNotifierHost(const QString&) {}

Q_SIGNALS:
    void StatusNotifierItemRegistered(const QString& item);

private:
    QDBusConnection bus_;
    QStringList items_;
    QString itemService_;
};

} // namespace qv::test
