// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayTestSupport.h"
#include "support/TestWatcher.h"
#include "ui/tray/StatusNotifierItem.h"
#include "ui/tray/TrayPopover.h"

#include <QDBusArgument>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;

namespace {

const QString itemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString menuInterface = QStringLiteral("com.canonical.dbusmenu");
const QString itemPath = QStringLiteral("/StatusNotifierItem");
const QString menuPath = QStringLiteral("/MenuBar");

// A host on the private session bus: the test's own watcher, and the tray registered with it.
class StatusNotifierTrayTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerDBusTypes();
        ASSERT_TRUE(watcher.start());
    }

    std::unique_ptr<TrayUnderTest> showTray(const QString& state) {
        auto subject = std::make_unique<TrayUnderTest>(state);
        const int before = int(watcher.items().size());
        EXPECT_EQ(subject->tray.show(), TrayController::Kind::statusNotifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return watcher.items().size() > before; }, 5000));
        EXPECT_EQ(watcher.items().value(before), subject->tray.statusNotifierItem()->serviceName());
        return subject;
    }

    DBusMenuItem layout() {
        const QDBusMessage reply =
            watcher.call(menuPath, menuInterface, "GetLayout", {0, -1, QStringList()});
        DBusMenuItem root;
        if (reply.arguments().size() == 2) {
            reply.arguments().at(1).value<QDBusArgument>() >> root;
        }
        return root;
    }

    QDBusMessage callMenu(const QString& method, const QVariantList& arguments) {
        return watcher.call(menuPath, menuInterface, method, arguments);
    }

    void click(int id) {
        callMenu("Event", {id, "clicked", QVariant::fromValue(QDBusVariant(0)), 0u});
        QCoreApplication::processEvents();
    }

    QVariant itemProperty(const char* name) {
        return watcher.property(itemPath, itemInterface, QString::fromLatin1(name));
    }
    QString toolTipText() {
        DBusToolTip tip;
        itemProperty("ToolTip").value<QDBusArgument>() >> tip;
        return tip.title + QStringLiteral(": ") + tip.description;
    }

    TestWatcher watcher;
};

// Waits until the popover shows; null when it does not.
QQuickWindow* shownPopover(TrayUnderTest& subject) {
    TrayPopover& popover = subject.tray.popover();
    const bool shown =
        QTest::qWaitFor([&] { return popover.isOpen() && popover.window()->isExposed(); }, 5000);
    EXPECT_TRUE(shown) << popover.loadError().toStdString();
    return shown ? popover.window() : nullptr;
}

void clickItem(QQuickWindow& window, QQuickItem* item) {
    ASSERT_TRUE(item);
    ASSERT_TRUE(QTest::qWaitFor([&] { return item->isVisible() && item->width() > 0; }, 2000));
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(&window, Qt::LeftButton, {}, centre.toPoint());
}

TEST_F(StatusNotifierTrayTest, RegistersAndPublishesIconTooltipTitleAndLabel) {
    auto subject = showTray("working");
    EXPECT_EQ(itemProperty("XAyatanaLabel").toString(), "12:30");
    EXPECT_EQ(itemProperty("Menu").value<QDBusObjectPath>().path(), menuPath);
    EXPECT_TRUE(toolTipText().endsWith("12:30"));

    DBusImageList images;
    itemProperty("IconPixmap").value<QDBusArgument>() >> images;
    const auto at22 = std::find_if(images.begin(), images.end(),
                                   [](const DBusImage& i) { return i.width == 22; });
    ASSERT_NE(at22, images.end());
    const QImage icon = fromDBusImage(*at22);
    ASSERT_EQ(icon.size(), QSize(22, 22));
    int white = 0;
    for (int y = 0; y < 22; ++y) {
        for (int x = 0; x < 22; ++x) {
            white += QColor(icon.pixel(x, y)).lightness() > 230 && qAlpha(icon.pixel(x, y)) == 255;
        }
    }
    EXPECT_GT(white, 12) << "the minutes are drawn";

    // The label is live; the host reads the tooltip when it shows it.
    subject->scenario.time.advance(1);
    EXPECT_EQ(itemProperty("XAyatanaLabel").toString(), "12:29");
    EXPECT_TRUE(toolTipText().endsWith("12:29"));
}

TEST_F(StatusNotifierTrayTest, ActivateOpensThePopoverWhoseButtonStartsTheBreak) {
    auto subject = showTray("working");
    watcher.call(itemPath, itemInterface, "Activate", {300, 12});
    ASSERT_TRUE(shownPopover(*subject));
    TrayPopover& popover = subject->tray.popover();
    QQuickWindow& window = *popover.window();
    EXPECT_TRUE(window.geometry().contains(QPoint(300, window.y() + 1)));
    EXPECT_GE(window.y(), 12);
    subject->scenario.time.advance(1);
    EXPECT_EQ(findItem(window, "countdown")->property("text").toString(), "12:29");

    clickItem(window, findItem(window, "startBreak"));
    EXPECT_TRUE(subject->scenario.scheduler.schedule().is<scheduleState::BreakDue>());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !popover.isOpen(); }, 2000));
}

