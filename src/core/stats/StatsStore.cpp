// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stats/StatsStore.h"

#include "core/base/CountedText.h"
#include "core/stats/StatsCoding.h"
#include "core/storage/KeyValueStore.h"
#include "core/storage/SaveProblems.h"
#include "core/storage/WholeFile.h"
#include "core/time/TimeSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace qv {

namespace {

// "%04d-%02d-%02d"; zero for what the calendar cannot say, as stored keys have always been.
QString keyOf(QDate day) {
    if (!day.isValid()) {
        return QStringLiteral("0000-00-00");
    }
    return QString::asprintf("%04d-%02d-%02d", day.year(), day.month(), day.day());
}

} // namespace

StatsStore::StatsStore(KeyValueStore& defaults, CalendarSource calendar, const TimeSource& time,
                       std::optional<QString> filePath, SaveProblems* problems, QObject* parent)
    : QObject(parent)
    , defaults_(defaults)
    , calendar_(std::move(calendar))
    , time_(time)
    , filePath_(std::move(filePath))
    , problems_(problems) {
    load();
}

std::optional<QString> StatsStore::defaultFilePath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return QDir(folder).filePath(QStringLiteral("stats.json"));
}

QString StatsStore::dayKey(const QDateTime& date) const {
    return keyOf(calendar_().day(date));
}

QDate StatsStore::todayDate() const {
    return calendar_().day(time_.now());
}

DayStat StatsStore::today() const {
    return dayStat(dayKey(time_.now()));
}

void StatsStore::recordVerifiedBreak(ExerciseKind exercise, qint64 repetitions) {
    record(exercise, repetitions, &DayStat::verifiedBreaks);
}

void StatsStore::recordTimedBreak(ExerciseKind exercise, qint64 repetitions) {
    record(exercise, repetitions, &DayStat::timedBreaks);
}

void StatsStore::recordSkippedBreak(ExerciseKind exercise, qint64 repetitions) {
    record(exercise, repetitions, &DayStat::skippedBreaks);
}

void StatsStore::recordAwayBreak() {
    record(std::nullopt, 0, &DayStat::awayBreaks);
}

void StatsStore::record(std::optional<ExerciseKind> exercise, qint64 repetitions,
                        qint64 DayStat::*outcome) {
    const QString key = dayKey(time_.now());
    DayStat day = dayStat(key);
    if (exercise) {
        qint64& counter = *exercise == ExerciseKind::squat ? day.squats : day.overheadRaises;
        counter = saturatingAdd(counter, std::max<qint64>(0, repetitions));
    }
    day.*outcome = saturatingAdd(day.*outcome, 1);
    days_.insert(key, day);
    Q_EMIT daysChanged();
    save();
}

qint64 StatsStore::streakDays() const {
    QDate cursor = todayDate();
    if (!cursor.isValid()) {
        return 0;
    }
    if (dayStat(keyOf(cursor)).completedBreaks() == 0) {
        cursor = cursor.addDays(-1);
    }
    qint64 count = 0;
    // Only recorded days can count, so the walk ends after at most that many steps.
    while (cursor.isValid() && dayStat(keyOf(cursor)).completedBreaks() >= 1) {
        ++count;
        cursor = cursor.addDays(-1);
    }
    return count;
}

qint64 StatsStore::totalRepetitions() const {
    qint64 total = 0;
    for (const DayStat& day : days_) {
        total = saturatingAdd(total, day.repetitions());
    }
    return total;
}

qint64 StatsStore::totalCompletedBreaks() const {
    qint64 total = 0;
    for (const DayStat& day : days_) {
        total = saturatingAdd(total, day.completedBreaks());
    }
    return total;
}

qint64 StatsStore::totalSkippedBreaks() const {
    qint64 total = 0;
    for (const DayStat& day : days_) {
        total = saturatingAdd(total, day.skippedBreaks);
    }
    return total;
}

QList<RecentDay> StatsStore::recentDays(int count) const {
    QList<RecentDay> result;
    const QDate today = todayDate();
    for (int offset = count - 1; offset >= 0; --offset) {
        const QDate date = today.addDays(-offset);
        if (!date.isValid()) {
            continue;
        }
        const QString key = keyOf(date);
        result.append(RecentDay{key, date, dayStat(key)});
    }
    return result;
}

