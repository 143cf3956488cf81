// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/SettingsFileStore.h"

#include "support/FileBytes.h"
#include "support/TestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using qv::SettingsFileStore;
using qv::test::readFile;
using qv::test::writeFile;

namespace {

// Each sync writes a new file and renames it over the old one, so the inode tells whether the
// file was written since.
ino_t inodeOf(const QString& path) {
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

TEST(SettingsFileStore, TwoStoresOnOneFileSeeEachOthersWritesAtOnce) {
    qv::test::TemporaryHome home;
    SettingsFileStore writer(home.filePath("shared.conf"));
    SettingsFileStore reader(home.filePath("shared.conf"));
    EXPECT_FALSE(reader.integer("s.int"));
    writer.setInteger("s.int", 3);
    EXPECT_EQ(reader.integer("s.int"), 3);
    writer.remove("s.int");
    EXPECT_FALSE(reader.integer("s.int"));
}

TEST(SettingsFileStore, WritesTheFileOnlyWhenAValueChanges) {
    qv::test::TemporaryHome home;
    const QString path = home.filePath("unchanged.conf");
    SettingsFileStore store(path);
    store.setInteger("c.int", 5);
    store.setBoolean("c.bool", true);
    store.setText("c.text", "same");

    const std::vector<std::tuple<const char*, bool, std::function<void()>>> writes = {
        {"same integer", false, [&] { store.setInteger("c.int", 5); }},
        {"same text", false, [&] { store.setText("c.text", "same"); }},
        {"absent key removed", false, [&] { store.remove("c.absent"); }},
        {"other integer", true, [&] { store.setInteger("c.int", 6); }},
        {"integer as text", true, [&] { store.setText("c.int", "6 "); }},
        {"text as data", true, [&] { store.setData("c.text", "same"); }},
        {"key removed", true, [&] { store.remove("c.bool"); }},
    };
    for (const auto& [name, changes, write] : writes) {
        const ino_t before = inodeOf(path);
        write();
        EXPECT_EQ(inodeOf(path) != before, changes) << name;
    }
    SettingsFileStore reread(path);
    EXPECT_EQ(reread.text("c.int"), "6 ");
    EXPECT_EQ(reread.data("c.text"), QByteArray("same"));
    EXPECT_FALSE(reread.contains("c.bool"));
}

// Reading a 50 MB file took 39 s and half a gigabyte at start. One beyond any size settings
// reach is kept aside unread, said so, and the settings start afresh, through a dotfile
// manager's symlink too; a long file of ordinary size is still read.
TEST(SettingsFileStore, AFileFarTooLargeIsSetAsideUnreadAndSaid) {
    qv::test::TemporaryHome home;
    const QString target = home.filePath("dotfiles/huge.conf");
    const QByteArray content = "[General]\nh.int=7\n" + QByteArray(2 * 1024 * 1024, ';');
    for (const bool throughLink : {false, true}) {
        SCOPED_TRACE(throughLink ? "through a symlink" : "plain");
        const QString path = home.filePath(throughLink ? "linked.conf" : "plain.conf");
        const QString file = throughLink ? target : path;
        ASSERT_TRUE(writeFile(file, content));
        if (throughLink) {
            ASSERT_TRUE(QFile::link(target, path));
        }

        SettingsFileStore store(path);
        EXPECT_FALSE(store.integer("h.int"));
        EXPECT_TRUE(store.setAsideNotice().contains(file + ".too-large"))
            << store.setAsideNotice().toStdString();
        EXPECT_EQ(readFile(file + ".too-large"), content);

        store.setInteger("h.int", 8);
        EXPECT_EQ(SettingsFileStore(path).integer("h.int"), 8);
        EXPECT_TRUE(SettingsFileStore(path).setAsideNotice().isEmpty());
        EXPECT_EQ(QFileInfo(path).isSymLink(), throughLink);
    }

    const QString ordinary = home.filePath("long.conf");
    ASSERT_TRUE(writeFile(ordinary, "[General]\nl.int=9\n" + QByteArray(512 * 1024, ';')));
    SettingsFileStore store(ordinary);
    EXPECT_EQ(store.integer("l.int"), 9);
    EXPECT_TRUE(store.setAsideNotice().isEmpty());
}
