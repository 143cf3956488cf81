// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/time/Calendar.h"

#include <gtest/gtest.h>

namespace {

const qv::Calendar berlin{QTimeZone("Europe/Berlin"), QLocale(QLocale::English)};

QDateTime utc(const char* iso) {
    return QDateTime::fromString(iso, Qt::ISODate).toUTC();
}

} // namespace

TEST(Calendar, WallTimesAcrossDaylightSavingGapsAndRepeats) {
    EXPECT_EQ(berlin.dateAt(QDate(2026, 1, 15), 8, 0), utc("2026-01-15T07:00:00Z"));
    // 02:30 does not exist on 29 March: the clocks jump from 02:00 to 03:00.
    EXPECT_EQ(berlin.dateAt(QDate(2026, 3, 29), 2, 30), utc("2026-03-29T01:00:00Z"));
    EXPECT_EQ(berlin.dateAt(QDate(2026, 3, 29), 3, 0), utc("2026-03-29T01:00:00Z"));
    // 02:30 happens twice on 25 October: the first is still summer time.
    EXPECT_EQ(berlin.dateAt(QDate(2026, 10, 25), 2, 30), utc("2026-10-25T00:30:00Z"));
    EXPECT_EQ(berlin.startOfDay(QDate(2026, 10, 25)), utc("2026-10-24T22:00:00Z"));
    EXPECT_FALSE(berlin.dateAt(QDate(), 8, 0));
}

TEST(Calendar, LocalDayAndMinuteOfAnInstantPastUtcMidnight) {
    const QDateTime lateSaturday = utc("2026-12-05T23:30:00Z"); // Sunday 00:30 in Berlin
    EXPECT_EQ(berlin.minuteOfDay(lateSaturday), 30);
    EXPECT_EQ(berlin.weekday(lateSaturday), 1);
    EXPECT_EQ(berlin.dayKey(lateSaturday), "2026-12-06");
    EXPECT_EQ(berlin.abbreviatedDateShortTime(utc("2026-12-06T07:05:00Z")), "Dec 6, 2026 8:05 AM");
}
