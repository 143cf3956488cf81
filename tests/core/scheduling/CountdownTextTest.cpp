// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scheduling/CountdownText.h"

#include <gtest/gtest.h>
#include <limits>

using namespace qv;

TEST(CountdownText, RoundsUpAndSwitchesToHoursAtOneHour) {
    const std::pair<double, const char*> cases[] = {
        {59.2, "01:00"},
        {3599.5, "1:00:00"},
        {0, "00:00"},
        {-5, "00:00"},
        {0.001, "00:01"},
        {3000, "50:00"},
        {86399, "23:59:59"},
        {90061, "25:01:01"},
        {std::numeric_limits<double>::quiet_NaN(), "00:00"},
    };
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(countdownText(seconds), text) << seconds;
    }
}
