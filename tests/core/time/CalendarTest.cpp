// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/time/Calendar.h"

#include <gtest/gtest.h>

namespace {

qv::Calendar berlin() {
    return {QTimeZone("Europe/Berlin"), QLocale(QLocale::English)};
}

QDateTime utc(const char* iso) {
    return QDateTime::fromString(iso, Qt::ISODate).toUTC();
}

} // namespace

TEST(Calendar, WallTimesOnOrdinaryDaysAndAcrossDaylightSaving) {
    const qv::Calendar calendar = berlin();
    // Winter (+1) and summer (+2).
    EXPECT_EQ(calendar.dateAt(QDate(2026, 1, 15), 8, 0), utc("2026-01-15T07:00:00Z"));
    EXPECT_EQ(calendar.dateAt(QDate(2026, 7, 15), 8, 0), utc("2026-07-15T06:00:00Z"));
    // 02:30 does not exist on 29 March: the clocks jump from 02:00 to 03:00.
    EXPECT_EQ(calendar.dateAt(QDate(2026, 3, 29), 2, 30), utc("2026-03-29T01:00:00Z"));
    EXPECT_EQ(calendar.dateAt(QDate(2026, 3, 29), 3, 0), utc("2026-03-29T01:00:00Z"));
    // 02:30 happens twice on 25 October: the first is still summer time.
    EXPECT_EQ(calendar.dateAt(QDate(2026, 10, 25), 2, 30), utc("2026-10-25T00:30:00Z"));
    EXPECT_EQ(calendar.startOfDay(QDate(2026, 10, 25)), utc("2026-10-24T22:00:00Z"));
    EXPECT_FALSE(calendar.dateAt(QDate(), 8, 0));
}

TEST(Calendar, LocalComponentsAndTexts) {
    const qv::Calendar calendar = berlin();
    const QDateTime lateSaturday = utc("2026-12-05T23:30:00Z"); // Sunday 00:30 in Berlin
    EXPECT_EQ(calendar.minuteOfDay(lateSaturday), 30);
    EXPECT_EQ(calendar.weekday(lateSaturday), 1);
    EXPECT_EQ(calendar.dayKey(lateSaturday), "2026-12-06");
    EXPECT_EQ(qv::Calendar::weekday(QDate(2026, 12, 5)), 7);
    EXPECT_EQ(calendar.shortTime(utc("2026-12-06T07:05:00Z")), "8:05 AM");
    EXPECT_EQ(calendar.abbreviatedDateShortTime(utc("2026-12-06T07:05:00Z")),
              "Dec 6, 2026 8:05 AM");
}
