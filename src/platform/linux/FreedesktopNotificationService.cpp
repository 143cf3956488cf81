// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/FreedesktopNotificationService.h"

#include "core/services/AppIdentity.h"

#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace qv {

namespace {
const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
// What the server sends for a click on the notification itself; never one of ours.
const QString defaultActionKey = QStringLiteral("default");
} // namespace

FreedesktopNotificationService::FreedesktopNotificationService(QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , bus_(std::move(bus)) {
    bus_.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
                 SLOT(handleActionInvoked(uint, QString)));
    bus_.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                 SLOT(handleClosed(uint, uint)));
}

FreedesktopNotificationService::~FreedesktopNotificationService() {
    // A heads-up outliving the program would offer buttons nobody answers.
    if (shownId_ != 0) {
        close(shownId_);
    }
}

QDBusMessage FreedesktopNotificationService::method(const QString& name) const {
    return QDBusMessage::createMethodCall(service, path, interface, name);
}

void FreedesktopNotificationService::post(const NotificationContent& content) {
    pending_ = content;
    withdrawWhenAnswered_ = false;
    pump();
}

void FreedesktopNotificationService::withdraw() {
    pending_.reset();
    if (inFlight_) {
        withdrawWhenAnswered_ = true;
    }
    if (shownId_ != 0) {
        close(std::exchange(shownId_, 0u));
    }
}

void FreedesktopNotificationService::refreshAvailability() {
    capabilities_.reset();
    pump();
}

// One call at a time: the capabilities first, then the newest content.
void FreedesktopNotificationService::pump() {
    if (inFlight_) {
        return;
    }
    if (!capabilities_) {
        askCapabilities();
    } else if (pending_) {
        sendNotify(*std::exchange(pending_, std::nullopt));
    }
}

void FreedesktopNotificationService::askCapabilities() {
    inFlight_ = new QDBusPendingCallWatcher(
        bus_.asyncCall(method(QStringLiteral("GetCapabilities")), callTimeoutMs), this);
    connect(inFlight_, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                inFlight_ = nullptr;
                const QDBusPendingReply<QStringList> reply = *call;
                if (reply.isError()) {
                    // Nobody to show it: drop it, so a server appearing later shows no
                    // stale heads-up.
                    pending_.reset();
                    setAvailability(NotificationAvailability::unavailable);
                    return;
                }
                capabilities_ = reply.value();
                setAvailability(NotificationAvailability::on);
                pump();
            });
}

void FreedesktopNotificationService::sendNotify(const NotificationContent& content) {
    QStringList actions;
    if (capabilities_->contains(QStringLiteral("actions"))) {
        for (const NotificationAction& action : content.actions) {
            actions << action.identifier << action.title;
        }
    }
    const bool markup = capabilities_->contains(QStringLiteral("body-markup"));
    QVariantMap hints{{QStringLiteral("desktop-entry"), appIdentity::applicationId},
                      {QStringLiteral("urgency"), QVariant::fromValue<uchar>(1)}};
    if (capabilities_->contains(QStringLiteral("sound"))) {
        hints.insert(QStringLiteral("sound-name"), QStringLiteral("message-new-instant"));
    }
    QDBusMessage call = method(QStringLiteral("Notify"));
    call << appIdentity::displayName << shownId_ << appIdentity::applicationId << content.title
         << (markup ? content.body.toHtmlEscaped() : content.body) << actions << hints << int{-1};
    inFlight_ = new QDBusPendingCallWatcher(bus_.asyncCall(call, callTimeoutMs), this);
    connect(inFlight_, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* answer) {
                answer->deleteLater();
                inFlight_ = nullptr;
                const QDBusPendingReply<uint> reply = *answer;
                if (reply.isError()) {
                    shownId_ = 0;
                    setAvailability(NotificationAvailability::unavailable);
                    capabilities_.reset(); // ask again next time
                    return;
                }
                shownId_ = reply.value();
                if (std::exchange(withdrawWhenAnswered_, false)) {
                    close(std::exchange(shownId_, 0u));
                }
                pump();
            });
}

void FreedesktopNotificationService::close(uint id) {
    QDBusMessage call = method(QStringLiteral("CloseNotification"));
    call << id;
    bus_.asyncCall(call, callTimeoutMs);
}

void FreedesktopNotificationService::setAvailability(NotificationAvailability availability) {
    if (std::exchange(availability_, availability) != availability && onAvailabilityChanged) {
        onAvailabilityChanged();
    }
}

void FreedesktopNotificationService::handleActionInvoked(uint id, const QString& actionKey) {
    if (id == 0 || id != shownId_ || actionKey == defaultActionKey || !onAction) {
        return;
    }
    onAction(actionKey);
}

void FreedesktopNotificationService::handleClosed(uint id, uint /*reason*/) {
    if (id != 0 && id == shownId_) {
        shownId_ = 0;
    }
}

} // namespace qv
