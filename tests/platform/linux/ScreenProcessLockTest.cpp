// SPDX-License-Identifier: GPL-3.0-or-later
// The application's side of the break screen's process, with stand-ins for the process that
// answer, talk nonsense, fall silent or are missing: whatever the process does, the break
// stays covered and the user's actions reach the model.
#include "platform/linux/screenhelper/ScreenProcessLock.h"

#include "core/breakscreen/BreakScreenMessages.h"
#include "core/time/EventLoopTimeSource.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryFile>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>

namespace qv {
namespace {

// Where the break goes when the process fails.
struct RecordingLock final : LockController {
    void lock(BreakOverlayModel& model) override { locked = &model; }
    void release(bool) override { locked = nullptr; }
    bool isLocked() const override { return locked != nullptr; }
    BreakOverlayModel* locked = nullptr;
};

bool waitFor(const std::function<bool()>& condition, double seconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > seconds * 1000) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

bool isGone(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

// A process that sends these packets, one per write, then stays silent.
ScreenHelperLaunch sending(QTemporaryFile& file, const std::vector<QByteArray>& packets) {
    EXPECT_TRUE(file.open());
    QString script;
    for (const QByteArray& packet : packets) {
        file.write(packet.toBase64() + '\n');
    }
    file.flush();
    script = QStringLiteral("while read -r line; do echo \"$line\" | base64 -d >&3; done < %1; "
                            "exec sleep 30")
                 .arg(file.fileName());
    return {QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script}};
}

TEST(ScreenProcessLock, AFailingProcessHandsTheBreakToTheFallbackWithinTheSilenceLimit) {
    EventLoopTimeSource time;
    QTemporaryFile packets;
    const QByteArray heartbeat =
        breakscreen::encode(breakscreen::FromScreen{breakscreen::Heartbeat{}});
    struct Case {
        const char* what;
        ScreenHelperLaunch launch;
        double within;
    };
    const std::vector<Case> cases = {
        {"missing", {QStringLiteral("/nonexistent/quorvantel-breakscreen"), {}}, 0.5},
        {"dies", {QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exit 3")}}, 1},
        {"nonsense",
         {QStringLiteral("/bin/sh"),
          {QStringLiteral("-c"), QStringLiteral("printf 'not a message' >&3; exec sleep 30")}},
         1},
        // Heard once, then silent: hung.
        {"silent", sending(packets, {heartbeat}), breakscreen::silenceLimitSeconds + 1},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        RecordingLock fallback;
        ScreenProcessLock lock(time, test.launch, fallback);
        BreakOverlayModel model(BreakOverlayModel::Initial{}, nullptr);
        lock.lock(model);
        const pid_t pid = lock.helperPid();
        EXPECT_TRUE(lock.isLocked());
        EXPECT_TRUE(waitFor([&] { return fallback.locked == &model; }, test.within));
        EXPECT_TRUE(lock.isFallingBack());
        EXPECT_TRUE(pid == 0 || waitFor([&] { return isGone(pid); }, 1)) << "reaped";
        lock.release(false);
        EXPECT_FALSE(fallback.isLocked());
        EXPECT_FALSE(lock.isLocked());
    }
}

TEST(ScreenProcessLock, WhatTheUserDoesOnTheScreenReachesTheModel) {
    EventLoopTimeSource time;
    QTemporaryFile packets;
    using Kind = breakscreen::Action::Kind;
    const auto encode = [](breakscreen::FromScreen message) {
        return breakscreen::encode(message);
    };
    RecordingLock fallback;
    ScreenProcessLock lock(time,
                           sending(packets, {encode(breakscreen::Action{Kind::useHonorTimer}),
                                             encode(breakscreen::PreviewSide{320}),
                                             encode(breakscreen::Action{Kind::emergencyEscape})}),
                           fallback);
    BreakOverlayModel model(BreakOverlayModel::Initial{10, 10, 5, ExerciseKind::squat, 1, true},
                            nullptr);
    int honorTimers = 0;
    int escapes = 0;
    model.onUseHonorTimer = [&] { ++honorTimers; };
    model.onEmergencyEscape = [&] { ++escapes; };
    lock.lock(model);
    ASSERT_TRUE(waitFor([&] { return escapes == 1; }, 5));
    EXPECT_EQ(honorTimers, 1);
    EXPECT_EQ(model.previewSide(), 320);
    EXPECT_FALSE(fallback.isLocked());
    const pid_t pid = lock.helperPid();
    lock.release(true);
    EXPECT_EQ(model.previewSide(), 0) << "the ended break's windows ask for no picture";
    EXPECT_TRUE(waitFor([&] { return isGone(pid); }, ScreenProcessLock::retireDelaySeconds +
                                                         ScreenProcessLock::endGraceSeconds + 1));
}

} // namespace
} // namespace qv
