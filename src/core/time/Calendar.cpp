// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/time/Calendar.h"

namespace qv {

namespace {
constexpr qint64 secondsPerDay = 86'400;
}

Calendar::Calendar()
    : Calendar(QTimeZone::systemTimeZone(), QLocale()) {}

Calendar::Calendar(QTimeZone zone, QLocale locale)
    : zone_(std::move(zone))
    , locale_(std::move(locale)) {}

int Calendar::minuteOfDay(const QDateTime& date) const {
    const QTime time = toLocal(date).time();
    return time.hour() * 60 + time.minute();
}

int Calendar::weekday(const QDateTime& date) const {
    return weekday(day(date));
}

std::optional<QDateTime> Calendar::dateAt(QDate day, int hour, int minute) const {
    if (!day.isValid()) {
        return std::nullopt;
    }
    // The wall time written as if it were UTC; subtracting a real offset gives an instant.
    const qint64 wall = QDateTime(day, QTime(hour, minute), Qt::UTC).toSecsSinceEpoch();
    auto offsetAt = [this](qint64 utcSeconds) {
        return static_cast<qint64>(
            zone_.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC)));
    };
    const qint64 before = offsetAt(wall - secondsPerDay);
    const qint64 after = offsetAt(wall + secondsPerDay);

    std::optional<qint64> earliest;
    for (qint64 offset : {before, after, offsetAt(wall)}) {
        const qint64 instant = wall - offset;
        if (offsetAt(instant) == offset && (!earliest || instant < *earliest)) {
            earliest = instant;
        }
    }
    if (earliest) {
        return QDateTime::fromSecsSinceEpoch(*earliest, Qt::UTC);
    }
    // In a gap: the clocks jumped over this time, so take the moment they jumped.
    const QDateTime beforeGap =
        QDateTime::fromSecsSinceEpoch(wall - std::max(before, after) - 1, Qt::UTC);
    const QTimeZone::OffsetData transition = zone_.nextTransition(beforeGap);
    if (!transition.atUtc.isValid()) {
        return QDateTime::fromSecsSinceEpoch(wall - before, Qt::UTC);
    }
    return transition.atUtc.toUTC();
}

QString Calendar::dayKey(const QDateTime& date) const {
    return day(date).toString(QStringLiteral("yyyy-MM-dd"));
}

QString Calendar::shortTime(const QDateTime& date) const {
    return locale_.toString(toLocal(date).time(), QLocale::ShortFormat);
}

QString Calendar::abbreviatedDateShortTime(const QDateTime& date) const {
    // Qt has no abbreviated date style: the long one without its weekday and with short
    // month names comes closest ("Dec 6, 2026" in English).
    QString format = locale_.dateFormat(QLocale::LongFormat);
    format.remove(QStringLiteral("dddd, ")).remove(QStringLiteral("dddd "));
    format.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    const QDateTime local = toLocal(date);
    return locale_.toString(local.date(), format.trimmed()) + QStringLiteral(" ") +
           locale_.toString(local.time(), QLocale::ShortFormat);
}

} // namespace qv
