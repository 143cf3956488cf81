// SPDX-License-Identifier: GPL-3.0-or-later
#include "NotificationServerDouble.h"
#include "PrivateBus.h"
#include "core/notifications/HeadsUpNotifier.h"
#include "core/services/AppIdentity.h"
#include "platform/linux/FreedesktopNotificationService.h"
#include "support/FileBytes.h"

#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <gtest/gtest.h>

using namespace qv;
using qv::test::NotificationServerDouble;
using qv::test::PrivateBus;
using qv::test::writeFile;

namespace {

const QDateTime dueAt = QDateTime(QDate(2026, 6, 10), QTime(12, 5), Qt::UTC); // 14:05 in Berlin

Calendar berlinGerman() {
    return {QTimeZone("Europe/Berlin"), QLocale(QLocale::German)};
}

// The heads-up as the application posts it, over its own connection to the bus.
struct Client {
    explicit Client(const QString& address)
        : bus(QDBusConnection::connectToBus(address, "client"))
        , service(bus)
        , notifier(service, berlinGerman) {
        notifier.onStartNow = [this] { ++startNow; };
        notifier.onSnooze = [this] { ++snooze; };
    }
    ~Client() { QDBusConnection::disconnectFromBus("client"); }

    QDBusConnection bus;
    FreedesktopNotificationService service;
    HeadsUpNotifier notifier;
    int startNow = 0;
    int snooze = 0;
};

// Each test on a bus of its own, so no notification server but the test's is on it.
class FreedesktopNotifications : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(bus.isRunning()); }
    PrivateBus bus;
};

TEST_F(FreedesktopNotifications, NotifyCarriesTheHeadsUpReplacesItAndWithdrawsIt) {
    NotificationServerDouble server(bus.address(), {"actions", "body"});
    ASSERT_TRUE(server.isRegistered());
    Client client(bus.address());

    client.notifier.scheduleHeadsUp(dueAt, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.notified.size() == 1; }));
    const auto& first = server.notified[0];
    EXPECT_EQ(first.replacesId, 0u);
    EXPECT_TRUE(first.body.contains("14:05")) << first.body.toStdString();
    EXPECT_EQ(first.actions, (QStringList{"quorvantel.break.start-now", "Start now",
                                          "quorvantel.break.snooze-five-minutes", "+5 min"}));
    EXPECT_EQ(first.hints.value("desktop-entry").toString(), appIdentity::applicationId);
    EXPECT_EQ(first.expireTimeout, -1);
    EXPECT_EQ(client.service.availability(), NotificationAvailability::on);
    EXPECT_FALSE(client.notifier.isUnavailable());

    client.notifier.scheduleHeadsUp(dueAt.addSecs(300), false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.notified.size() == 2; }));
    EXPECT_EQ(server.notified[1].replacesId, 1u);
    EXPECT_EQ(server.notified[1].actions, (QStringList{"quorvantel.break.start-now", "Start now"}));

    server.invokeAction(1, "default");                    // the notification itself was clicked
    server.invokeAction(7, "quorvantel.break.start-now"); // someone else's notification
    server.invokeAction(1, "quorvantel.break.snooze-five-minutes");
    server.invokeAction(1, "quorvantel.break.start-now");
    ASSERT_TRUE(QTest::qWaitFor([&] { return client.startNow == 1; }));
    EXPECT_EQ(client.snooze, 1);

    client.notifier.withdrawHeadsUp();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.closed.empty(); }));
    EXPECT_EQ(server.closed, std::vector<uint>{1});
}

TEST_F(FreedesktopNotifications, AWithdrawalBeforeTheServerAnswersStillRemovesIt) {
    NotificationServerDouble server(bus.address(), {"actions"});
    Client client(bus.address());
    client.notifier.scheduleHeadsUp(dueAt, true);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return client.service.availability() == NotificationAvailability::on; }));
    client.notifier.scheduleHeadsUp(dueAt, true);
    client.notifier.withdrawHeadsUp(); // the Notify call is still on its way
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.closed.empty(); }));
    EXPECT_EQ(server.closed.back(), server.notified.empty() ? 0u : 1u);
    EXPECT_EQ(client.service.shownId(), 0u);
}

TEST_F(FreedesktopNotifications, NoServerPostsNothingAndALaterOneWithoutActionsGetsNoButtons) {
    Client client(bus.address());
    bool announced = false;
    QObject::connect(&client.notifier, &HeadsUpNotifier::availabilityChanged,
                     [&] { announced = true; });
    client.notifier.scheduleHeadsUp(dueAt, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return client.notifier.isUnavailable(); }));
    EXPECT_TRUE(announced);
    EXPECT_EQ(client.service.shownId(), 0u);

    // A server that starts later is found on the next heads-up; it shows no actions, so the
    // heads-up has no buttons.
    NotificationServerDouble server(bus.address(), {"body"});
    client.notifier.scheduleHeadsUp(dueAt, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.notified.size() == 1; }));
    EXPECT_FALSE(client.notifier.isUnavailable());
    EXPECT_TRUE(server.notified[0].actions.isEmpty());
}

// dunst, a real notification server, on the private desktop's bus. Its context menu runs a
// "dmenu" of the test's own that picks "Start now".
TEST(FreedesktopNotificationsOnDunst, DunstShowsReplacesAndRunsTheChosenAction) {
    if (QStandardPaths::findExecutable("dunst").isEmpty() ||
        qEnvironmentVariableIsEmpty("DISPLAY")) {
        GTEST_SKIP() << "needs dunst and the private desktop";
    }
    QTemporaryDir folder;
    const QString picker = folder.filePath("pick");
    const QString config = folder.filePath("dunstrc");
    ASSERT_TRUE(writeFile(picker, "#!/bin/sh\ngrep -m1 'Start now'\n"));
    QFile::setPermissions(picker, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(
        writeFile(config, QStringLiteral("[global]\n    dmenu = %1\n").arg(picker).toUtf8()));
    QProcess dunst;
    dunst.start("dunst", {"-config", config});
    QDBusConnection session = QDBusConnection::sessionBus();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return session.interface()
                ->isServiceRegistered("org.freedesktop.Notifications")
                .value();
        },
        10'000));
    auto dunstctl = [](const QStringList& arguments) {
        QProcess control;
        control.start("dunstctl", arguments);
        control.waitForFinished();
        return QString::fromUtf8(control.readAllStandardOutput()).trimmed();
    };
    auto displayed = [&] { return dunstctl({"count", "displayed"}); };

    FreedesktopNotificationService service(session);
    HeadsUpNotifier notifier(service, berlinGerman);
    int startNow = 0;
    notifier.onStartNow = [&] { ++startNow; };
    notifier.scheduleHeadsUp(dueAt, true);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return displayed() == "1" && service.shownId() != 0; }, 10'000));
    const uint id = service.shownId();
    notifier.scheduleHeadsUp(dueAt.addSecs(300), true);
    QTest::qWait(300);
    EXPECT_EQ(displayed(), "1") << "the second heads-up did not replace the first";
    EXPECT_EQ(service.shownId(), id);

    dunstctl({"context"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return startNow == 1; }, 10'000));
    notifier.withdrawHeadsUp();
    EXPECT_TRUE(QTest::qWaitFor([&] { return displayed() == "0"; }, 10'000));
    dunst.terminate();
    dunst.waitForFinished();
}

} // namespace