void StatsStore::load() {
    damagedFileNotice_ = defaults_.text(damagedNoticeKey).value_or(QString());
    if (!filePath_ || !QFile::exists(*filePath_)) {
        loadDefaultsCopy();
        return;
    }
    QFile file(*filePath_);
    std::optional<DecodedDays> decoded;
    if (file.open(QIODevice::ReadOnly)) {
        decoded = decodeEachDay(file.readAll());
    }
    if (decoded && decoded->droppedDays == 0) {
        days_ = std::move(decoded->days);
        return;
    }
    if (decoded) {
        days_ = std::move(decoded->days);
        damagedFileInPlace_ = DamagedFile{decoded->droppedDays};
    } else {
        damagedFileInPlace_ = DamagedFile{};
        loadDefaultsCopy();
    }
    // Writes what could be read into a fresh file once the damaged one is safely aside.
    save();
}

void StatsStore::loadDefaultsCopy() {
    const auto stored = defaults_.data(defaultsKey);
    if (!stored) {
        return;
    }
    if (auto decoded = decodeEachDay(*stored)) {
        days_ = std::move(decoded->days);
        // Brings a table kept only in the key-value store over into the file.
        if (filePath_ && !damagedFileInPlace_) {
            save();
        }
    }
}

void StatsStore::save() {
    const QByteArray bytes = encodeDays(days_);
    if (!filePath_) {
        defaults_.setData(defaultsKey, bytes);
        return;
    }
    // What the user recorded is never destroyed without a copy.
    if (damagedFileInPlace_ && !setAsideDamagedFile()) {
        if (problems_) {
            problems_->failed(
                *filePath_,
                QStringLiteral("%1: %2").arg(
                    QDir::toNativeSeparators(*filePath_),
                    QCoreApplication::translate(
                        "Storage", "the damaged file cannot be moved aside to make room")));
        }
        return;
    }
    writeFile(bytes);
}

bool StatsStore::setAsideDamagedFile() {
    const QString base = *filePath_ + QStringLiteral(".damaged-") + keyOf(todayDate());
    QString aside = base;
    for (int n = 2; QFile::exists(aside); ++n) {
        aside = base + u'-' + QString::number(n);
    }
    if (!QFile::rename(*filePath_, aside)) {
        return false;
    }
    const std::optional<qsizetype> dropped = damagedFileInPlace_->droppedDays;
    damagedFileInPlace_.reset();
    const QString kept = QCoreApplication::translate("Stats", "The file as it was is kept as %1.")
                             .arg(QDir::toNativeSeparators(aside));
    if (!dropped) {
        setDamagedFileNotice(
            QCoreApplication::translate("Stats", "Your statistics file could not be read.") + u' ' +
            kept);
    } else {
        setDamagedFileNotice(
            countedText("Stats",
                        "One day of your statistics could not be read and is "
                        "left out.",
                        QT_TRANSLATE_N_NOOP("Stats", "%n days of your statistics could "
                                                     "not be read and are left out."),
                        static_cast<int>(*dropped)) +
            u' ' + kept);
    }
    return true;
}

void StatsStore::setDamagedFileNotice(const QString& notice) {
    if (notice == damagedFileNotice_) {
        return;
    }
    damagedFileNotice_ = notice;
    if (notice.isEmpty()) {
        defaults_.remove(damagedNoticeKey);
    } else {
        defaults_.setText(damagedNoticeKey, notice);
    }
    Q_EMIT damagedFileNoticeChanged();
}

void StatsStore::dismissDamagedFileNotice() {
    setDamagedFileNotice(QString());
}

// The whole table every time: a failed save leaves the previous file whole, and the next
// record writes everything this one could not.
void StatsStore::writeFile(const QByteArray& bytes) {
    const Status written = writeWholeFile(*filePath_, bytes);
    if (!problems_) {
        return;
    }
    if (written) {
        problems_->saved(*filePath_);
    } else {
        problems_->failed(*filePath_, written.error());
    }
}

} // namespace qv
