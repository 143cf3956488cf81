// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusVariant>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <vector>

namespace qv::test {

// A notification server on a bus of the test's own that records every call exactly as it
// arrives, so the arguments a real server would get can be checked.
class NotificationServerDouble final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Notify {
        QString appName;
        uint replacesId;
        QString appIcon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        int expireTimeout;
    };

    // Registers as org.freedesktop.Notifications on its own connection to the bus.
    NotificationServerDouble(const QString& busAddress, QStringList capabilities);
    ~NotificationServerDouble() override;

    bool isRegistered() const { return registered_; }
    void invokeAction(uint id, const QString& key);

    std::vector<Notify> notified;
    std::vector<uint> closed;

public Q_SLOTS:
    QStringList GetCapabilities() { return capabilities_; }
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int expireTimeout);
    void CloseNotification(uint id);
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion);

private:
    QDBusConnection bus_;
    QStringList capabilities_;
    uint nextId_ = 1;
    bool registered_ = false;
};

} // namespace qv::test
