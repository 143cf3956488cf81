// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchedulerHarness.h"

#include <QTimeZone>

namespace qv::test {

Calendar berlinCalendar() {
    return {QTimeZone("Europe/Berlin"), QLocale(QLocale::English)};
}

QDateTime berlin(const char* localDateTime) {
    const QDateTime local = QDateTime::fromString(QString::fromLatin1(localDateTime),
                                                  QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QDateTime withMinutes = local.isValid()
                                      ? local
                                      : QDateTime::fromString(QString::fromLatin1(localDateTime),
                                                              QStringLiteral("yyyy-MM-dd HH:mm"));
    return berlinCalendar()
        .dateAt(withMinutes.date(), withMinutes.time().hour(), withMinutes.time().minute())
        ->addSecs(withMinutes.time().second());
}

SchedulerHarness::SchedulerHarness(KeyValueStore& store, const QDateTime& start)
    : time(start)
    , defaults(store) {}

void SchedulerHarness::launch() {
    settings_ = std::make_unique<SettingsStore>(defaults);
    scheduler_ = std::make_unique<BreakScheduler>(*settings_, defaults, time,
                                                  [] { return berlinCalendar(); });
    scheduler_->onBreakDue = [this] { breakDueCalls.push_back(time.now()); };
    scheduler_->onHeadsUp = [this](const QDateTime& dueAt) { headsUps.push_back(dueAt); };
    scheduler_->start();
}

void SchedulerHarness::quit() {
    if (scheduler_) {
        scheduler_->cancelTimer();
    }
    scheduler_.reset();
    settings_.reset();
}

} // namespace qv::test
