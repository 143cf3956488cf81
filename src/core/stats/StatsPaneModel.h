// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/stats/StatsPane.h"

#include <QObject>
#include <QVariantList>

namespace qv {

struct ChartBarView;

// The statistics pane's numbers for the view, redrawn whenever the store records something.
// Each bar is a ChartBarView.
class StatsPaneModel final : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString todayRepetitions READ todayRepetitions NOTIFY contentChanged)
    Q_PROPERTY(QString todayAccessibleLabel READ todayAccessibleLabel NOTIFY contentChanged)
    Q_PROPERTY(QString streakDays READ streakDays NOTIFY contentChanged)
    Q_PROPERTY(bool isStreakEmphasised READ isStreakEmphasised NOTIFY contentChanged)
    Q_PROPERTY(QString breaksToday READ breaksToday NOTIFY contentChanged)
    Q_PROPERTY(QString breaksTodayCaption READ breaksTodayCaption NOTIFY contentChanged)
    Q_PROPERTY(bool hasChart READ hasChart NOTIFY contentChanged)
    Q_PROPERTY(QString bestText READ bestText NOTIFY contentChanged)
    Q_PROPERTY(QVariantList bars READ bars NOTIFY barsChanged)
    Q_PROPERTY(double chartHeight READ chartHeight WRITE setChartHeight NOTIFY chartHeightChanged)
    Q_PROPERTY(QString totalRepetitions READ totalRepetitions NOTIFY contentChanged)
    Q_PROPERTY(QString totalCompletedBreaks READ totalCompletedBreaks NOTIFY contentChanged)
    Q_PROPERTY(QString totalSkippedBreaks READ totalSkippedBreaks NOTIFY contentChanged)

public:
    // How a bar is drawn (see ChartBarKind).
    enum class BarKind { Empty, Today, Best, Normal };
    Q_ENUM(BarKind)

    StatsPaneModel(const StatsStore& store, QLocale locale, QObject* parent = nullptr);

    QString todayRepetitions() const { return content_.todayRepetitions; }
    QString todayAccessibleLabel() const { return content_.todayAccessibleLabel; }
    QString streakDays() const { return content_.streakDays; }
    bool isStreakEmphasised() const { return content_.isStreakEmphasised; }
    QString breaksToday() const { return content_.breaksToday; }
    QString breaksTodayCaption() const { return content_.breaksTodayCaption; }
    bool hasChart() const { return content_.hasChart(); }
    QString bestText() const { return content_.bestText; }
    QVariantList bars() const;
    double chartHeight() const { return chartHeight_; }
    void setChartHeight(double height);
    QString totalRepetitions() const { return content_.totalRepetitions; }
    QString totalCompletedBreaks() const { return content_.totalCompletedBreaks; }
    QString totalSkippedBreaks() const { return content_.totalSkippedBreaks; }

    const StatsPaneContent& content() const { return content_; }

    // Reads the store again; the view calls it when shown, so a new day shows up.
    Q_INVOKABLE void refresh();

Q_SIGNALS:
    // All texts come from one snapshot, so they change together.
    void contentChanged();
    void barsChanged();
    void chartHeightChanged();

private:
    const StatsStore& store_;
    QLocale locale_;
    StatsPaneContent content_;
    double chartHeight_ = 0;
};

// One day's bar as the chart draws it: its height in the chart's units, how it is drawn, the
// weekday's letter under it and what a screen reader says for it.
struct ChartBarView {
    Q_GADGET
    Q_PROPERTY(double height MEMBER height)
    // As a number, which QML compares with StatsPaneModel's BarKind values: Qt 6.4's compiled
    // bindings fail on an enum read from a value type.
    Q_PROPERTY(int kind READ kindValue)
    Q_PROPERTY(QString weekday MEMBER weekday)
    Q_PROPERTY(QString accessibleLabel MEMBER accessibleLabel)

public:
    double height = 0;
    StatsPaneModel::BarKind kind = StatsPaneModel::BarKind::Empty;
    QString weekday;
    QString accessibleLabel;

    int kindValue() const { return static_cast<int>(kind); }
};

} // namespace qv
