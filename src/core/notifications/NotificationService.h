// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace qv {

// Whether the desktop shows this program's notifications at all.
enum class NotificationAvailability {
    unknown,    // not asked yet
    on,         // a notification service answers
    unavailable // none answers; nothing is posted
};

struct NotificationAction {
    QString identifier;
    QString title;
    bool operator==(const NotificationAction&) const = default;
};

struct NotificationContent {
    QString title;
    QString body;
    QList<NotificationAction> actions;
    bool operator==(const NotificationContent&) const = default;
};

// The desktop's notification service, holding at most one notification of this program.
// Posting replaces the one shown; the service may drop the actions it cannot show.
// Callbacks arrive on the main thread.
class NotificationService {
public:
    virtual ~NotificationService() = default;

    virtual void post(const NotificationContent& content) = 0;
    // Removes the notification, shown or still on its way; nothing when there is none.
    virtual void withdraw() = 0;
    // Asks the desktop again whether a service answers; the answer arrives later through
    // onAvailabilityChanged.
    virtual void refreshAvailability() = 0;
    virtual NotificationAvailability availability() const = 0;

    // The user chose the action with this identifier on the current notification.
    std::function<void(const QString& identifier)> onAction;
    std::function<void()> onAvailabilityChanged;
};

} // namespace qv
