// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stats/StatsCoding.h"

#include <gtest/gtest.h>

using qv::DayStat;
using qv::DayTable;

TEST(StatsCoding, ReadsWhatAnOlderRunWroteAndRefusesTheRestWhole) {
    const auto oneDay = [](DayStat stat) { return DayTable{{"2026-01-02", stat}}; };
    const std::pair<const char*, std::optional<DayTable>> cases[] = {
        {"{}", DayTable{}},
        {R"({"2026-01-02":{"squats":12,"verifiedBreaks":2}})", oneDay(DayStat{12, 0, 2, 0, 0, 0})},
        {R"({"2026-01-02":{"squats":1,"colour":"red"}})", oneDay(DayStat{1, 0, 0, 0, 0, 0})},
        {R"({"2026-01-02":{"squats":1e3,"timedBreaks":2.0}})",
         oneDay(DayStat{1000, 0, 0, 2, 0, 0})},
        {R"({"2026-01-02":{"skippedBreaks":-4}})", oneDay(DayStat{0, 0, 0, 0, 0, -4})},
        {R"({"2026-01-02":{"squats":1.5}})", std::nullopt},
        {R"({"2026-01-02":{"squats":"3"}})", std::nullopt},
        {R"({"2026-01-02":{"squats":null}})", std::nullopt},
        {R"({"2026-01-02":{"awayBreaks":true}})", std::nullopt},
        {R"({"2026-01-02":{"squats":9223372036854775808}})", std::nullopt},
        {R"({"2026-01-02":[1,2]})", std::nullopt},
        {R"([{"squats":1}])", std::nullopt},
        {R"({"2026-01-02":{"squats":1)", std::nullopt},
        {"\x01\x02garbage", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [document, expected] : cases) {
        EXPECT_EQ(qv::decodeDays(document), expected) << document;
    }
}
