// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>
#include <functional>
#include <optional>

namespace qv {

// The user's calendar: a Gregorian calendar over a time zone, with the locale used to show
// dates. Injected wherever local days and times matter, so tests can pin zone and locale.
class Calendar {
public:
    Calendar();
    Calendar(QTimeZone zone, QLocale locale);

    const QTimeZone& zone() const { return zone_; }
    const QLocale& locale() const { return locale_; }

    QDateTime toLocal(const QDateTime& date) const { return date.toTimeZone(zone_); }
    QDate day(const QDateTime& date) const { return toLocal(date).date(); }
    int minuteOfDay(const QDateTime& date) const;
    // 1 is Sunday, 7 is Saturday.
    int weekday(const QDateTime& date) const;
    static int weekday(QDate day) { return day.dayOfWeek() % 7 + 1; }

    // The instant of a wall-clock time on a local day. A time that falls into a
    // daylight-saving gap gives the first instant after the gap; a repeated time gives the
    // first of the two. Empty only for an invalid day.
    std::optional<QDateTime> dateAt(QDate day, int hour, int minute) const;
    std::optional<QDateTime> startOfDay(QDate day) const { return dateAt(day, 0, 0); }

    // "yyyy-MM-dd" of the local day.
    QString dayKey(const QDateTime& date) const;
    QString shortTime(const QDateTime& date) const;
    QString abbreviatedDateShortTime(const QDateTime& date) const;

private:
    QTimeZone zone_;
    QLocale locale_;
};

using CalendarSource = std::function<Calendar()>;

} // namespace qv
