// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsWindowParts.h"
#include "core/scheduling/BreakScheduler.h"

#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <gtest/gtest.h>

using qv::SettingsWindow;

namespace {

QStringList qmlWarnings;

// Any warning from the views is a fault: a broken binding shows stale or empty values.
void recordWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg) {
        qmlWarnings << message;
    }
}

// What a fresh process finds in the settings file: the bytes on disk, not this process's cache.
QMap<QString, QString> iniValues(const QString& path) {
    QMap<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return values;
    }
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0) {
            values.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
        }
    }
    return values;
}

class SettingsWindowTest : public ::testing::Test, protected qv::test::SettingsWindowParts {
protected:
    SettingsWindowTest() {
        time.setWallClock(QDateTime(QDate(2026, 3, 4), QTime(10, 0), calendar().zone()));
        cameras.setDevices({{"usb-desk", "Desk Camera", false}});
        qmlWarnings.clear();
        previousHandler = qInstallMessageHandler(recordWarnings);
    }
    ~SettingsWindowTest() override { qInstallMessageHandler(previousHandler); }

    void TearDown() override { EXPECT_EQ(qmlWarnings, QStringList()); }

    QQuickWindow* openWindow() {
        window.openOrRaise();
        QQuickWindow* shown = window.window();
        EXPECT_TRUE(shown);
        EXPECT_TRUE(shown && QTest::qWaitForWindowActive(shown));
        return shown;
    }
    QQuickItem* item(const char* name) const {
        auto* found = window.window()->findChild<QQuickItem*>(name);
        EXPECT_TRUE(found) << name;
        return found;
    }
    QQuickItem* control(const char* name) const {
        return qobject_cast<QQuickItem*>(item(name)->property("control").value<QObject*>());
    }
    void click(QQuickItem* target) const {
        const QPointF centre =
            target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
        QTest::mouseClick(window.window(), Qt::LeftButton, {}, centre.toPoint());
    }
    void press(Qt::Key key, int times = 1) const {
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(window.window(), key);
        }
    }
    void showPane(qv::SettingsViewModel::Pane pane) const {
        window.viewModel()->setPane(static_cast<int>(pane));
        QCoreApplication::processEvents();
    }

    QtMessageHandler previousHandler = nullptr;
    qv::BreakScheduler scheduler{settings, defaults, time, calendar};
    SettingsWindow window{services(qv::CameraAuthorization::authorized)};
};

