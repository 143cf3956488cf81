// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/SessionBusInstance.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <future>
#include <gtest/gtest.h>

namespace qv {
namespace {

// Runs on the private session bus of the test's own desktop session. Callers use a second
// connection, as another process would.
class SessionBusInstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "no private session bus";
        client_ = QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                QStringLiteral("second-launch"));
        ASSERT_TRUE(client_.isConnected());
    }
    void TearDown() override {
        QDBusConnection::disconnectFromBus(QStringLiteral("second-launch"));
    }

    // The caller blocks like a second launch would, on a thread of its own, while this
    // thread's event loop lets the instance answer.
    Result<QString> call(const QString& method, const QVariantList& arguments = {}) {
        auto reply = std::async(std::launch::async, [&] {
            return SessionBusInstance::call(method, arguments, client_);
        });
        while (reply.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
            QCoreApplication::processEvents();
        }
        return reply.get();
    }

    QDBusConnection client_{QString()};
};

TEST_F(SessionBusInstanceTest, TheFirstLaunchOwnsTheNameAndAnswersTheOthers) {
    EXPECT_EQ(call(QStringLiteral("Status")).error(), QStringLiteral("Quorvantel is not running."));

    QStringList heard;
    double pausedFor = 0;
    InstanceCommands commands;
    commands.startBreakNow = [&] { heard << QStringLiteral("start"); };
    commands.snooze = [&] { heard << QStringLiteral("snooze"); };
    commands.pauseFor = [&](double seconds) { pausedFor = seconds; };
    commands.pauseUntilTomorrow = [&] { heard << QStringLiteral("tomorrow"); };
    commands.resume = [&] { heard << QStringLiteral("resume"); };
    commands.openSettings = [&] { heard << QStringLiteral("settings"); };
    commands.status = [] { return QStringLiteral("Next break in 12 min"); };
    SessionBusInstance first(commands);
    ASSERT_EQ(first.claim(), SessionBusInstance::Claim::owned);

    SessionBusInstance second(InstanceCommands{});
    EXPECT_EQ(second.claim(), SessionBusInstance::Claim::alreadyRunning);

    for (const char* method :
         {"StartBreakNow", "Snooze", "PauseUntilTomorrow", "Resume", "OpenSettings"}) {
        const auto reply = call(QString::fromLatin1(method));
        EXPECT_TRUE(reply) << method << ": " << reply.error().toStdString();
    }
    EXPECT_EQ(heard, (QStringList{QStringLiteral("start"), QStringLiteral("snooze"),
                                  QStringLiteral("tomorrow"), QStringLiteral("resume"),
                                  QStringLiteral("settings")}));
    EXPECT_EQ(call(QStringLiteral("Status")).value(), QStringLiteral("Next break in 12 min"));

    EXPECT_TRUE(call(QStringLiteral("Pause"), {3600.0}));
    EXPECT_DOUBLE_EQ(pausedFor, 3600);
    // A pause a restarted schedule would take for damage is refused with the rule.
    const auto tooLong = call(QStringLiteral("Pause"), {30.0 * 86400});
    EXPECT_EQ(tooLong.error(), QStringLiteral("A pause lasts from one minute to 24 hours."));
    EXPECT_DOUBLE_EQ(pausedFor, 3600);
}

TEST_F(SessionBusInstanceTest, TheNameIsFreeAgainWhenTheOwnerGoes) {
    {
        SessionBusInstance first(InstanceCommands{});
        ASSERT_EQ(first.claim(), SessionBusInstance::Claim::owned);
    }
    SessionBusInstance next(InstanceCommands{});
    EXPECT_EQ(next.claim(), SessionBusInstance::Claim::owned);
}

} // namespace
} // namespace qv
