// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stats/StatsPaneModel.h"

namespace qv {

namespace {

StatsPaneModel::BarKind viewKind(ChartBarKind kind) {
    switch (kind) {
    case ChartBarKind::today:
        return StatsPaneModel::BarKind::Today;
    case ChartBarKind::best:
        return StatsPaneModel::BarKind::Best;
    case ChartBarKind::normal:
        return StatsPaneModel::BarKind::Normal;
    case ChartBarKind::empty:
        break;
    }
    return StatsPaneModel::BarKind::Empty;
}

} // namespace

StatsPaneModel::StatsPaneModel(const StatsStore& store, QLocale locale, QObject* parent)
    : QObject(parent)
    , store_(store)
    , locale_(std::move(locale)) {
    content_ = statsPaneContent(StatsSnapshot::of(store_), locale_);
    connect(&store_, &StatsStore::daysChanged, this, &StatsPaneModel::refresh);
}

void StatsPaneModel::refresh() {
    StatsPaneContent content = statsPaneContent(StatsSnapshot::of(store_), locale_);
    if (content == content_) {
        return;
    }
    const bool barsDiffer = content.bars != content_.bars;
    content_ = std::move(content);
    Q_EMIT contentChanged();
    if (barsDiffer) {
        Q_EMIT barsChanged();
    }
}

QVariantList StatsPaneModel::bars() const {
    QVariantList bars;
    for (const ChartBar& bar : content_.bars) {
        bars.append(QVariant::fromValue(ChartBarView{
            chartBarHeight(bar.repetitions, content_.bestRecentRepetitions, chartHeight_),
            viewKind(bar.kind), bar.weekdayLetter, bar.accessibleLabel}));
    }
    return bars;
}

void StatsPaneModel::setChartHeight(double height) {
    if (height == chartHeight_) {
        return;
    }
    chartHeight_ = height;
    Q_EMIT chartHeightChanged();
    Q_EMIT barsChanged();
}

} // namespace qv