// The application model passes interval changes to the scheduler; the test stands in for it.
TEST_F(SettingsWindowTest, EveryKindOfControlIsSavedToTheFileAtOnceAndMovesTheRunningCycle) {
    using Pane = qv::SettingsViewModel::Pane;
    QObject::connect(&settings, &qv::SettingsStore::workIntervalMinutesChanged, &scheduler,
                     [&] { scheduler.workIntervalChanged(settings.workIntervalMinutes()); });
    scheduler.start();
    time.advance(600);
    const auto dueAt = [&] {
        const auto* working = std::get_if<qv::scheduleState::Working>(&scheduler.state());
        return working ? working->dueAt : QDateTime();
    };
    const QDateTime dueBefore = dueAt();
    const int intervalBefore = settings.workIntervalMinutes();
    ASSERT_TRUE(dueBefore.isValid());
    QQuickWindow* shown = openWindow();
    ASSERT_TRUE(shown);

    // The side list has the keyboard first; the arrow keys choose the pane, Tab enters it.
    press(Qt::Key_Down);
    EXPECT_EQ(window.viewModel()->pane(), int(Pane::breaks));
    press(Qt::Key_Tab);
    EXPECT_EQ(shown->activeFocusItem(), item("workIntervalStepper"));

    // Steppers stop at their bounds and step by their own step.
    press(Qt::Key_Up, 45);
    EXPECT_EQ(settings.workIntervalMinutes(), 90);
    EXPECT_EQ(dueAt(), dueBefore.addSecs((90 - intervalBefore) * 60));
    item("timedBreakStepper")->forceActiveFocus();
    press(Qt::Key_Up);
    EXPECT_EQ(settings.honorDurationSeconds(), 35);
    item("escapeLimitStepper")->forceActiveFocus();
    press(Qt::Key_Down, 4);
    EXPECT_EQ(settings.emergencyEscapeLimit(), 1);

    click(control("smartPauseToggle"));
    EXPECT_FALSE(settings.smartPauseEnabled());
    click(control("weekdaysOnlyToggle"));
    EXPECT_TRUE(settings.activeHoursWeekdaysOnly());

    item("activeHoursEnd")->forceActiveFocus();
    press(Qt::Key_Up, 2);
    EXPECT_EQ(settings.activeHoursEndMinute(), 1230);
    EXPECT_TRUE(item("activeHoursExplanation")->property("text").toString().contains("8:30 PM"));
    item("activeHoursStart")->forceActiveFocus();
    press(Qt::Key_Down, 33);
    EXPECT_EQ(settings.activeHoursStartMinute(), 1425) << "a quarter before midnight, by way of it";

    showPane(Pane::movement);
    auto* exercise = item("exercisePicker");
    exercise->forceActiveFocus();
    press(Qt::Key_Down);
    EXPECT_EQ(settings.exerciseKind(), qv::ExerciseKind::overheadRaise);
    EXPECT_TRUE(item("verificationDescription")
                    ->property("text")
                    .toString()
                    .startsWith("10 overhead raises"));
    item("cameraPicker")->forceActiveFocus();
    press(Qt::Key_Down);
    EXPECT_EQ(settings.selectedCameraID(), "usb-desk");
    click(control("soundToggle"));
    EXPECT_FALSE(settings.soundEnabled());

    showPane(Pane::general);
    click(control("launchAtLoginToggle"));
    EXPECT_TRUE(launchAtLogin.isOn());
    EXPECT_TRUE(QFile::exists(loginItem.entryPath()));
    control("automaticUpdatesToggle")->forceActiveFocus();
    press(Qt::Key_Space);
    EXPECT_TRUE(updater.automaticallyChecksForUpdates()) << "off until the user asks for it";

    press(Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isOpen(); }));

    const auto saved = iniValues(iniPath);
    EXPECT_EQ(saved.value("settings.workIntervalMinutes"), "90");
    EXPECT_EQ(saved.value("settings.honorDurationSeconds"), "35");
    EXPECT_EQ(saved.value("settings.emergencyEscapeLimit"), "1");
    EXPECT_EQ(saved.value("settings.smartPauseEnabled"), "false");
    EXPECT_EQ(saved.value("settings.activeHoursWeekdaysOnly"), "true");
    EXPECT_EQ(saved.value("settings.activeHoursEndMinute"), "1230");
    EXPECT_EQ(saved.value("settings.activeHoursStartMinute"), "1425");
    EXPECT_EQ(saved.value("settings.exerciseKind"), "overheadRaise");
    EXPECT_EQ(saved.value("settings.selectedCameraID"), "usb-desk");
    EXPECT_EQ(saved.value("settings.soundEnabled"), "false");
    EXPECT_EQ(saved.value("updater.automaticallyChecksForUpdates"), "true");
}

TEST_F(SettingsWindowTest, OpensOnceRaisesOnRequestAndLetsGoOfEverythingWhenClosed) {
    QPointer<QQuickWindow> first = openWindow();
    window.openOrRaise();
    EXPECT_EQ(window.window(), first.data());
    const auto settingsWindows = [] {
        int count = 0;
        for (QWindow* w : QGuiApplication::topLevelWindows()) {
            count += w->title() == "Quorvantel Settings" ? 1 : 0;
        }
        return count;
    };
    EXPECT_EQ(settingsWindows(), 1);

    first->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }));
    EXPECT_FALSE(window.isOpen());
    EXPECT_EQ(settingsWindows(), 0);

    QPointer<QQuickWindow> second = openWindow();
    EXPECT_TRUE(second);
    EXPECT_EQ(window.viewModel()->pane(), 0) << "a new window starts afresh";
    window.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return second.isNull(); }));
}

// Whatever pane is open, a save that failed is in view until one works again.
TEST_F(SettingsWindowTest, AFailedSaveIsShownAboveEveryPaneUntilASaveWorks) {
    saveProblems.failed("/full/stats.json", "/full/stats.json: No space left on device");
    openWindow();
    for (const auto pane :
         {qv::SettingsViewModel::Pane::general, qv::SettingsViewModel::Pane::stats}) {
        showPane(pane);
        EXPECT_TRUE(item("saveProblems")->isVisible());
    }
    EXPECT_TRUE(item("saveProblems")
                    ->property("text")
                    .toString()
                    .contains("/full/stats.json: No space left on device"));
    saveProblems.saved("/full/stats.json");
    EXPECT_FALSE(item("saveProblems")->isVisible());
    window.close();
}

} // namespace
