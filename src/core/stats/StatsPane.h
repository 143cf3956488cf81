// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/stats/StatsStore.h"

#include <QList>
#include <QLocale>
#include <QString>

namespace qv {

// How one day's bar in the 14-day chart is drawn.
enum class ChartBarKind {
    empty,  // no repetitions: a placeholder
    today,  // the last bar, in a highlight colour of its own
    best,   // as many repetitions as the best day, in the full accent colour
    normal, // the accent colour, dimmed
};

struct ChartBar {
    qint64 repetitions = 0;
    ChartBarKind kind = ChartBarKind::empty;
    QString weekdayLetter;
    QString accessibleLabel;
    bool operator==(const ChartBar&) const = default;
};

// Everything the statistics pane shows, as text ready to draw.
struct StatsPaneContent {
    QString todayRepetitions;
    QString todayAccessibleLabel;
    QString streakDays;
    bool isStreakEmphasised = false;
    QString breaksToday;
    QString breaksTodayCaption;
    qint64 bestRecentRepetitions = 0;
    QString bestText; // empty when there is nothing to chart
    QList<ChartBar> bars;
    QString totalRepetitions;
    QString totalCompletedBreaks;
    QString totalSkippedBreaks;

    bool hasChart() const { return bestRecentRepetitions >= 1; }
    bool operator==(const StatsPaneContent&) const = default;
};

struct StatsSnapshot {
    DayStat today;
    qint64 streakDays = 0;
    qint64 totalRepetitions = 0;
    qint64 totalCompletedBreaks = 0;
    qint64 totalSkippedBreaks = 0;
    QList<RecentDay> recentDays; // oldest first, ending today

    static StatsSnapshot of(const StatsStore& store);
};

inline constexpr int chartDayCount = 14;
// The shortest bar of a day that had repetitions, so a small day stays visible.
inline constexpr double minimumBarHeight = 10.0;

StatsPaneContent statsPaneContent(const StatsSnapshot& snapshot, const QLocale& locale);
// The best day reaches the full height; a day without repetitions has none.
double chartBarHeight(qint64 repetitions, qint64 best, double chartHeight);

} // namespace qv
