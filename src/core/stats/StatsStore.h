// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/stats/DayStat.h"
#include "core/time/Calendar.h"
#include "core/verification/ExerciseKind.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <optional>

namespace qv {

class KeyValueStore;
class SaveProblems;
class TimeSource;

struct RecentDay {
    QString dayKey;
    QDate date;
    DayStat stat;
};

// The per-day record of break outcomes, kept as one JSON file. Main thread only.
//
// Persistence failures never reach the callers: a file is read day by day and a damaged day
// costs only itself; a file that cannot be read at all falls back to the copy in the key-value
// store, then to an empty table; a failed save keeps the in-memory table correct so the next
// good save writes everything; problems hears of every save, so the user is told. A file that could
// not be read whole is renamed aside (never overwritten) and damagedFileNotice says so until the
// statistics pane has shown it.
class StatsStore final : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString damagedFileNotice READ damagedFileNotice NOTIFY damagedFileNoticeChanged)

public:
    static inline const QString defaultsKey = QStringLiteral("stats.days");
    static inline const QString damagedNoticeKey = QStringLiteral("stats.damagedFileNotice");

    // filePath empty means the table lives in the key-value store instead.
    StatsStore(KeyValueStore& defaults, CalendarSource calendar, const TimeSource& time,
               std::optional<QString> filePath, SaveProblems* problems = nullptr,
               QObject* parent = nullptr);

    // stats.json in the application's data folder; empty when the system names none.
    static std::optional<QString> defaultFilePath();

    const DayTable& days() const { return days_; }
    const std::optional<QString>& filePath() const { return filePath_; }

    QString dayKey(const QDateTime& date) const;
    DayStat today() const;

    void recordVerifiedBreak(ExerciseKind exercise, qint64 repetitions);
    void recordTimedBreak(ExerciseKind exercise, qint64 repetitions);
    void recordSkippedBreak(ExerciseKind exercise, qint64 repetitions);
    void recordAwayBreak();

    // Consecutive days with a completed break, ending today; a today without one yet does not
    // break the streak, it just does not count yet.
    qint64 streakDays() const;
    qint64 totalRepetitions() const;
    qint64 totalCompletedBreaks() const;
    qint64 totalSkippedBreaks() const;
    // The last count days ending today, oldest first; days without a record read as zeros.
    QList<RecentDay> recentDays(int count) const;

    void save();

    // A sentence for the statistics pane about a damaged file; empty when there is none.
    QString damagedFileNotice() const { return damagedFileNotice_; }
    Q_INVOKABLE void dismissDamagedFileNotice();

Q_SIGNALS:
    void daysChanged();
    void damagedFileNoticeChanged();

private:
    void record(std::optional<ExerciseKind> exercise, qint64 repetitions, qint64 DayStat::*outcome);
    void load();
    void loadDefaultsCopy();
    bool setAsideDamagedFile();
    void setDamagedFileNotice(const QString& notice);
    void writeFile(const QByteArray& bytes);
    DayStat dayStat(const QString& key) const { return days_.value(key); }
    QDate todayDate() const;

    KeyValueStore& defaults_;
    CalendarSource calendar_;
    const TimeSource& time_;
    std::optional<QString> filePath_;
    SaveProblems* problems_;
    DayTable days_;
    struct DamagedFile {
        std::optional<qsizetype> droppedDays; // nothing when none of it could be read
    };
    // The file in place could not be read whole and has not been set aside yet.
    std::optional<DamagedFile> damagedFileInPlace_;
    QString damagedFileNotice_;
};

} // namespace qv
