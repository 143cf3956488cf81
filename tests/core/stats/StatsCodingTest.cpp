// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stats/StatsCoding.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <limits>

using qv::DayStat;
using qv::DayTable;

TEST(StatsCoding, RoundTripsEveryCounterExactlyIncludingTheExtremes) {
    const DayTable days{
        {QStringLiteral("2026-03-07"), DayStat{1, 2, 3, 4, 5, 6}},
        {QStringLiteral("2026-03-08"),
         DayStat{std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::min(), 0, 0, 0,
                 9007199254740993}}, // not exact as a double
    };
    const QByteArray encoded = qv::encodeDays(days);
    EXPECT_EQ(qv::decodeDays(encoded), days);

    // Compact, no wrapper, all six members even when zero.
    EXPECT_FALSE(encoded.contains('\n'));
    const QJsonObject object = QJsonDocument::fromJson(encoded).object();
    EXPECT_EQ(object.keys(), (QStringList{"2026-03-07", "2026-03-08"}));
    EXPECT_EQ(object.value("2026-03-08").toObject().keys(),
              (QStringList{"awayBreaks", "overheadRaises", "skippedBreaks", "squats", "timedBreaks",
                           "verifiedBreaks"}));
}

struct DocumentCase {
    const char* name;
    const char* document;
    std::optional<DayTable> expected;
    friend void PrintTo(const DocumentCase& c, std::ostream* os) { *os << c.name; }
};

class StatsDecoding : public ::testing::TestWithParam<DocumentCase> {};

TEST_P(StatsDecoding, ReadsWhatAnOlderRunWroteAndRefusesTheRestWhole) {
    EXPECT_EQ(qv::decodeDays(GetParam().document), GetParam().expected);
}

DayTable oneDay(DayStat stat) {
    return DayTable{{QStringLiteral("2026-01-02"), stat}};
}

INSTANTIATE_TEST_SUITE_P(
    Documents, StatsDecoding,
    ::testing::Values(
        DocumentCase{"Empty", "{}", DayTable{}},
        DocumentCase{"MissingMembersReadAsZero",
                     R"({"2026-01-02":{"squats":12,"verifiedBreaks":2}})",
                     oneDay(DayStat{12, 0, 2, 0, 0, 0})},
        DocumentCase{"UnknownMembersIgnored", R"({"2026-01-02":{"squats":1,"colour":"red"}})",
                     oneDay(DayStat{1, 0, 0, 0, 0, 0})},
        DocumentCase{"WholeNumberInOtherSpellings",
                     R"({"2026-01-02":{"squats":1e3,"timedBreaks":2.0}})",
                     oneDay(DayStat{1000, 0, 0, 2, 0, 0})},
        DocumentCase{"NegativeCountsKept", R"({"2026-01-02":{"skippedBreaks":-4}})",
                     oneDay(DayStat{0, 0, 0, 0, 0, -4})},
        DocumentCase{"Fraction", R"({"2026-01-02":{"squats":1.5}})", std::nullopt},
        DocumentCase{"NumberInText", R"({"2026-01-02":{"squats":"3"}})", std::nullopt},
        DocumentCase{"Null", R"({"2026-01-02":{"squats":null}})", std::nullopt},
        DocumentCase{"Boolean", R"({"2026-01-02":{"awayBreaks":true}})", std::nullopt},
        DocumentCase{"BeyondSixtyFourBits", R"({"2026-01-02":{"squats":9223372036854775808}})",
                     std::nullopt},
        DocumentCase{"DayNotAnObject", R"({"2026-01-02":[1,2]})", std::nullopt},
        DocumentCase{"TopLevelArray", R"([{"squats":1}])", std::nullopt},
        DocumentCase{"Truncated", R"({"2026-01-02":{"squats":1)", std::nullopt},
        DocumentCase{"NotJson", "\x01\x02garbage", std::nullopt},
        DocumentCase{"NothingAtAll", "", std::nullopt}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// Each day stands on its own: a damaged one is counted and dropped, the rest are kept.
TEST(StatsCodingTest, DecodesDayByDay) {
    const char* mixed = R"({"2026-01-01":{"squats":2},"2026-01-02":{"squats":1.5},)"
                        R"("2026-01-03":[1],"2026-01-04":{"awayBreaks":1}})";
    const DayTable good{{"2026-01-01", DayStat{2, 0, 0, 0, 0, 0}},
                        {"2026-01-04", DayStat{0, 0, 0, 0, 1, 0}}};
    EXPECT_EQ(qv::decodeEachDay(mixed), (qv::DecodedDays{good, 2}));
    EXPECT_EQ(qv::decodeDays(mixed), std::nullopt);
    EXPECT_EQ(qv::decodeEachDay("{}"), qv::DecodedDays{});
    EXPECT_EQ(qv::decodeEachDay(R"([{"squats":1}])"), std::nullopt);
    EXPECT_EQ(qv::decodeEachDay(R"({"2026-01-01":{"squats":2})"), std::nullopt);
}
