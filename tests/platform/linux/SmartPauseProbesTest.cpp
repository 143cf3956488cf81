// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivateBus.h"
#include "platform/linux/IdleTimeProbe.h"
#include "platform/linux/LinuxSmartPauseProbes.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

using namespace qv;

namespace {

// A program of the test's own, ended when the test ends.
struct Helper {
    Helper(const QString& program, const QStringList& arguments) {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program, arguments);
        started = process.waitForStarted();
    }
    ~Helper() { stop(); }
    void stop() {
        process.kill();
        process.waitForFinished();
    }
    QProcess process;
    bool started = false;
};

bool hasPrivateDesktop() {
    return !qEnvironmentVariableIsEmpty("QV_PRIVATE_DESKTOP");
}

TEST(MicrophoneProbe, SeesAnotherProgramRecordingAndIgnoresMonitors) {
    if (!hasPrivateDesktop() || qEnvironmentVariableIsEmpty("PULSE_SERVER")) {
        GTEST_SKIP() << "needs the private desktop's sound server";
    }
    LinuxSmartPauseProbes probes;
    EXPECT_FALSE(probes.isMicrophoneInUse());

    Helper monitor("parecord", {"--device=qv_speakers.monitor", "/dev/null"});
    ASSERT_TRUE(monitor.started);
    QTest::qWait(500);
    EXPECT_FALSE(probes.isMicrophoneInUse()) << "recording what the speakers play is no call";

    Helper call("parecord", {"--device=qv_microphone", "/dev/null"});
    ASSERT_TRUE(call.started);
    EXPECT_TRUE(QTest::qWaitFor([&] { return probes.isMicrophoneInUse(); }, 10'000));
    call.stop();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !probes.isMicrophoneInUse(); }, 10'000));
}

TEST(MicrophoneProbe, NoSoundServerIsNotInUse) {
    QTemporaryDir nowhere;
    PulseMicrophoneProbe probe(QStringLiteral("unix:") + nowhere.filePath("none"));
    EXPECT_FALSE(probe.isInUse());
}

TEST(CameraProbe, SeesAnotherProcessHoldingAVideoNode) {
    QTemporaryDir dev;
    QFile node(dev.filePath("video0"));
    ASSERT_TRUE(node.open(QIODevice::WriteOnly));
    node.close();
    LinuxSmartPauseProbes probes({QString(), dev.path(), "/proc"});
    EXPECT_FALSE(probes.isCameraInUse());

    QFile mine(node.fileName());
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_FALSE(probes.isCameraInUse()) << "this program's own use counted";

    Helper holder("sh", {"-c", "exec 3<\"$0\"; exec sleep 60", node.fileName()});
    ASSERT_TRUE(holder.started);
    EXPECT_TRUE(QTest::qWaitFor([&] { return probes.isCameraInUse(); }, 5'000));
    holder.stop();
    EXPECT_FALSE(probes.isCameraInUse());

    QTemporaryDir empty;
    EXPECT_FALSE(LinuxSmartPauseProbes({QString(), empty.path(), "/proc"}).isCameraInUse());
}

TEST(IdleProbe, InputOnTheXServerResetsIt) {
    if (!hasPrivateDesktop() || QStandardPaths::findExecutable("xdotool").isEmpty()) {
        GTEST_SKIP() << "needs the private desktop and xdotool";
    }
    IdleTimeProbe probe;
    auto xdotool = [](const QStringList& arguments) {
        return QProcess::execute("xdotool", arguments) == 0;
    };
    ASSERT_TRUE(xdotool({"mousemove", "10", "10"}));
    QTest::qWait(1500);
    const double idle = probe.secondsSinceLastInput();
    EXPECT_GE(idle, 1.0);
    EXPECT_LT(idle, 60.0);
    ASSERT_TRUE(xdotool({"mousemove", "200", "300"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return probe.secondsSinceLastInput() < 1.0; }, 5'000));
    ASSERT_TRUE(xdotool({"key", "shift"}));
    EXPECT_LT(probe.secondsSinceLastInput(), 1.0);
}

// Neither an X server nor a desktop service that knows the idle time.
TEST(IdleProbe, NothingToAskGivesNotANumber) {
    const QByteArray display = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");
    qv::test::PrivateBus bus;
    ASSERT_TRUE(bus.isRunning());
    {
        IdleTimeProbe probe(QDBusConnection::connectToBus(bus.address(), "idle"));
        EXPECT_TRUE(std::isnan(probe.secondsSinceLastInput()));
    }
    QDBusConnection::disconnectFromBus("idle");
    if (!display.isEmpty()) {
        qputenv("DISPLAY", display);
    }
}

} // namespace
