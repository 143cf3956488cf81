#include "app/Application.h"

#include "support/TestWatcher.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace qv;

// Started at login, the application often comes up before the panel that shows tray icons; the
// icon must appear once the panel does, not only when it was there first.
TEST(Application, ShowsItsTrayIconWhenThePanelComesUpAfterIt) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvantel"),
              QStringLiteral("Quorvantel"))
        .setValue(QStringLiteral("settings.hasCompletedOnboarding"), QStringLiteral("true"));

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
