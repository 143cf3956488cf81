// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that fail must leave the previous file whole, be tried again at the next change and be
// told to the user once; a file that vanishes or is a symbolic link keeps every value.
#include "core/stats/StatsCoding.h"
#include "core/stats/StatsStore.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/storage/SaveProblems.h"
#include "core/storage/SettingsFileStore.h"
#include "core/time/VirtualTimeSource.h"
#include "support/FileBytes.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace qv {
namespace {

class SaveFailureTest : public ::testing::Test {
protected:
    SaveFailureTest() { time.setWallClock(QDateTime(QDate(2026, 3, 7), QTime(12, 0), Qt::UTC)); }
    std::unique_ptr<StatsStore> stats(const QString& path) {
        return std::make_unique<StatsStore>(
            memory, [] { return Calendar(QTimeZone::utc(), QLocale::c()); }, time, path, &problems);
    }
    // A folder where the file's folder should be: nothing can be created below it, not even
    // by root, who passes every permission check.
    void blockFolderOf(const QString& path) {
        QFile blocker(QFileInfo(path).absolutePath());
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    void unblockFolderOf(const QString& path) {
        ASSERT_TRUE(QFile::remove(QFileInfo(path).absolutePath()));
    }

    test::TemporaryHome home;
    MemoryKeyValueStore memory;
    VirtualTimeSource time;
    SaveProblems problems;
};

TEST_F(SaveFailureTest, AFailingSettingsFileIsToldOnceWithItsPathAndSavedAtTheNextChange) {
    const QString path = home.filePath("own-config/Quorvantel.conf");
    QSignalSpy told(&problems, &SaveProblems::problemFound);
    blockFolderOf(path);
    SettingsFileStore store(path, &problems);
    store.setInteger("a.first", 1);
    store.setInteger("a.second", 2);

    ASSERT_EQ(told.count(), 1) << "said once, not at every change";
    const QString sentence = told.at(0).at(0).toString();
    EXPECT_TRUE(sentence.contains(home.filePath("own-config"))) << sentence.toStdString();
    EXPECT_TRUE(sentence.contains("not a folder")) << sentence.toStdString();
    EXPECT_EQ(problems.notice(), sentence);
    EXPECT_FALSE(store.isPersistent());

    unblockFolderOf(path);
    store.setInteger("a.third", 3);
    EXPECT_TRUE(problems.notice().isEmpty());
    SettingsFileStore reread(path);
    EXPECT_EQ(reread.integer("a.first"), 1) << "the changes made while failing are kept";
    EXPECT_EQ(reread.integer("a.second"), 2);
    EXPECT_EQ(reread.integer("a.third"), 3);

    // Failing again after a good save is news again.
    QFile::remove(path);
    QDir().mkpath(path);
    store.setInteger("a.fourth", 4);
    ASSERT_EQ(told.count(), 2);
    EXPECT_TRUE(told.at(1).at(0).toString().contains("folder is in the way"));
}

TEST_F(SaveFailureTest, ASettingsFileDeletedWhileRunningIsWrittenAgainFromMemory) {
    const QString path = home.filePath("Quorvantel.conf");
    SettingsFileStore store(path, &problems);
    store.setInteger("settings.workIntervalMinutes", 25);
    store.setBoolean("settings.hasCompletedOnboarding", false);
    store.setText("scheduler.state", "working");
    ASSERT_TRUE(QFile::remove(path));

    store.setText("scheduler.state", "paused");
    SettingsFileStore reread(path);
    EXPECT_EQ(reread.integer("settings.workIntervalMinutes"), 25);
    EXPECT_EQ(reread.boolean("settings.hasCompletedOnboarding"), false);
    EXPECT_EQ(reread.text("scheduler.state"), "paused");
}

TEST_F(SaveFailureTest, SymbolicLinksAreWrittenThroughToTheirTargets) {
    QDir().mkpath(home.filePath("dotfiles"));
    const QString settingsTarget = home.filePath("dotfiles/Quorvantel.conf");
    const QString statsTarget = home.filePath("dotfiles/stats.json");
    const QString settingsLink = home.filePath("Quorvantel.conf");
    const QString statsLink = home.filePath("stats.json");
    {
        SettingsFileStore seed(settingsTarget);
        seed.setInteger("settings.squatRepetitions", 7);
    }
    ASSERT_TRUE(QFile::link(settingsTarget, settingsLink));
    ASSERT_TRUE(QFile::link(statsTarget, statsLink)); // dangling until the first save

    SettingsFileStore settings(settingsLink, &problems);
    settings.setInteger("settings.workIntervalMinutes", 40);
    stats(statsLink)->recordAwayBreak();

    for (const QString& link : {settingsLink, statsLink}) {
        EXPECT_TRUE(QFileInfo(link).isSymLink()) << link.toStdString() << " was replaced";
    }
    SettingsFileStore target(settingsTarget);
    EXPECT_EQ(target.integer("settings.squatRepetitions"), 7);
    EXPECT_EQ(target.integer("settings.workIntervalMinutes"), 40);
    const auto days = decodeDays(test::readFile(statsTarget)).value_or(DayTable());
    EXPECT_EQ(days.value("2026-03-07").awayBreaks, 1);
    EXPECT_FALSE(problems.hasProblems());
}

TEST_F(SaveFailureTest, StatisticsThatCannotBeSavedAreToldAndWrittenWholeLater) {
    const QString path = home.filePath("data/Quorvantel/stats.json");
    QSignalSpy told(&problems, &SaveProblems::problemFound);
    auto store = stats(path);
    store->recordAwayBreak();
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkpath(path)); // a folder where the file should be
    store->recordAwayBreak();
    store->recordAwayBreak();

    ASSERT_EQ(told.count(), 1);
    EXPECT_TRUE(told.at(0).at(0).toString().contains(QDir::toNativeSeparators(path)));
    ASSERT_TRUE(QDir(path).removeRecursively());
    store->recordAwayBreak();
    EXPECT_FALSE(problems.hasProblems());
    EXPECT_EQ(stats(path)->today().awayBreaks, 4) << "every record survives the failed saves";
}

} // namespace
} // namespace qv
