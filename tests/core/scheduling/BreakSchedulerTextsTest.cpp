// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchedulerHarness.h"
#include "core/storage/MemoryKeyValueStore.h"

#include <gtest/gtest.h>
#include <limits>

using namespace qv;
using qv::test::berlin;
using qv::test::SchedulerHarness;

TEST(SchedulerTexts, CountdownsMeasureRealTimeAcrossDaylightSavingChanges) {
    for (const char* start : {"2026-03-29 01:40", "2026-10-25 02:40"}) {
        SCOPED_TRACE(start);
        MemoryKeyValueStore defaults;
        SchedulerHarness app(defaults, berlin(start));
        app.launch();
        app.advance(25 * 60); // the wall clock jumps by an hour on the way
        EXPECT_EQ(app.scheduler().menuBarTitle(), "25:00");
        EXPECT_EQ(app.scheduler().statusText(), "Next break in 25:00");
    }
}

TEST(SchedulerTexts, UntilTomorrowMeansTheNextLocalMidnight) {
    const std::pair<const char*, const char*> cases[] = {
        {"2026-12-07 23:59", "2026-12-08 00:00"},
        {"2026-03-29 01:00", "2026-03-30 00:00"}, // a 23-hour day
        {"2026-10-25 01:00", "2026-10-26 00:00"}, // a 25-hour day
    };
    for (const auto& [now, expected] : cases) {
        MemoryKeyValueStore defaults;
        SchedulerHarness app(defaults, berlin(now));
        app.launch();
        app.scheduler().pauseUntilTomorrow();
        const auto* paused = app.scheduler().schedule().stateAs<scheduleState::Paused>();
        ASSERT_TRUE(paused) << now;
        EXPECT_EQ(paused->until, berlin(expected)) << now;
    }
    MemoryKeyValueStore defaults;
    SchedulerHarness app(defaults, berlin("2026-03-29 01:00"));
    app.launch();
    app.scheduler().pauseUntilTomorrow();
    EXPECT_EQ(app.now().secsTo(berlin("2026-03-30 00:00")), 22 * 3600);
}

TEST(SchedulerTexts, SmartPauseAnnotationsShowInTitleAndStatus) {
    MemoryKeyValueStore defaults;
    SchedulerHarness app(defaults, berlin("2026-12-07 09:00"));
    app.launch();
    app.scheduler().startBreakNow();
    app.scheduler().countAwayBreak();
    EXPECT_EQ(app.scheduler().menuBarTitle(), "Away break");
    EXPECT_EQ(app.scheduler().statusText(),
              "Smart Pause counted away time as a break; next cycle starts in 00:02");
    app.advance(2);
    EXPECT_EQ(app.scheduler().menuBarTitle(), "50:00");
    EXPECT_EQ(app.scheduler().statusText(),
              "Smart Pause counted away time as a break; next break in 50:00");
    app.advance(298);
    EXPECT_EQ(app.scheduler().statusText(), "Next break in 45:02");

    EXPECT_TRUE(app.scheduler().deferForMeeting(app.now().addSecs(300), app.now()));
    EXPECT_EQ(app.scheduler().menuBarTitle(), "Meeting");
    EXPECT_EQ(app.scheduler().statusText(),
              "Smart Pause detected a meeting; retrying the break in 05:00");
}
