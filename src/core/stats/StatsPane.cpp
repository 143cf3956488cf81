// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stats/StatsPane.h"

#include <algorithm>

namespace qv {

namespace {

QString number(qint64 value) {
    return QString::number(value);
}

QString repetitionsPhrase(qint64 repetitions) {
    return repetitions == 1 ? QStringLiteral("exercise repetition")
                            : QStringLiteral("exercise repetitions");
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
    content.todayRepetitions = number(repetitions);
    content.todayAccessibleLabel =
        number(repetitions) + QStringLiteral(" exercise repetitions today, ") + number(completed) +
        QStringLiteral(" breaks, ") + number(snapshot.streakDays) + QStringLiteral(" day streak");
    content.streakDays = number(snapshot.streakDays);
    content.isStreakEmphasised = snapshot.streakDays >= 1;
    content.breaksToday = number(completed);
    content.breaksTodayCaption =
        completed == 1 ? QStringLiteral("BREAK TODAY") : QStringLiteral("BREAKS TODAY");

    for (const RecentDay& day : snapshot.recentDays) {
        content.bestRecentRepetitions =
            std::max(content.bestRecentRepetitions, day.stat.repetitions());
    }
    if (content.hasChart()) {
        content.bestText = QStringLiteral("BEST ") + number(content.bestRecentRepetitions);
    }
    for (qsizetype i = 0; i < snapshot.recentDays.size(); ++i) {
        const RecentDay& day = snapshot.recentDays[i];
        const qint64 dayRepetitions = day.stat.repetitions();
        const bool isToday = i == snapshot.recentDays.size() - 1;
        content.bars.append(
            {dayRepetitions, barKind(dayRepetitions, content.bestRecentRepetitions, isToday),
             locale.dayName(day.date.dayOfWeek(), QLocale::NarrowFormat),
             locale.toString(day.date, QLocale::LongFormat) + QStringLiteral(": ") +
                 number(dayRepetitions) + QLatin1Char(' ') + repetitionsPhrase(dayRepetitions)});
    }
    content.totalRepetitions = number(snapshot.totalRepetitions);
    content.totalCompletedBreaks = number(snapshot.totalCompletedBreaks);
    content.totalSkippedBreaks = number(snapshot.totalSkippedBreaks);
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
