// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayTestSupport.h"
#include "ui/tray/TrayPopover.h"

#include <QApplication>
#include <QMap>
#include <QMenu>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTest>
#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;

namespace {

QString xdotool(const QStringList& arguments) {
    QProcess process;
    process.start("xdotool", arguments);
    // The tray answers the click on this thread: keep its event loop running meanwhile.
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 5000) ||
        process.exitCode() != 0) {
        return QStringLiteral("failed");
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Where the tray host shows its only icon, on the screen: Qt knows it only inside the tray.
QRect trayArea() {
    const QString window = xdotool({"search", "--classname", "panel"})
                               .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                               .value(0);
    const QString shell = xdotool({"getwindowgeometry", "--shell", window});
    QMap<QString, int> values;
    for (const QString& line : shell.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        values.insert(line.section(QLatin1Char('='), 0, 0),
                      line.section(QLatin1Char('='), 1).toInt());
    }
    return {values.value("X"), values.value("Y"), values.value("WIDTH"), values.value("HEIGHT")};
}

// A system tray host on the private X server, with no StatusNotifierItem watcher on the bus.
class XEmbedTrayTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("trayer").isEmpty()) {
            GTEST_SKIP() << "trayer is not installed";
        }
        host.start("trayer", {"--edge", "top", "--align", "right", "--height", "24", "--widthtype",
                              "request", "--transparent", "false"});
        ASSERT_TRUE(host.waitForStarted());
        ASSERT_TRUE(
            QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 10000));
    }
    void TearDown() override {
        host.kill();
        host.waitForFinished();
    }

    QProcess host;
};

TEST_F(XEmbedTrayTest, IconEmbedsAndClicksOpenThePopoverAndTheMenu) {
    TrayUnderTest subject("working");
    ASSERT_EQ(subject.tray.show(), TrayController::Kind::xembed);
    QSystemTrayIcon& icon = *subject.tray.systemTrayIcon();
    ASSERT_TRUE(QTest::qWaitFor([&] { return icon.geometry().width() > 0; }, 10000));
    const QRect geometry = icon.geometry();
    EXPECT_TRUE(icon.toolTip().endsWith("12:30"));

    const QRect area = trayArea();
    ASSERT_GT(area.width(), 0);
    const QPoint centre(area.right() - geometry.width() / 2, area.center().y());
    QSignalSpy opened(&subject.tray.popover(), &TrayPopover::openedChanged);
    ASSERT_NE(xdotool({"mousemove", QString::number(centre.x()), QString::number(centre.y()),
                       "click", "1"}),
              "failed");
    TrayPopover& popover = subject.tray.popover();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return popover.isOpen() && popover.window()->isExposed(); }, 5000))
        << "opened/closed: " << opened.size() << " at " << centre.x() << "," << centre.y();
    // Below the icon on a top panel, and on the screen.
    EXPECT_GT(popover.window()->y(), centre.y());
    EXPECT_LE(popover.window()->geometry().right(), 1919);

    ASSERT_NE(xdotool({"click", "3"}), "failed");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QApplication::activePopupWidget() == &subject.tray.contextMenu(); }, 5000));
    EXPECT_FALSE(popover.isOpen()) << "the popover gave way to the menu";
    subject.tray.contextMenu().close();
}

} // namespace
