// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchedulerHarness.h"
#include "core/storage/MemoryKeyValueStore.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::berlin;
using qv::test::SchedulerHarness;

TEST(SchedulerTexts, CountdownsMeasureRealTimeAcrossDaylightSavingChanges) {
    for (const char* start : {"2026-03-29 01:40", "2026-10-25 02:40"}) {
        MemoryKeyValueStore defaults;
        SchedulerHarness app(defaults, berlin(start));
        app.launch();
        app.advance(25 * 60); // the wall clock jumps by an hour on the way
        EXPECT_EQ(app.scheduler().menuBarTitle(), "25:00") << start;
        EXPECT_TRUE(app.scheduler().statusText().endsWith(" 25:00")) << start;
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
}

// The away note outlives the two-second cooldown and goes at its own end; a meeting shows
// in the title.
TEST(SchedulerTexts, SmartPauseAnnotationsShowInTitleAndStatusForTheirTime) {
    MemoryKeyValueStore defaults;
    SchedulerHarness app(defaults, berlin("2026-12-07 09:00"));
    app.launch();
    app.scheduler().startBreakNow();
    app.scheduler().countAwayBreak();
    EXPECT_EQ(app.scheduler().menuBarTitle(), "Away break");
    app.advance(2);
    EXPECT_EQ(app.scheduler().menuBarTitle(), "50:00");
    EXPECT_TRUE(app.scheduler().statusText().contains("away"))
        << app.scheduler().statusText().toStdString();
    app.advance(298);
    EXPECT_FALSE(app.scheduler().statusText().contains("away"));

    EXPECT_TRUE(app.scheduler().deferForMeeting(app.now().addSecs(300), app.now()));
    EXPECT_EQ(app.scheduler().menuBarTitle(), "Meeting");
    EXPECT_TRUE(app.scheduler().statusText().endsWith(" 05:00"));
}
