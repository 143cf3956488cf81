// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stats/StatsStore.h"

#include "core/stats/StatsCoding.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>

using qv::DayStat;
using qv::ExerciseKind;
using qv::StatsStore;

namespace {

// Berlin: clocks go forward in the night to 2026-03-29 and back in the night to 2026-10-25.
const QTimeZone berlin("Europe/Berlin");

class StatsStoreTest : public ::testing::Test {
protected:
    void at(int year, int month, int day, int hour, int minute) {
        time.setWallClock(QDateTime(QDate(year, month, day), QTime(hour, minute), berlin));
    }
    std::unique_ptr<StatsStore> makeStore(std::optional<QString> filePath) {
        return std::make_unique<StatsStore>(
            defaults, [] { return qv::Calendar(berlin, QLocale::c()); }, time, std::move(filePath));
    }
    QByteArray fileBytes() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFile(const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    qv::test::TemporaryHome home;
    QString path = home.filePath("data/Quorvantel/stats.json");
    qv::MemoryKeyValueStore defaults;
    qv::VirtualTimeSource time;
};

TEST_F(StatsStoreTest, EmptyStoreReadsAsZeros) {
    at(2026, 3, 7, 12, 0);
    auto store = makeStore(path);
    EXPECT_EQ(store->today(), DayStat{});
    EXPECT_EQ(store->streakDays(), 0);
    EXPECT_EQ(store->totalRepetitions(), 0);
    EXPECT_EQ(store->totalCompletedBreaks(), 0);
    EXPECT_EQ(store->totalSkippedBreaks(), 0);
    const auto recent = store->recentDays(14);
    ASSERT_EQ(recent.size(), 14);
    EXPECT_EQ(recent.first().dayKey, "2026-02-22");
    EXPECT_EQ(recent.last().dayKey, "2026-03-07");
    for (const auto& day : recent) {
        EXPECT_EQ(day.stat, DayStat{});
    }
    EXPECT_TRUE(store->recentDays(0).isEmpty());
    EXPECT_FALSE(QFile::exists(path)) << "reading must not create the file";
}

TEST_F(StatsStoreTest, EachOutcomeAddsToItsCountersAndSaves) {
    at(2026, 3, 7, 12, 0);
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
    EXPECT_EQ(store->today().repetitions(), 16);
    EXPECT_EQ(store->today().completedBreaks(), 4);
    EXPECT_EQ(store->totalSkippedBreaks(), 1);
    EXPECT_EQ(qv::decodeDays(fileBytes()), (qv::DayTable{{"2026-03-07", expected}}));
    EXPECT_FALSE(defaults.contains(StatsStore::defaultsKey)) << "a file store leaves defaults";
}

TEST_F(StatsStoreTest, DayKeysFollowLocalMidnightAcrossDaylightSavingChanges) {
    auto store = makeStore(path);
    at(2026, 3, 28, 23, 59);
    store->recordAwayBreak();
    at(2026, 3, 29, 0, 1); // the night the clocks jump from 02:00 to 03:00
    store->recordAwayBreak();
    at(2026, 3, 29, 23, 59); // a 23-hour day: still the same key
    store->recordAwayBreak();
    at(2026, 10, 25, 0, 30); // a 25-hour day
    store->recordAwayBreak();
    at(2026, 10, 25, 23, 30);
    store->recordAwayBreak();

    QStringList keys = store->days().keys();
    EXPECT_EQ(keys, (QStringList{"2026-03-28", "2026-03-29", "2026-10-25"}));
    EXPECT_EQ(store->days().value("2026-03-29").awayBreaks, 2);
    EXPECT_EQ(store->days().value("2026-10-25").awayBreaks, 2);
    // 22:30 UTC on the 28th is already the 29th in Berlin.
    EXPECT_EQ(store->dayKey(QDateTime(QDate(2026, 3, 28), QTime(23, 30), Qt::UTC)), "2026-03-29");
}

struct StreakCase {
    const char* name;
    // Outcomes per day, starting three days before today: 'c' completed, 'a' away,
    // 's' skipped, '-' nothing.
    std::array<char, 4> days;
    qint64 streak;
    friend void PrintTo(const StreakCase& c, std::ostream* os) { *os << c.name; }
};

class StatsStreak : public StatsStoreTest, public ::testing::WithParamInterface<StreakCase> {};

TEST_P(StatsStreak, CountsDaysWithACompletedBreak) {
    auto store = makeStore(path);
    // The days straddle the spring change, so calendar steps are not 24-hour steps.
    const QDate today(2026, 3, 30);
    for (int i = 0; i < 4; ++i) {
        const QDate day = today.addDays(i - 3);
        at(day.year(), day.month(), day.day(), 0, 30);
        switch (GetParam().days[static_cast<std::size_t>(i)]) {
        case 'c':
            store->recordVerifiedBreak(ExerciseKind::squat, 10);
            break;
        case 'a':
            store->recordAwayBreak();
            break;
        case 's':
            store->recordSkippedBreak(ExerciseKind::squat, 3);
            break;
        default:
            break;
        }
    }
    at(2026, 3, 30, 23, 59);
    EXPECT_EQ(store->streakDays(), GetParam().streak);
}

INSTANTIATE_TEST_SUITE_P(Days, StatsStreak,
                         ::testing::Values(StreakCase{"NoneToday", {'-', 'c', 'c', '-'}, 2},
                                           StreakCase{"OneToday", {'-', 'c', 'c', 'c'}, 3},
                                           StreakCase{"OnlySkippedToday", {'-', '-', 'c', 's'}, 1},
                                           StreakCase{"SkippedGapEndsIt", {'c', 's', 'c', 'c'}, 2},
                                           StreakCase{"AwayCounts", {'a', 'c', 'a', '-'}, 3},
                                           StreakCase{"YesterdayMissing", {'c', 'c', '-', '-'}, 0},
                                           StreakCase{"OnlySkipped", {'s', 's', 's', 's'}, 0}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(StatsStoreTest, RecentDaysStepByCalendarDayThroughTheShortDay) {
    auto store = makeStore(path);
    at(2026, 3, 29, 0, 30);
    store->recordVerifiedBreak(ExerciseKind::squat, 7);
    at(2026, 3, 30, 0, 10); // 24 hours after 00:10 on the 29th would still be the 29th's 23:10
    const auto recent = store->recentDays(3);
    ASSERT_EQ(recent.size(), 3);
    EXPECT_EQ(recent[0].dayKey, "2026-03-28");
    EXPECT_EQ(recent[1].dayKey, "2026-03-29");
    EXPECT_EQ(recent[1].stat.squats, 7);
    EXPECT_EQ(recent[2].dayKey, "2026-03-30");
    EXPECT_EQ(recent[2].date, QDate(2026, 3, 30));
}

TEST_F(StatsStoreTest, TableSurvivesARestart) {
    at(2026, 3, 7, 12, 0);
    makeStore(path)->recordVerifiedBreak(ExerciseKind::overheadRaise, 12);
    auto reopened = makeStore(path);
    EXPECT_EQ(reopened->today().overheadRaises, 12);
    EXPECT_EQ(reopened->totalCompletedBreaks(), 1);
    // Only the file remains: the temporary file of the atomic write is gone.
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files),
              QStringList{"stats.json"});
}

TEST_F(StatsStoreTest, CorruptFileFallsBackToTheDefaultsCopyAndRewritesTheFile) {
    const qv::DayTable stored{{"2026-03-06", DayStat{5, 0, 1, 0, 0, 0}}};
    defaults.setData(StatsStore::defaultsKey, qv::encodeDays(stored));
    writeFile(R"({"2026-03-06":{"squats":)");
    at(2026, 3, 7, 12, 0);
    auto store = makeStore(path);
    EXPECT_EQ(store->days(), stored);
    EXPECT_EQ(qv::decodeDays(fileBytes()), stored) << "copied into the file at once";
    EXPECT_TRUE(defaults.contains(StatsStore::defaultsKey)) << "the old copy is left in place";
}

TEST_F(StatsStoreTest, UnreadableEverywhereStartsEmptyWithTheDamagedFileKeptAside) {
    defaults.setData(StatsStore::defaultsKey, "not json");
    const QByteArray damaged = R"({"2026-03-06":{"squats":1.5})";
    writeFile(damaged);
    at(2026, 3, 7, 12, 0);
    auto store = makeStore(path);
    EXPECT_TRUE(store->days().isEmpty());
    store->recordAwayBreak();
    EXPECT_EQ(qv::decodeDays(fileBytes()), store->days());
    QFile aside(path + ".damaged-2026-03-07");
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), damaged);
    EXPECT_EQ(store->damagedFileNotice(), "Your statistics file could not be read. The file as "
                                          "it was is kept as " +
                                              aside.fileName() + ".");

