// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/SettingsFileStore.h"

#include "support/FileBytes.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using qv::SettingsFileStore;
using qv::test::readFile;
using qv::test::writeFile;

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
