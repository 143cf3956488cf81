// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/notifications/HeadsUpNotifier.h"

#include <QCoreApplication>
#include <QPointer>

namespace qv {

HeadsUpNotifier::HeadsUpNotifier(NotificationService& service, CalendarSource calendar,
                                 QObject* parent)
    : QObject(parent)
    , service_(service)
    , calendar_(std::move(calendar)) {
    QPointer<HeadsUpNotifier> self(this);
    service_.onAction = [self](const QString& identifier) {
        if (self) {
            self->handleAction(identifier);
        }
    };
    service_.onAvailabilityChanged = [self] {
        if (self) {
            Q_EMIT self->availabilityChanged();
        }
    };
}

NotificationContent HeadsUpNotifier::content(const QDateTime& dueAt, bool allowsSnooze,
                                             const Calendar& calendar) {
    NotificationContent result;
    result.title = QCoreApplication::translate("Notification", "Break in one minute");
    result.body =
        QCoreApplication::translate(
            "Notification", "Wrap up what you are doing. Quorvantel will start the break at %1.")
            .arg(calendar.shortTime(dueAt));
    result.actions.append(
        {startNowAction, QCoreApplication::translate("Notification", "Start now")});
    if (allowsSnooze) {
        result.actions.append(
            {snoozeAction, QCoreApplication::translate("Notification", "+5 min")});
    }
    return result;
}

void HeadsUpNotifier::scheduleHeadsUp(const QDateTime& dueAt, bool allowsSnooze) {
    // Also when no service answered last time: one may have started since, and the service
    // drops what nobody can show.
    service_.post(content(dueAt, allowsSnooze, calendar_()));
}

void HeadsUpNotifier::withdrawHeadsUp() {
    service_.withdraw();
}

// Clicking the notification itself, or closing it, is the desktop's business alone.
void HeadsUpNotifier::handleAction(const QString& identifier) {
    const std::function<void()>* callback = identifier == startNowAction ? &onStartNow
                                            : identifier == snoozeAction ? &onSnooze
                                                                         : nullptr;
    if (callback && *callback) {
        (*callback)();
    }
}

} // namespace qv