    // Damaged again the same day: the first copy stays as it is.
    writeFile("garbage");
    makeStore(path);
    EXPECT_TRUE(QFile::exists(path + ".damaged-2026-03-07-2"));
    EXPECT_EQ(aside.size(), damaged.size());
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
    EXPECT_EQ(store->streakDays(), 1);
    EXPECT_EQ(qv::decodeDays(fileBytes()), good) << "a whole file again";
    QFile aside(path + ".damaged-2026-03-08");
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), damaged);
    const QString notice = "One day of your statistics could not be read and is left out. The "
                           "file as it was is kept as " +
                           aside.fileName() + ".";
    EXPECT_EQ(store->damagedFileNotice(), notice);

    // The notice waits for the statistics pane across a restart, and only there goes away.
    store.reset();
    auto reopened = makeStore(path);
    EXPECT_EQ(reopened->damagedFileNotice(), notice);
    QSignalSpy changed(reopened.get(), &StatsStore::damagedFileNoticeChanged);
    reopened->dismissDamagedFileNotice();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(reopened->damagedFileNotice().isEmpty());
    EXPECT_TRUE(makeStore(path)->damagedFileNotice().isEmpty());
    EXPECT_TRUE(aside.exists());
}

TEST_F(StatsStoreTest, UnwritableFolderKeepsTheTableAndTheNextGoodSaveWritesEverything) {
    // A plain file where the folder should be stops even root from writing there.
    const QString blocker = home.filePath("data/blocked");
    const QString blockedPath = blocker + "/Quorvantel/stats.json";
    QDir().mkpath(home.filePath("data"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    at(2026, 3, 7, 12, 0);
    auto store = makeStore(blockedPath);
    store->recordVerifiedBreak(ExerciseKind::squat, 10);
    at(2026, 3, 8, 12, 0);
    store->recordTimedBreak(ExerciseKind::squat, 0);
    EXPECT_FALSE(QFile::exists(blockedPath));
    EXPECT_EQ(store->totalCompletedBreaks(), 2);
    EXPECT_EQ(store->streakDays(), 2);

    ASSERT_TRUE(QFile::remove(blocker));
    store->recordAwayBreak();
    QFile written(blockedPath);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const auto saved = qv::decodeDays(written.readAll());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->keys(), (QStringList{"2026-03-07", "2026-03-08"}));
    EXPECT_EQ(saved->value("2026-03-08"), (DayStat{0, 0, 0, 1, 1, 0}));
}

TEST_F(StatsStoreTest, WithoutAFileTheTableLivesInTheDefaults) {
    at(2026, 3, 7, 12, 0);
    makeStore(std::nullopt)->recordSkippedBreak(ExerciseKind::squat, 4);
    auto reopened = makeStore(std::nullopt);
    EXPECT_EQ(reopened->today(), (DayStat{4, 0, 0, 0, 0, 1}));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(StatsStoreTest, DefaultFileIsInTheApplicationDataFolder) {
    const auto file = StatsStore::defaultFilePath();
    ASSERT_TRUE(file);
    EXPECT_TRUE(file->startsWith(home.filePath("data") + "/")) << file->toStdString();
    EXPECT_TRUE(file->endsWith("/stats.json"));
}

TEST_F(StatsStoreTest, HugeCountsFromAHandEditedFileSaturateInsteadOfWrapping) {
    const qint64 max = std::numeric_limits<qint64>::max();
    writeFile(qv::encodeDays({{"2026-03-06", DayStat{max, max, max, max, 0, max}},
                              {"2026-03-07", DayStat{1, 0, 1, 0, 0, 1}}}));
    at(2026, 3, 7, 12, 0);
    auto store = makeStore(path);
    EXPECT_EQ(store->totalRepetitions(), max);
    EXPECT_EQ(store->totalCompletedBreaks(), max);
    EXPECT_EQ(store->totalSkippedBreaks(), max);
    at(2026, 3, 6, 12, 0);
    store->recordVerifiedBreak(ExerciseKind::squat, max);
    EXPECT_EQ(store->today().squats, max);
}

} // namespace
