// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stats/StatsPane.h"

#include "core/stats/StatsPaneModel.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using qv::ChartBarKind;
using qv::DayStat;
using qv::StatsSnapshot;

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
// A Saturday.
const QDate today(2026, 3, 7);

DayStat repetitions(qint64 squats, qint64 completed = 1) {
    DayStat stat;
    stat.squats = squats;
    stat.verifiedBreaks = completed;
    return stat;
}

// Fourteen days ending today, with the given repetitions, oldest first.
StatsSnapshot snapshotOf(const std::vector<qint64>& perDay) {
    StatsSnapshot snapshot;
    for (int i = 0; i < qv::chartDayCount; ++i) {
        const QDate date = today.addDays(i - qv::chartDayCount + 1);
        const qint64 reps = i < int(perDay.size()) ? perDay[i] : 0;
        snapshot.recentDays.append({date.toString(Qt::ISODate), date, repetitions(reps, reps > 0)});
    }
    snapshot.today = snapshot.recentDays.last().stat;
    return snapshot;
}

std::vector<ChartBarKind> kinds(const qv::StatsPaneContent& content) {
    std::vector<ChartBarKind> kinds;
    for (const auto& bar : content.bars) {
        kinds.push_back(bar.kind);
    }
    return kinds;
}

TEST(StatsPane, EmptyHistoryShowsZerosAndTheEmptyState) {
    const auto content = qv::statsPaneContent(snapshotOf({}), english);
    EXPECT_EQ(content.todayRepetitions, "0");
    EXPECT_EQ(content.todayAccessibleLabel, "0 exercise repetitions today, 0 breaks, 0 day streak");
    EXPECT_EQ(content.streakDays, "0");
    EXPECT_FALSE(content.isStreakEmphasised);
    EXPECT_EQ(content.breaksTodayCaption, "BREAKS TODAY");
    EXPECT_FALSE(content.hasChart());
    EXPECT_TRUE(content.bestText.isEmpty());
    ASSERT_EQ(content.bars.size(), 14);
    EXPECT_EQ(kinds(content), std::vector<ChartBarKind>(14, ChartBarKind::empty));
    EXPECT_EQ(content.totalRepetitions, "0");
}

TEST(StatsPane, HighlightsTodayApartFromTheBestDaysAndDimsTheRest) {
    using enum ChartBarKind;
    struct Case {
        const char* name;
        std::vector<qint64> perDay;
        std::vector<ChartBarKind> expected;
        qint64 best;
    };
    const std::vector<Case> cases = {
        {"two best days, today smaller",
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 12, 0, 12, 3},
         {empty, empty, empty, empty, empty, empty, empty, empty, empty, normal, best, empty, best,
          today},
         12},
        {"today is the best day",
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 9},
         {empty, empty, empty, empty, empty, empty, empty, empty, empty, empty, empty, empty,
          normal, today},
         9},
        {"nothing today yet",
         {8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {best, empty, empty, empty, empty, empty, empty, empty, empty, empty, empty, empty, empty,
          empty},
         8},
    };
    for (const auto& c : cases) {
        const auto content = qv::statsPaneContent(snapshotOf(c.perDay), english);
        EXPECT_EQ(kinds(content), c.expected) << c.name;
        EXPECT_EQ(content.bestRecentRepetitions, c.best) << c.name;
        EXPECT_EQ(content.bestText, "BEST " + QString::number(c.best)) << c.name;
    }
}

TEST(StatsPane, LabelsEachBarWithItsWeekdayAndFullDate) {
    const auto content =
        qv::statsPaneContent(snapshotOf({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1}), english);
    EXPECT_EQ(content.bars.last().accessibleLabel,
              "Saturday, March 7, 2026: 1 exercise repetition");
    EXPECT_EQ(content.bars[12].accessibleLabel, "Friday, March 6, 2026: 2 exercise repetitions");
    EXPECT_EQ(content.bars[11].accessibleLabel, "Thursday, March 5, 2026: 0 exercise repetitions");
    QStringList letters;
    for (int i = 7; i < 14; ++i) {
        letters << content.bars[i].weekdayLetter;
    }
    EXPECT_EQ(letters.join(""), "SMTWTFS");
}

TEST(StatsPane, SaysBreakForExactlyOneAndEmphasisesAStreak) {
    for (const auto& [completed, caption] : std::vector<std::pair<qint64, QString>>{
             {0, "BREAKS TODAY"}, {1, "BREAK TODAY"}, {2, "BREAKS TODAY"}}) {
        StatsSnapshot snapshot = snapshotOf({});
        snapshot.today.timedBreaks = completed;
        snapshot.streakDays = completed;
        const auto content = qv::statsPaneContent(snapshot, english);
        EXPECT_EQ(content.breaksTodayCaption, caption);
        EXPECT_EQ(content.breaksToday, QString::number(completed));
        EXPECT_EQ(content.isStreakEmphasised, completed >= 1);
    }
}

TEST(StatsPane, BarHeightsScaleToTheBestDayWithAVisibleMinimum) {
    struct Case {
        qint64 repetitions, best;
        double chartHeight, expected;
    };
    for (const auto& c : std::vector<Case>{{0, 10, 100, 0},
                                           {10, 10, 100, 100},
                                           {5, 10, 100, 50},
                                           {1, 100, 100, 10},
                                           {1, 100, 6, 6},
                                           {3, 3, 0, 0},
                                           {4, 0, 100, 0}}) {
        EXPECT_DOUBLE_EQ(qv::chartBarHeight(c.repetitions, c.best, c.chartHeight), c.expected)
            << c.repetitions << " of " << c.best << " in " << c.chartHeight;
    }
}

// The pane follows the store while it is open: a break recorded now shows at once.
TEST(StatsPaneModel, FollowsTheStoreAndScalesBarsToTheChart) {
    qv::MemoryKeyValueStore defaults;
    qv::VirtualTimeSource time;
    time.setWallClock(QDateTime(today, QTime(10, 0), QTimeZone("Europe/Berlin")));
    qv::StatsStore store(
        defaults, [] { return qv::Calendar(QTimeZone("Europe/Berlin"), english); }, time,
        std::nullopt);
    qv::StatsPaneModel model(store, english);
    QSignalSpy contentChanged(&model, &qv::StatsPaneModel::contentChanged);
    QSignalSpy barsChanged(&model, &qv::StatsPaneModel::barsChanged);
    EXPECT_FALSE(model.hasChart());

    store.recordVerifiedBreak(qv::ExerciseKind::squat, 10);
    EXPECT_EQ(contentChanged.count(), 1);
    EXPECT_EQ(barsChanged.count(), 1);
    EXPECT_EQ(model.todayRepetitions(), "10");
    EXPECT_EQ(model.streakDays(), "1");
    EXPECT_TRUE(model.hasChart());

    model.setChartHeight(120);
    EXPECT_EQ(barsChanged.count(), 2);
    const QVariantMap todayBar = model.bars().last().toMap();
    EXPECT_EQ(todayBar.value("kind").toString(), "today");
    EXPECT_DOUBLE_EQ(todayBar.value("height").toDouble(), 120);
    EXPECT_EQ(model.bars().first().toMap().value("kind").toString(), "empty");

    model.refresh();
    EXPECT_EQ(contentChanged.count(), 1) << "nothing changed, nothing to redraw";
}

} // namespace
