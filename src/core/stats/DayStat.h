// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>
#include <QtGlobal>

namespace qv {

// The counters of one local calendar day.
struct DayStat {
    qint64 squats = 0;
    qint64 overheadRaises = 0;
    qint64 verifiedBreaks = 0;
    qint64 timedBreaks = 0;
    qint64 awayBreaks = 0;
    qint64 skippedBreaks = 0;

    qint64 repetitions() const;
    // Skipped breaks are never completed ones.
    qint64 completedBreaks() const;

    friend bool operator==(const DayStat&, const DayStat&) = default;
};

// Day key ("2024-03-07") to that day's counters; sorted, so the oldest day comes first.
using DayTable = QMap<QString, DayStat>;

// Counters come from a file anyone can edit: sums stop at the ends of the range instead of
// overflowing.
qint64 saturatingAdd(qint64 a, qint64 b);

} // namespace qv
