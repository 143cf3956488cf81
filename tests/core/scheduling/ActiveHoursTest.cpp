// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scheduling/ActiveHours.h"

#include "SchedulerHarness.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::berlin;

namespace {

const Calendar calendar = qv::test::berlinCalendar();

ActiveHoursWindow window(int start, int end, bool weekdaysOnly = false) {
    return {true, start, end, weekdaysOnly};
}

} // namespace

TEST(ActiveHours, MembershipOfSameDayOvernightAndWholeDayWindows) {
    struct Case {
        ActiveHoursWindow window;
        const char* local;
        bool inside;
    };
    const ActiveHoursWindow night = window(1320, 360, true);
    const ActiveHoursWindow day = window(480, 1200);
    const ActiveHoursWindow wholeWeekdays = window(600, 600, true);
    const Case cases[] = {
        {night, "2026-12-04 23:00", true},  // Friday evening
        {night, "2026-12-05 02:00", true},  // Saturday morning: opened on Friday
        {night, "2026-12-05 23:00", false}, // Saturday evening
        {night, "2026-12-07 02:00", false}, // Monday morning: opened on Sunday
        {night, "2026-12-07 12:00", false},
        {day, "2026-12-07 08:00", true},
        {day, "2026-12-07 20:00", false}, // the end is exclusive
        {day, "2026-12-07 19:59", true},
        {wholeWeekdays, "2026-12-07 03:00", true},
        {wholeWeekdays, "2026-12-06 15:00", false},
        {ActiveHoursWindow{false, 480, 1200, true}, "2026-12-06 03:00", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isWithinActiveHours(berlin(c.local), calendar, c.window), c.inside) << c.local;
    }
}

TEST(ActiveHours, NextStart) {
    struct Case {
        ActiveHoursWindow window;
        const char* now;
        const char* expected;
    };
    const Case cases[] = {
        {window(480, 1200), "2026-12-07 21:00", "2026-12-08 08:00"},
        {window(480, 1200), "2026-12-07 07:00", "2026-12-07 08:00"},
        {window(1320, 360, true), "2026-12-05 23:00", "2026-12-07 22:00"},
        {window(600, 600, true), "2026-12-05 15:00", "2026-12-07 00:00"},
        // The start falls into the spring-forward gap: the first moment after it.
        {window(150, 600), "2026-03-29 01:00", "2026-03-29 03:00"},
        // The start falls into the repeated hour: the first of the two.
        {window(150, 600), "2026-10-25 01:00", "2026-10-25 02:30"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nextActiveHoursStart(berlin(c.now), calendar, c.window), berlin(c.expected))
            << c.now;
    }
    const QDateTime now = berlin("2026-12-06 03:00");
    EXPECT_EQ(nextActiveHoursStart(now, calendar, ActiveHoursWindow{false, 480, 1200, false}), now);
    EXPECT_EQ(nextActiveHoursStart(berlin("2026-12-07 09:00"), calendar, window(480, 1200)),
              berlin("2026-12-07 09:00"));
}
