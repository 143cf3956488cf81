// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"

#include "app/IdleMemoryRelease.h"
#include "support/TestSupport.h"
#include "support/TestWatcher.h"
#include "ui/tray/TrayPopover.h"

#include <QDir>
#include <QFile>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

using namespace qv;

namespace {

// A returning user's settings, in folders of the test's own.
class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvantel"),
                  QStringLiteral("Quorvantel"))
            .setValue(QStringLiteral("settings.hasCompletedOnboarding"), QStringLiteral("true"));
    }
    test::TemporaryHome home;
};

// The names of this process's threads, sorted, one per thread.
QStringList threadNames() {
    QStringList names;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly)) {
            names << QString::fromUtf8(comm.readAll().trimmed());
        }
    }
    names.sort();
    return names;
}

// Whether every name in `names` is one of `allowed`, each used at most once.
bool isWithin(QStringList names, QStringList allowed) {
    for (const QString& name : names) {
        if (!allowed.removeOne(name)) {
            return false;
        }
    }
    return true;
}

// The files this process has mapped whose paths match `pattern`, each once.
QStringList mappedFiles(const QString& pattern) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QRegularExpression file(QStringLiteral("\\S*(") + pattern + QStringLiteral(")\\S*$"),
                                  QRegularExpression::CaseInsensitiveOption);
    QStringList files;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const auto match = file.match(QString::fromUtf8(line.trimmed()));
        if (match.hasMatch() && !files.contains(match.captured())) {
            files << match.captured();
        }
    }
    return files;
}

QStringList mappedFontFiles() {
    return mappedFiles(QStringLiteral("\\.(ttf|otf|ttc|pfb)$"));
}

bool settingsShown(SettingsWindow& settings) {
    return QTest::qWaitFor([&] { return settings.window() && settings.window()->isExposed(); },
                           5000);
}

} // namespace

// Started at login, the application often comes up before the panel that shows tray icons; the
// icon must appear once the panel does, not only when it was there first.
TEST_F(ApplicationTest, ShowsItsTrayIconWhenThePanelComesUpAfterIt) {
    Application application({});
    application.start();
    ASSERT_EQ(application.tray().kind(), TrayController::Kind::none)
        << "the private desktop already had a tray host";
    EXPECT_TRUE(application.model().isStarted());

    test::TestWatcher watcher;
    ASSERT_TRUE(watcher.start());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return application.tray().kind() == TrayController::Kind::statusNotifier; },
        int(Application::trayRetrySeconds * 3000)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !watcher.items().isEmpty(); }, 5000));
    application.stop();
}

// Waiting in the tray all day, the application must not keep what a window it showed once
// needed: no thread of the windows' engines, no font their text loaded.
TEST_F(ApplicationTest, GivesBackWhatItsClosedWindowsNeeded) {
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software); // as main() does
    Application application({});
    application.start();
    const int settleMs = int(IdleMemoryRelease::settleSeconds * 1000);
    // The settings list the cameras, which starts the media stack and its sound server
    // connection for good, as a first sound or break would; so the measure is taken after a
    // first look at them.
    SettingsWindow& settings = application.settingsWindow();
    application.instanceCommands().openSettings();
    ASSERT_TRUE(settingsShown(settings));
    settings.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !settings.isOpen(); }, 5000));
    QTest::qWait(settleMs + 500);
    const QStringList threadsBefore = threadNames();
    const QStringList fontsBefore = mappedFontFiles();

    TrayPopover& popover = application.tray().popover();
    application.tray().openPopover({400, 10});
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return popover.isOpen() && popover.window()->isExposed(); }, 5000));
    // Taking the focus, the settings window may well close the popover, as any window would.
    application.instanceCommands().openSettings();
    ASSERT_TRUE(settingsShown(settings));
    ASSERT_FALSE(isWithin(mappedFontFiles(), fontsBefore)) << "the windows' text loaded fonts";

    popover.close();
    settings.close();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return isWithin(threadNames(), threadsBefore); }, settleMs + 3000))
        << "threads before: " << threadsBefore.join(u' ').toStdString()
        << "; after: " << threadNames().join(u' ').toStdString();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return isWithin(mappedFontFiles(), fontsBefore); }, settleMs + 3000))
        << "still mapped: " << mappedFontFiles().join(u' ').toStdString();
    application.stop();
}
