// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stats/StatsPane.h"

#include "core/stats/StatsPaneModel.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using qv::ChartBarKind;
using qv::StatsSnapshot;

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QDate today(2026, 3, 7); // a Saturday

// Fourteen days ending today with the given repetitions, oldest first.
StatsSnapshot snapshotOf(const std::vector<qint64>& perDay) {
    StatsSnapshot snapshot;
    for (int i = 0; i < qv::chartDayCount; ++i) {
        const QDate date = today.addDays(i - qv::chartDayCount + 1);
        qv::DayStat stat;
        stat.squats = i < int(perDay.size()) ? perDay[i] : 0;
        stat.verifiedBreaks = stat.squats > 0;
        snapshot.recentDays.append({date.toString(Qt::ISODate), date, stat});
    }
    snapshot.today = snapshot.recentDays.last().stat;
    return snapshot;
}

// One letter a bar: empty, normal, best, today.
std::string kinds(const qv::StatsPaneContent& content) {
    std::string letters;
    for (const auto& bar : content.bars) {
        using enum ChartBarKind;
        letters += bar.kind == empty    ? 'e'
                   : bar.kind == normal ? 'n'
                   : bar.kind == best   ? 'b'
                                        : 't';
    }
    return letters;
}

TEST(StatsPane, HighlightsTodayApartFromTheBestDaysAndDimsTheRest) {
    struct Case {
        const char* name;
        std::vector<qint64> perDay;
        const char* kinds;
        qint64 best;
    };
    const Case cases[] = {
        {"no history", {}, "eeeeeeeeeeeeee", 0},
        {"two best days, today smaller",
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 12, 0, 12, 3},
         "eeeeeeeeenbebt",
         12},
        {"today is the best day", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 9}, "eeeeeeeeeeeent", 9},
        {"nothing today yet", {8}, "beeeeeeeeeeeee", 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto content = qv::statsPaneContent(snapshotOf(c.perDay), english);
        EXPECT_EQ(kinds(content), c.kinds);
        EXPECT_EQ(content.bestRecentRepetitions, c.best);
        EXPECT_EQ(content.hasChart(), c.best > 0);
        EXPECT_EQ(content.bestText.contains(QString::number(c.best)), c.best > 0);
    }
}

// A break recorded while the pane is open shows at once.
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

    store.recordVerifiedBreak(qv::ExerciseKind::squat, 10);
    EXPECT_EQ(contentChanged.count(), 1);
    EXPECT_EQ(model.todayRepetitions(), "10");
    EXPECT_TRUE(model.hasChart());
    model.setChartHeight(120);
    EXPECT_EQ(barsChanged.count(), 2);
    const auto lastBar = model.bars().last().value<qv::ChartBarView>();
    EXPECT_DOUBLE_EQ(lastBar.height, 120);
    EXPECT_EQ(lastBar.kind, qv::StatsPaneModel::BarKind::Today);
    model.refresh();
    EXPECT_EQ(contentChanged.count(), 1) << "nothing changed, nothing to redraw";
}

} // namespace
