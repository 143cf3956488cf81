// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/LinuxDesktopAccess.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// Stand-ins for the desktops' settings applications, which are not installed here: each
// writes its name and arguments to a log and ends.
class DesktopSettings : public ::testing::Test {
protected:
    DesktopSettings()
        : savedPath_(qgetenv("PATH")) {
        qputenv("PATH", QFile::encodeName(folder_.path()));
    }
    ~DesktopSettings() override { qputenv("PATH", savedPath_); }

    void install(const QString& program) {
        const QString path = folder_.filePath(program);
        ASSERT_TRUE(qv::test::writeFile(path, "#!/bin/sh\necho \"${0##*/} $*\" >>\"" +
                                                  QFile::encodeName(log()) + "\"\n"));
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    }

    // What was started, once it has written its whole line (the application runs on its own,
    // and the shell creates the log before it writes to it).
    QString started() const {
        QByteArray line;
        for (int tries = 0; tries < 250 && !line.endsWith('\n'); ++tries) {
            QThread::msleep(20);
            QFile file(log());
            line = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }
        return QString::fromUtf8(line).trimmed();
    }

    QString log() const { return folder_.filePath("started.log"); }

private:
    QTemporaryDir folder_;
    QByteArray savedPath_;
};

// The first desktop's application when several are installed; the next desktop's otherwise.
TEST_F(DesktopSettings, OpensTheFirstInstalledApplicationOnThePageAskedFor) {
    install("systemsettings5");
    qv::DesktopSettingsOpener opener;
    opener.openNotificationSettings();
    EXPECT_EQ(started(), "systemsettings5 kcm_notifications");
    QFile::remove(log());
    install("gnome-control-center");
    opener.openNotificationSettings();
    EXPECT_EQ(started(), "gnome-control-center notifications");
}

TEST_F(DesktopSettings, DoesNothingWhereNoneIsInstalled) {
    qv::DesktopSettingsOpener opener;
    opener.openCameraSettings();
    opener.openNotificationSettings();
    QThread::msleep(100);
    EXPECT_FALSE(QFile::exists(log()));
}

} // namespace
