// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/notifications/NotificationService.h"

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <optional>

class QDBusPendingCallWatcher;

namespace qv {

// The desktop's notification server (org.freedesktop.Notifications) over D-Bus. Every call is
// asynchronous, so a slow or dead server never holds up the main thread: a notification
// posted while a call is under way waits for it, and the newest content wins. A server that
// does not answer makes the service "unavailable" and nothing is posted; one without the
// "actions" capability gets the notification without buttons.
class FreedesktopNotificationService final : public QObject, public NotificationService {
    Q_OBJECT

public:
    static constexpr int callTimeoutMs = 2000;

    explicit FreedesktopNotificationService(QDBusConnection bus = QDBusConnection::sessionBus(),
                                            QObject* parent = nullptr);
    ~FreedesktopNotificationService() override;

    void post(const NotificationContent& content) override;
    void withdraw() override;
    void refreshAvailability() override;
    NotificationAvailability availability() const override { return availability_; }

    // The server's identifier of the notification on display; 0 when there is none.
    uint shownId() const { return shownId_; }

private Q_SLOTS:
    void handleActionInvoked(uint id, const QString& actionKey);
    void handleClosed(uint id, uint reason);

private:
    void pump();
    void askCapabilities();
    void sendNotify(const NotificationContent& content);
    void close(uint id);
    void setAvailability(NotificationAvailability availability);
    QDBusMessage method(const QString& name) const;

    QDBusConnection bus_;
    NotificationAvailability availability_ = NotificationAvailability::unknown;
    std::optional<QStringList> capabilities_;
    std::optional<NotificationContent> pending_;
    QDBusPendingCallWatcher* inFlight_ = nullptr;
    bool withdrawWhenAnswered_ = false;
    uint shownId_ = 0;
};

} // namespace qv
