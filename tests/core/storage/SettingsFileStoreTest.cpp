// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/SettingsFileStore.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Each sync writes a new file and renames it over the old one, so the inode tells whether the
// file was written since.
ino_t inodeOf(const QString& path) {
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

TEST(SettingsFileStore, ValuesSurviveAFreshStoreOnTheSameFile) {
    qv::test::TemporaryHome home;
    const QString path = home.filePath("restart.conf");
    const QDateTime date = QDateTime::fromMSecsSinceEpoch(1'790'000'000'456, Qt::UTC);
    {
        qv::SettingsFileStore store(path);
        store.setInteger("r.int", 42);
        store.setBoolean("r.bool", false);
        store.setDate("r.date", date);
        store.setText("r.text", "a/b\\c");
        store.setText("r/slash", "kept flat");
    }
    qv::SettingsFileStore store(path);
    EXPECT_EQ(store.integer("r.int"), 42);
    EXPECT_EQ(store.boolean("r.bool"), false);
    EXPECT_EQ(store.date("r.date"), date);
    EXPECT_EQ(store.text("r.text"), "a/b\\c");
    EXPECT_EQ(store.text("r/slash"), "kept flat");

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("r.date=2026-09-21T14:13:20.456Z")) << content.toStdString();
}

TEST(SettingsFileStore, HandEditedGarbageReadsAsAbsent) {
    qv::test::TemporaryHome home;
    const QString path = home.filePath("garbage.conf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\ng.int=12abc\ng.list=a, b\ng.date=yesterday\ng.bool=maybe\n"
               "g.ok=  17 \n");
    file.close();
    qv::SettingsFileStore store(path);
    EXPECT_FALSE(store.integer("g.int"));
    EXPECT_FALSE(store.integer("g.list"));
    EXPECT_FALSE(store.date("g.date"));
    EXPECT_FALSE(store.boolean("g.bool"));
    EXPECT_EQ(store.integer("g.ok"), 17);
}

TEST(SettingsFileStore, UnwritableFileKeepsValuesInMemoryAndSaysSo) {
    qv::test::TemporaryHome home;
    // A plain file where the folder should be: not even root can create the settings file.
    QFile blocker(home.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qv::SettingsFileStore store(home.filePath("not-a-folder/settings.conf"));
    store.setInteger("u.int", 5);
    EXPECT_EQ(store.integer("u.int"), 5);
    EXPECT_FALSE(store.isPersistent());
}

TEST(SettingsFileStore, TwoStoresOnOneFileSeeEachOthersWritesAtOnce) {
    qv::test::TemporaryHome home;
    const QString path = home.filePath("shared.conf");
    qv::SettingsFileStore writer(path);
    qv::SettingsFileStore reader(path);
    EXPECT_FALSE(reader.integer("s.int"));
    writer.setInteger("s.int", 3);
    EXPECT_EQ(reader.integer("s.int"), 3);
    writer.remove("s.int");
    EXPECT_FALSE(reader.integer("s.int"));
}

TEST(SettingsFileStore, WritesTheFileOnlyWhenAValueChanges) {
    qv::test::TemporaryHome home;
    const QString path = home.filePath("unchanged.conf");
    const QDateTime date = QDateTime::fromMSecsSinceEpoch(1'790'000'000'456, Qt::UTC);
    qv::SettingsFileStore store(path);
    store.setInteger("c.int", 5);
    store.setBoolean("c.bool", true);
    store.setDate("c.date", date);
    store.setText("c.text", "same");
    store.setData("c.data", QByteArray("\x01\x02", 2));

    const std::vector<std::pair<const char*, std::function<void()>>> unchanged = {
        {"same integer", [&] { store.setInteger("c.int", 5); }},
        {"same boolean", [&] { store.setBoolean("c.bool", true); }},
        {"same date", [&] { store.setDate("c.date", date); }},
        {"same text", [&] { store.setText("c.text", "same"); }},
        {"same data", [&] { store.setData("c.data", QByteArray("\x01\x02", 2)); }},
        {"absent key removed", [&] { store.remove("c.absent"); }},
    };
    for (const auto& [name, write] : unchanged) {
        const ino_t before = inodeOf(path);
        write();
        EXPECT_EQ(inodeOf(path), before) << name;
    }

    const std::vector<std::pair<const char*, std::function<void()>>> changed = {
        {"other integer", [&] { store.setInteger("c.int", 6); }},
        {"integer as text", [&] { store.setText("c.int", "6 "); }},
        {"text as data", [&] { store.setData("c.text", "same"); }},
        {"key removed", [&] { store.remove("c.bool"); }},
    };
    for (const auto& [name, write] : changed) {
        const ino_t before = inodeOf(path);
        write();
        EXPECT_NE(inodeOf(path), before) << name;
    }
    qv::SettingsFileStore reread(path);
    EXPECT_EQ(reread.text("c.int"), "6 ");
    EXPECT_EQ(reread.data("c.text"), QByteArray("same"));
    EXPECT_FALSE(reread.contains("c.bool"));
}

// Reading a 50 MB file took 39 s and half a gigabyte at start. One beyond any size settings
// reach is kept aside unread, said so, and the settings start afresh, through a dotfile
// manager's symlink too.
TEST(SettingsFileStore, AFileFarTooLargeIsSetAsideUnreadAndSaid) {
    qv::test::TemporaryHome home;
    const QString target = home.filePath("dotfiles/huge.conf");
    ASSERT_TRUE(QDir().mkpath(home.filePath("dotfiles")));
    QByteArray content = "[General]\nh.int=7\n";
    content.append(QByteArray(2 * 1024 * 1024, ';'));
    for (const bool throughLink : {false, true}) {
        SCOPED_TRACE(throughLink ? "through a symlink" : "plain");
        const QString path = home.filePath(throughLink ? "linked.conf" : "plain.conf");
        const QString file = throughLink ? target : path;
        QFile huge(file);
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        huge.write(content);
        huge.close();
        if (throughLink) {
            ASSERT_TRUE(QFile::link(target, path));
        }

        qv::SettingsFileStore store(path);
        EXPECT_FALSE(store.integer("h.int"));
        EXPECT_TRUE(store.setAsideNotice().contains(file + ".too-large"))
            << store.setAsideNotice().toStdString();
        QFile aside(file + ".too-large");
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
        EXPECT_EQ(aside.size(), content.size());

        store.setInteger("h.int", 8);
        EXPECT_EQ(qv::SettingsFileStore(path).integer("h.int"), 8);
        EXPECT_TRUE(qv::SettingsFileStore(path).setAsideNotice().isEmpty());
        EXPECT_EQ(QFileInfo(path).isSymLink(), throughLink);
        EXPECT_LT(QFileInfo(file).size(), 1000);
    }
}

TEST(SettingsFileStore, AFileOfOrdinarySizeIsRead) {
    qv::test::TemporaryHome home;
    const QString path = home.filePath("long.conf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nl.int=9\n" + QByteArray(512 * 1024, ';'));
    file.close();
    qv::SettingsFileStore store(path);
    EXPECT_EQ(store.integer("l.int"), 9);
    EXPECT_TRUE(store.setAsideNotice().isEmpty());
}
