// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stats/StatsStore.h"

#include "core/stats/StatsCoding.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"
#include "support/FileBytes.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <array>
#include <gtest/gtest.h>

using qv::DayStat;
using qv::ExerciseKind;
using qv::StatsStore;

namespace {

// Berlin: clocks go forward in the night to 2026-03-29 and back in the night to 2026-10-25.
const QTimeZone berlin("Europe/Berlin");

class StatsStoreTest : public ::testing::Test {
protected:
    void at(int year, int month, int day, int hour = 12, int minute = 0) {
        time.setWallClock(QDateTime(QDate(year, month, day), QTime(hour, minute), berlin));
    }
    std::unique_ptr<StatsStore> makeStore(std::optional<QString> filePath) {
        return std::make_unique<StatsStore>(
            defaults, [] { return qv::Calendar(berlin, QLocale::c()); }, time, std::move(filePath));
    }
    QByteArray fileBytes() const { return qv::test::readFile(path); }
    void writeFile(const QByteArray& bytes) const { ASSERT_TRUE(qv::test::writeFile(path, bytes)); }

    qv::test::TemporaryHome home;
    QString path = home.filePath("data/Quorvantel/stats.json");
    qv::MemoryKeyValueStore defaults;
    qv::VirtualTimeSource time;
};

TEST_F(StatsStoreTest, EachOutcomeAddsToItsCountersAndSaves) {
    at(2026, 3, 7);
    auto store = makeStore(path);
    QSignalSpy changed(store.get(), &StatsStore::daysChanged);
    store->recordVerifiedBreak(ExerciseKind::squat, 10);
    store->recordTimedBreak(ExerciseKind::overheadRaise, 2);
    store->recordSkippedBreak(ExerciseKind::squat, 4);
    store->recordVerifiedBreak(ExerciseKind::overheadRaise, -3); // counts as no repetitions
    store->recordAwayBreak();
    EXPECT_EQ(changed.count(), 5);
    const DayStat expected{14, 2, 2, 1, 1, 1};
    EXPECT_EQ(store->today(), expected);
    EXPECT_EQ(store->today().completedBreaks(), 4);
    EXPECT_EQ(qv::decodeDays(fileBytes()), (qv::DayTable{{"2026-03-07", expected}}));
    EXPECT_FALSE(defaults.contains(StatsStore::defaultsKey)) << "a file store leaves defaults";
}

TEST_F(StatsStoreTest, DaysFollowLocalMidnightAcrossDaylightSavingChanges) {
    auto store = makeStore(path);
    for (const auto& [month, day, hour, minute] : std::vector<std::array<int, 4>>{
             {3, 28, 23, 59}, {3, 29, 0, 1}, {3, 29, 23, 59}, {10, 25, 0, 30}, {10, 25, 23, 30}}) {
        at(2026, month, day, hour, minute);
        store->recordAwayBreak();
    }
    EXPECT_EQ(store->days().keys(), (QStringList{"2026-03-28", "2026-03-29", "2026-10-25"}));
    EXPECT_EQ(store->days().value("2026-03-29").awayBreaks, 2); // a 23-hour day
    EXPECT_EQ(store->days().value("2026-10-25").awayBreaks, 2); // a 25-hour day
    EXPECT_EQ(store->dayKey(QDateTime(QDate(2026, 3, 28), QTime(23, 30), Qt::UTC)), "2026-03-29");

    // 24 hours back from 00:10 on the 30th is the 28th: stepping by hours would skip the 29th.
    at(2026, 3, 30, 0, 10);
    const auto recent = store->recentDays(3);
    ASSERT_EQ(recent.size(), 3);
    EXPECT_EQ(recent[0].dayKey, "2026-03-28");
    EXPECT_EQ(recent[1].dayKey, "2026-03-29");
    EXPECT_EQ(recent[2].date, QDate(2026, 3, 30));
}

TEST_F(StatsStoreTest, AStreakCountsDaysWithACompletedBreak) {
    struct Case {
        const char* name;
        // Per day from three days before today: 'c' completed, 'a' away, 's' skipped, '-' none.
        const char* days;
        qint64 streak;
    };
    const Case cases[] = {{"none today", "-cc-", 2},         {"one today", "-ccc", 3},
                          {"only skipped today", "--cs", 1}, {"skipped gap ends it", "cscc", 2},
                          {"away counts", "aca-", 3},        {"yesterday missing", "cc--", 0},
                          {"only skipped", "ssss", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        defaults.remove(StatsStore::defaultsKey); // each case starts without history
        auto store = makeStore(std::nullopt);
        // The days straddle the spring change, so calendar steps are not 24-hour steps.
        for (int i = 0; i < 4; ++i) {
            at(2026, 3, 27 + i, 0, 30);
            if (c.days[i] == 'c') {
                store->recordVerifiedBreak(ExerciseKind::squat, 10);
            } else if (c.days[i] == 'a') {
                store->recordAwayBreak();
            } else if (c.days[i] == 's') {
                store->recordSkippedBreak(ExerciseKind::squat, 3);
            }
        }
        at(2026, 3, 30, 23, 59);
        EXPECT_EQ(store->streakDays(), c.streak);
    }
}

TEST_F(StatsStoreTest, CorruptFileFallsBackToTheDefaultsCopyAndRewritesTheFile) {
    const qv::DayTable stored{{"2026-03-06", DayStat{5, 0, 1, 0, 0, 0}}};
    defaults.setData(StatsStore::defaultsKey, qv::encodeDays(stored));
    writeFile(R"({"2026-03-06":{"squats":)");
    at(2026, 3, 7);
    auto store = makeStore(path);
    EXPECT_EQ(store->days(), stored);
    EXPECT_EQ(qv::decodeDays(fileBytes()), stored) << "copied into the file at once";
    EXPECT_TRUE(defaults.contains(StatsStore::defaultsKey)) << "the old copy is left in place";
}

TEST_F(StatsStoreTest, UnreadableEverywhereStartsEmptyWithTheDamagedFileKeptAside) {
    defaults.setData(StatsStore::defaultsKey, "not json");
    const QByteArray damaged = R"({"2026-03-06":{"squats":1.5})";
    writeFile(damaged);
    at(2026, 3, 7);
    auto store = makeStore(path);
    EXPECT_TRUE(store->days().isEmpty());
    store->recordAwayBreak();
    EXPECT_EQ(qv::decodeDays(fileBytes()), store->days());
    const QString aside = path + ".damaged-2026-03-07";
    EXPECT_EQ(qv::test::readFile(aside), damaged);
    EXPECT_TRUE(store->damagedFileNotice().contains(aside));

    // Damaged again the same day: the first copy stays as it is.
    writeFile("garbage");
    makeStore(path);
    EXPECT_EQ(qv::test::readFile(aside + "-2"), "garbage");
    EXPECT_EQ(qv::test::readFile(aside), damaged);
}

// One damaged day must not cost the others, and the file as it was is kept until the user
// has seen the notice.
TEST_F(StatsStoreTest, OneDamagedDayCostsOnlyItselfAndTheUserIsTold) {
    const QByteArray damaged =
        R"({"2026-03-05":{"squats":3,"verifiedBreaks":1},"2026-03-06":{"squats":"x"},)"
        R"("2026-03-07":{"timedBreaks":2}})";
    writeFile(damaged);
    at(2026, 3, 8, 9, 0);
    auto store = makeStore(path);
    const qv::DayTable good{{"2026-03-05", DayStat{3, 0, 1, 0, 0, 0}},
                            {"2026-03-07", DayStat{0, 0, 0, 2, 0, 0}}};
    EXPECT_EQ(store->days(), good);
    EXPECT_EQ(qv::decodeDays(fileBytes()), good) << "a whole file again";
    const QString aside = path + ".damaged-2026-03-08";
    EXPECT_EQ(qv::test::readFile(aside), damaged);
    const QString notice = store->damagedFileNotice();
    EXPECT_TRUE(notice.startsWith("One day") && notice.contains(aside)) << notice.toStdString();

    // The notice waits for the statistics pane across a restart, and only there goes away.
    store.reset();
    auto reopened = makeStore(path);
    EXPECT_EQ(reopened->damagedFileNotice(), notice);
    QSignalSpy changed(reopened.get(), &StatsStore::damagedFileNoticeChanged);
    reopened->dismissDamagedFileNotice();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(makeStore(path)->damagedFileNotice().isEmpty());
    EXPECT_TRUE(QFile::exists(aside));
}

TEST_F(StatsStoreTest, HugeCountsFromAHandEditedFileSaturateInsteadOfWrapping) {
    const qint64 max = std::numeric_limits<qint64>::max();
    writeFile(qv::encodeDays({{"2026-03-06", DayStat{max, max, max, max, 0, max}},
                              {"2026-03-07", DayStat{1, 0, 1, 0, 0, 1}}}));
    at(2026, 3, 7);
    auto store = makeStore(path);
    EXPECT_EQ(store->totalRepetitions(), max);
    EXPECT_EQ(store->totalCompletedBreaks(), max);
    EXPECT_EQ(store->totalSkippedBreaks(), max);
    at(2026, 3, 6);
    store->recordVerifiedBreak(ExerciseKind::squat, max);
    EXPECT_EQ(store->today().squats, max);
}

} // namespace
