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
        client_ = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "second-launch");
        ASSERT_TRUE(client_.isConnected());
    }
    void TearDown() override { QDBusConnection::disconnectFromBus("second-launch"); }

    // The caller blocks like a second launch would, on a thread of its own, while this
    // thread's event loop lets the instance answer.
    template <typename Call> static auto blocking(Call call) {
        auto reply = std::async(std::launch::async, call);
        while (reply.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
            QCoreApplication::processEvents();
        }
        return reply.get();
    }
    InstanceReply call(const QString& method, const QVariantList& arguments = {}) {
        return blocking([&] { return SessionBusInstance::call(method, arguments, client_); });
    }

    QDBusConnection client_{QString()};
};

TEST_F(SessionBusInstanceTest, TheFirstLaunchOwnsTheNameAnswersTheOthersAndFreesItOnLeaving) {
    EXPECT_EQ(call("Status").kind, InstanceReply::Kind::notRunning);

    QStringList heard;
    double pausedFor = 0;
    const auto acting = [&](const char* name) {
        return [&heard, name] {
            heard << QString::fromLatin1(name);
            return RequestOutcome();
        };
    };
    InstanceCommands commands;
    commands.startBreakNow = acting("start");
    commands.snooze = acting("snooze");
    commands.pauseFor = [&](double seconds) {
        pausedFor = seconds;
        return RequestOutcome();
    };
    commands.pauseUntilTomorrow = acting("tomorrow");
    commands.resume = acting("resume");
    commands.openSettings = [&] { heard << "settings"; };
    commands.status = [] { return QStringLiteral("Next break in 12 min"); };
    auto first = std::make_unique<SessionBusInstance>(commands);
    ASSERT_EQ(first->claim(), SessionBusInstance::Claim::owned);

    SessionBusInstance second(InstanceCommands{});
    EXPECT_EQ(second.claim(), SessionBusInstance::Claim::alreadyRunning);

    for (const char* method :
         {"StartBreakNow", "Snooze", "PauseUntilTomorrow", "Resume", "OpenSettings"}) {
        const auto reply = call(QString::fromLatin1(method));
        EXPECT_EQ(reply.kind, InstanceReply::Kind::done)
            << method << ": " << reply.text.toStdString();
    }
    EXPECT_EQ(heard, (QStringList{"start", "snooze", "tomorrow", "resume", "settings"}));
    EXPECT_EQ(call("Status").text, "Next break in 12 min");

    EXPECT_EQ(call("Pause", {3600.0}).kind, InstanceReply::Kind::done);
    EXPECT_DOUBLE_EQ(pausedFor, 3600);
    // A pause a restarted schedule would take for damage is refused with the rule.
    const auto tooLong = call("Pause", {30.0 * 86400});
    EXPECT_EQ(tooLong.kind, InstanceReply::Kind::failed);
    EXPECT_FALSE(tooLong.text.isEmpty());
    EXPECT_DOUBLE_EQ(pausedFor, 3600);

    // The name is free again when the owner goes.
    first.reset();
    SessionBusInstance next(InstanceCommands{});
    EXPECT_EQ(next.claim(), SessionBusInstance::Claim::owned);
}

} // namespace
} // namespace qv
