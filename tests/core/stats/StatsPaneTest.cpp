// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stats/StatsPane.h"

#include "core/stats/StatsPaneModel.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QDate today(2026, 3, 7); // a Saturday

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
