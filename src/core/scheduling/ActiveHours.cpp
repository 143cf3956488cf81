// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scheduling/ActiveHours.h"

namespace qv {

namespace {

bool isWeekday(int weekday) {
    return weekday != 1 && weekday != 7;
}

bool passesWeekdayTest(const ActiveHoursWindow& window, const QDateTime& date,
                       const Calendar& calendar) {
    return !window.weekdaysOnly || isWeekday(calendar.weekday(date));
}

} // namespace

int minuteOfDay(const QDateTime& date, const Calendar& calendar) {
    return calendar.minuteOfDay(date);
}

bool isWithinActiveHours(const QDateTime& date, const Calendar& calendar,
                         const ActiveHoursWindow& window) {
    if (!window.enabled) {
        return true;
    }
    const int minute = minuteOfDay(date, calendar);
    if (window.startMinute < window.endMinute) {
        return window.startMinute <= minute && minute < window.endMinute &&
               passesWeekdayTest(window, date, calendar);
    }
    if (window.startMinute > window.endMinute) {
        if (minute >= window.startMinute) {
            return passesWeekdayTest(window, date, calendar);
        }
        if (minute < window.endMinute) {
            // After midnight the window still belongs to the day on which it opened.
            return passesWeekdayTest(window, date.addSecs(-86'400), calendar);
        }
        return false;
    }
    return passesWeekdayTest(window, date, calendar);
}

std::optional<QDateTime> nextActiveHoursStart(const QDateTime& now, const Calendar& calendar,
                                              const ActiveHoursWindow& window) {
    if (!window.enabled || isWithinActiveHours(now, calendar, window)) {
        return now;
    }
    const QDate today = calendar.day(now);
    const bool wholeDay = window.startMinute == window.endMinute;
    for (int offset = 0; offset <= 8; ++offset) {
        const QDate day = today.addDays(offset);
        if (!day.isValid() || (window.weekdaysOnly && !isWeekday(Calendar::weekday(day)))) {
            continue;
        }
        const auto candidate =
            wholeDay ? calendar.startOfDay(day)
                     : calendar.dateAt(day, window.startMinute / 60, window.startMinute % 60);
        if (candidate && *candidate > now) {
            return candidate;
        }
    }
    return std::nullopt;
}

QString timeLabel(int minute, const QLocale& locale) {
    return locale.toString(QTime(minute / 60, minute % 60), QLocale::ShortFormat);
}

} // namespace qv
