// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stats/StatsPane.h"

#include "core/base/CountedText.h"

#include <QCoreApplication>
#include <algorithm>

namespace qv {

namespace {

QString repetitionsPhrase(qint64 repetitions) {
    return countedText("Stats", "%n exercise repetition",
                       QT_TRANSLATE_N_NOOP("Stats", "%n exercise repetitions"),
                       static_cast<int>(repetitions));
}

ChartBarKind barKind(qint64 repetitions, qint64 best, bool isToday) {
    if (repetitions < 1) {
        return ChartBarKind::empty;
    }
    if (isToday) {
        return ChartBarKind::today;
    }
    return repetitions == best ? ChartBarKind::best : ChartBarKind::normal;
}

} // namespace

StatsSnapshot StatsSnapshot::of(const StatsStore& store) {
    return {store.today(),
            store.streakDays(),
            store.totalRepetitions(),
            store.totalCompletedBreaks(),
            store.totalSkippedBreaks(),
            store.recentDays(chartDayCount)};
}

StatsPaneContent statsPaneContent(const StatsSnapshot& snapshot, const QLocale& locale) {
    StatsPaneContent content;
    const qint64 repetitions = snapshot.today.repetitions();
    const qint64 completed = snapshot.today.completedBreaks();
    content.todayRepetitions = locale.toString(repetitions);
    content.todayAccessibleLabel =
        QCoreApplication::translate("Stats",
                                    "%1 exercise repetitions today, %2 breaks, %3 day streak")
            .arg(locale.toString(repetitions), locale.toString(completed),
                 locale.toString(snapshot.streakDays));
    content.streakDays = locale.toString(snapshot.streakDays);
    content.isStreakEmphasised = snapshot.streakDays >= 1;
    content.breaksToday = locale.toString(completed);
    content.breaksTodayCaption =
        countedText("Stats", "BREAK TODAY", QT_TRANSLATE_N_NOOP("Stats", "BREAKS TODAY"),
                    static_cast<int>(completed));

    for (const RecentDay& day : snapshot.recentDays) {
        content.bestRecentRepetitions =
            std::max(content.bestRecentRepetitions, day.stat.repetitions());
    }
    if (content.hasChart()) {
        content.bestText = QCoreApplication::translate("Stats", "BEST %1",
                                                       "the most repetitions of a day in the chart")
                               .arg(locale.toString(content.bestRecentRepetitions));
    }
    for (qsizetype i = 0; i < snapshot.recentDays.size(); ++i) {
        const RecentDay& day = snapshot.recentDays[i];
        const qint64 dayRepetitions = day.stat.repetitions();
        const bool isToday = i == snapshot.recentDays.size() - 1;
        content.bars.append({dayRepetitions,
                             barKind(dayRepetitions, content.bestRecentRepetitions, isToday),
                             locale.dayName(day.date.dayOfWeek(), QLocale::NarrowFormat),
                             locale.toString(day.date, QLocale::LongFormat) + QStringLiteral(": ") +
                                 repetitionsPhrase(dayRepetitions)});
    }
    content.totalRepetitions = locale.toString(snapshot.totalRepetitions);
    content.totalCompletedBreaks = locale.toString(snapshot.totalCompletedBreaks);
    content.totalSkippedBreaks = locale.toString(snapshot.totalSkippedBreaks);
    return content;
}

double chartBarHeight(qint64 repetitions, qint64 best, double chartHeight) {
    if (repetitions < 1 || best < 1 || chartHeight <= 0) {
        return 0;
    }
    const double share = static_cast<double>(std::min(repetitions, best)) / best;
    return std::max(share * chartHeight, std::min(minimumBarHeight, chartHeight));
}

} // namespace qv
