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