TEST_F(StatusNotifierTrayTest, ExportedMenuMatchesTheWidgetMenuInEveryState) {
    for (const char* state : {"working", "snooze", "last-snooze", "paused", "break-due", "break"}) {
        SCOPED_TRACE(state);
        auto subject = showTray(QString::fromLatin1(state));
        QMenu& menu = subject->tray.contextMenu();
        Q_EMIT menu.aboutToShow();
        const QStringList expected = outline(menu);
        EXPECT_EQ(outline(layout()), expected);
        EXPECT_GE(expected.size(), 9);
        EXPECT_EQ(expected.value(0), "[" + subject->scenario.scheduler.statusText() + "] *");
    }
}

TEST_F(StatusNotifierTrayTest, ClickedEventsReachTheCycleOnlyWhileTheItemIsEnabled) {
    auto subject = showTray("snooze");
    const BreakSchedule& schedule = subject->scenario.scheduler.schedule();
    click(idOfLabel(layout(), "Snooze 5 minutes (2 left)"));
    EXPECT_EQ(schedule.snoozeCount, 1);

    click(idOfLabel(layout(), "For 1 hour"));
    ASSERT_TRUE(schedule.is<scheduleState::Paused>());
    click(idOfLabel(layout(), "Resume breaks"));
    EXPECT_TRUE(schedule.is<scheduleState::Working>());

    // A menu drawn before the break began: its items no longer act.
    const DBusMenuItem before = layout();
    subject->scenario.scheduler.startBreakNow();
    subject->scenario.scheduler.breakStarted();
    click(idOfLabel(before, "For 1 hour"));
    click(idOfLabel(before, "Start break now"));
    EXPECT_TRUE(schedule.is<scheduleState::BreakActive>());

    int settingsOpened = 0;
    subject->scenario.actions.onOpenSettings = [&] { ++settingsOpened; };
    click(idOfLabel(before, "Settings…"));
    EXPECT_EQ(settingsOpened, 1);
}

// A host may ask about an item that is gone; it gets an error, never a hang or a crash.
TEST_F(StatusNotifierTrayTest, MenuAnswersEveryCallAndRefusesUnknownItemsAndProperties) {
    auto subject = showTray("working");
    const int settingsId = idOfLabel(layout(), "Settings…");
    ASSERT_GT(settingsId, 0);
    const auto refused = [&](const char* method, const QVariantList& arguments) {
        const QDBusMessage reply = callMenu(QString::fromLatin1(method), arguments);
        return reply.type() == QDBusMessage::ErrorMessage &&
               reply.errorName() == QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
    };
    const QDBusMessage label = callMenu("GetProperty", {settingsId, "label"});
    ASSERT_EQ(label.type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(label.arguments().value(0).value<QDBusVariant>().variant().toString(), "Settings…");

    EXPECT_TRUE(refused("GetProperty", {4242, "label"}));
    EXPECT_TRUE(refused("GetProperty", {settingsId, "no-such-thing"}));
    EXPECT_TRUE(refused("GetLayout", {4242, -1, QStringList()}));
    EXPECT_TRUE(refused("Event", {4242, "clicked", QVariant::fromValue(QDBusVariant(0)), 0u}));
    EXPECT_TRUE(refused("AboutToShow", {4242}));
    EXPECT_EQ(callMenu("AboutToShow", {0}).type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(
        refused("GetGroupProperties", {QVariant::fromValue(QList<int>{4242}), QStringList()}));

    // In a group, a stale id costs only its own answer.
    const QDBusMessage group = callMenu(
        "GetGroupProperties", {QVariant::fromValue(QList<int>{4242, settingsId}), QStringList()});
    ASSERT_EQ(group.type(), QDBusMessage::ReplyMessage);
    QList<DBusMenuItemProperties> properties;
    group.arguments().value(0).value<QDBusArgument>() >> properties;
    ASSERT_EQ(properties.size(), 1);
    EXPECT_EQ(properties[0].id, settingsId);

    const QDBusMessage shown =
        callMenu("AboutToShowGroup", {QVariant::fromValue(QList<int>{0, 4242})});
    ASSERT_EQ(shown.type(), QDBusMessage::ReplyMessage);
    QList<int> idErrors;
    shown.arguments().value(1).value<QDBusArgument>() >> idErrors;
    EXPECT_EQ(idErrors, QList<int>{4242});
}

} // namespace
