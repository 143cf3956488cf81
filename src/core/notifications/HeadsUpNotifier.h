// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/notifications/NotificationService.h"
#include "core/time/Calendar.h"

#include <QDateTime>
#include <QObject>
#include <functional>

namespace qv {

// The notification one minute before a break: when it starts, a button to start it now and,
// while a snooze is left, one to put it off by five minutes.
class HeadsUpNotifier final : public QObject {
    Q_OBJECT
    // For the settings: no notification service answers, so no heads-up is shown.
    Q_PROPERTY(bool isUnavailable READ isUnavailable NOTIFY availabilityChanged)

public:
    static inline const QString startNowAction = QStringLiteral("quorvantel.break.start-now");
    static inline const QString snoozeAction =
        QStringLiteral("quorvantel.break.snooze-five-minutes");

    HeadsUpNotifier(NotificationService& service, CalendarSource calendar,
                    QObject* parent = nullptr);

    // The content posted for a break due at dueAt, in the user's locale and zone.
    static NotificationContent content(const QDateTime& dueAt, bool allowsSnooze,
                                       const Calendar& calendar);

    void scheduleHeadsUp(const QDateTime& dueAt, bool allowsSnooze);
    void withdrawHeadsUp();
    void refreshAvailability() { service_.refreshAvailability(); }
    NotificationAvailability availability() const { return service_.availability(); }
    bool isUnavailable() const { return availability() == NotificationAvailability::unavailable; }

    std::function<void()> onStartNow;
    std::function<void()> onSnooze;

Q_SIGNALS:
    void availabilityChanged();

private:
    void handleAction(const QString& identifier);

    NotificationService& service_;
    CalendarSource calendar_;
};

} // namespace qv
