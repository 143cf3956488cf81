// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelperPrograms.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace qv {
namespace {

// The layout an installation makes (bin/ and libexec/quorvantel/ under one prefix) against a
// build tree's (everything in one folder).
TEST(HelperPrograms, AreFoundWhereTheInstallationPutsThemElseBesideTheProgram) {
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    const QString name = QStringLiteral("quorvantel-breakscreen");
    EXPECT_EQ(helperProgram(name, bin), QDir(bin).filePath(name));

    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("libexec/quorvantel")));
    const QString installed = prefix.filePath(QStringLiteral("libexec/quorvantel/") + name);
    QFile file(installed);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(helperProgram(name, bin), QDir(bin).filePath(name)) << "not executable: not it";
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(helperProgram(name, bin), installed);
}

} // namespace
} // namespace qv
