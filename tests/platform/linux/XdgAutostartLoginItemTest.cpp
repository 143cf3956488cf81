// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/XdgAutostartLoginItem.h"

#include "core/services/LaunchAtLoginController.h"
#include "platform/linux/DesktopEntry.h"
#include "support/FileBytes.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using qv::LaunchAtLoginController;
using qv::XdgAutostartLoginItem;
using qv::test::readFile;
using qv::test::writeFile;

namespace {

class LaunchAtLogin : public ::testing::Test {
protected:
    LaunchAtLogin() {
        // An installed program whose path needs every kind of quoting an Exec line has.
        EXPECT_TRUE(writeFile(program, "#!/bin/sh\n"));
        QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);
    }

    QString entryText() const { return QString::fromUtf8(readFile(item.entryPath())); }
    void writeEntry(const QString& text) const {
        ASSERT_TRUE(writeFile(item.entryPath(), text.toUtf8()));
    }

    qv::test::TemporaryHome home;
    QString program = home.filePath("opt/My \"Apps\" $HOME 100%/bin/quor`vantel\\x");
    XdgAutostartLoginItem item{XdgAutostartLoginItem::defaultAutostartFolder(), program};
    LaunchAtLoginController controller{item};
};

TEST_F(LaunchAtLogin, RegisterWritesAValidEntryThatRunsTheInstalledProgramAndUnregisterRemovesIt) {
    controller.refresh();
    EXPECT_FALSE(controller.isOn());
    controller.setEnabled(true);
    EXPECT_TRUE(controller.isOn());
    EXPECT_FALSE(controller.requiresApproval());
    EXPECT_FALSE(controller.statusMessage());
    EXPECT_EQ(item.entryPath(), home.filePath("config/autostart/com.tamsorek.Quorvantel.desktop"));

    const auto entry = qv::desktopEntry::parseMainGroup(entryText());
    ASSERT_TRUE(entry);
    EXPECT_EQ(qv::desktopEntry::programOfExec(entry->value("Exec")), program);
    EXPECT_EQ(entry->value("Type"), "Application");
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (!validator.isEmpty()) {
        QProcess validate;
        validate.start(validator, {item.entryPath()});
        ASSERT_TRUE(validate.waitForFinished(10'000));
        EXPECT_EQ(validate.exitCode(), 0) << validate.readAllStandardOutput().toStdString();
        EXPECT_TRUE(validate.readAllStandardOutput().trimmed().isEmpty()) << "not even a hint";
    }

    controller.setEnabled(false);
    EXPECT_FALSE(controller.isOn());
    EXPECT_FALSE(QFile::exists(item.entryPath()));
    controller.setEnabled(false); // nothing left to remove is no error
    EXPECT_FALSE(controller.statusMessage());
}

TEST_F(LaunchAtLogin, EntriesSwitchedOffOrStaleReadAsOffAndRegisteringRepairsThem) {
    const QString exec = qv::desktopEntry::execValueFor(program);
    const QStringList entries{
        "[Desktop Entry]\nType=Application\nName=Quorvantel\nExec=" + exec + "\nHidden=true\n",
        "[Desktop Entry]\nType=Application\nExec=" + exec + "\nX-GNOME-Autostart-enabled=false\n",
        "[Desktop Entry]\nType=Application\nExec=/nowhere/quorvantel\n",
        "[Desktop Entry]\nType=Application\nExec=\"" + program + "\n", // unclosed quote
        "not a desktop entry at all",
    };
    for (const QString& text : entries) {
        writeEntry(text);
        controller.refresh();
        EXPECT_FALSE(controller.isOn()) << text.toStdString();
        controller.setEnabled(true);
        EXPECT_TRUE(controller.isOn()) << text.toStdString();
        EXPECT_FALSE(entryText().contains("Hidden"));
    }
    // A hand-edited entry that still runs the program counts as on.
    writeEntry("[Desktop Entry]\nType=Application\nExec=" + exec + " --quiet\nHidden=false\n");
    controller.refresh();
    EXPECT_TRUE(controller.isOn());
}

// Not installed, or a plain file where the configuration folder should be (even root cannot
// write there): nothing is written, and the reason stays over the refresh.
TEST_F(LaunchAtLogin, RegistrationThatCannotWorkStaysOffAndSaysWhy) {
    ASSERT_TRUE(writeFile(home.filePath("blocked"), ""));
    XdgAutostartLoginItem notInstalled(XdgAutostartLoginItem::defaultAutostartFolder(),
                                       std::nullopt);
    XdgAutostartLoginItem blocked(home.filePath("blocked/autostart"), program);
    for (auto [failing, reason] :
         {std::pair{&notInstalled, "Install Quorvantel"}, std::pair{&blocked, "Not a directory"}}) {
        SCOPED_TRACE(reason);
        LaunchAtLoginController failingController(*failing);
        failingController.setEnabled(true);
        EXPECT_FALSE(failingController.isOn());
        EXPECT_TRUE(failingController.statusMessage().value_or("").contains(reason));
        EXPECT_FALSE(QFile::exists(failing->entryPath()));
    }
}

TEST(InstalledExecutable, OnlyPlacesThatOutliveTheSessionCount) {
    const struct {
        QString applicationFile;
        QString appImage;
        std::optional<QString> installed;
    } places[] = {
        {"/usr/bin/quorvantel", "", "/usr/bin/quorvantel"},
        {"/opt/Quorvantel/bin/../bin/quorvantel", "", "/opt/Quorvantel/bin/quorvantel"},
        {"/tmp/quorvantel/quorvantel", "", std::nullopt},
        {"/tmp/.mount_QuorAbc/usr/bin/quorvantel", "/home/ana/Apps/Quorvantel.AppImage",
         "/home/ana/Apps/Quorvantel.AppImage"},
        {"/tmp/.mount_QuorAbc/usr/bin/quorvantel", "/tmp/Quorvantel.AppImage", std::nullopt},
        {"bin/quorvantel", "", std::nullopt},
        {"/usr/bin/quor\nvantel", "", std::nullopt},
        // This test program, which sits in the build tree.
        {QCoreApplication::applicationFilePath(), "", std::nullopt},
    };
    for (const auto& c : places) {
        EXPECT_EQ(XdgAutostartLoginItem::installedExecutablePath(c.applicationFile, c.appImage),
                  c.installed)
            << c.applicationFile.toStdString() << " " << c.appImage.toStdString();
    }
}

} // namespace
