// SPDX-License-Identifier: GPL-3.0-or-later
// The built camera helper on a real clip with the real pose model, driven through the
// application's side of the socket; and what that side does when the helper dies, hangs or
// talks nonsense.
#include "core/time/EventLoopTimeSource.h"
#include "platform/linux/camerahelper/HelperProcessCameraRun.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>

namespace qv {
namespace {

struct Seen {
    int frames = 0;
    int posesWithJoints = 0;
    int previews = 0;
    QStringList errors;
};

// What a run reports, with an event loop to wait on it.
class CameraHelperChannel : public ::testing::Test {
protected:
    void watch(CameraRun& run) {
        CameraRun::Handlers handlers;
        handlers.frame = [this](const PoseSnapshot& pose, const Image& preview) {
            ++seen_.frames;
            seen_.posesWithJoints += pose.presentJointCount() > 0 ? 1 : 0;
            seen_.previews +=
                !preview.isNull() && std::max(preview.width(), preview.height()) <= 160;
            loop_.quit();
        };
        handlers.error = [this](const QString& text) {
            seen_.errors << text;
            loop_.quit();
        };
        run.setHandlers(std::move(handlers));
    }

    // Runs the loop until the condition holds or the seconds pass; false on the latter.
    bool waitFor(const std::function<bool()>& condition, double seconds) {
        QElapsedTimer clock;
        clock.start();
        while (!condition()) {
            const qint64 left = static_cast<qint64>(seconds * 1000) - clock.elapsed();
            if (left <= 0) {
                return false;
            }
            QTimer::singleShot(left, &loop_, &QEventLoop::quit);
            loop_.exec();
        }
        return true;
    }

    static bool isGone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

    EventLoopTimeSource time_;
    QEventLoop loop_;
    Seen seen_;
};

// The built helper on the real clip.
class CameraHelperProcess : public CameraHelperChannel {
protected:
    void SetUp() override {
        const auto clip = test::realClip(QStringLiteral("squat-side-1.mp4"));
        if (!clip || !QDir(QV_MODEL_DIR).exists()) {
            GTEST_SKIP() << "the squat clip or the pose model is missing";
        }
        launch_ = {QV_CAMERA_HELPER, {"--model-dir", QV_MODEL_DIR, "--camera-video", *clip}};
        run_ = std::make_unique<HelperProcessCameraRun>(time_, launch_);
        watch(*run_);
    }

    CameraHelperLaunch launch_;
    std::unique_ptr<HelperProcessCameraRun> run_;
};

TEST_F(CameraHelperProcess, PosesAndPreviewsArriveAndTheHelperLeavesWithTheRun) {
    run_->setPreviewSize(160);
    run_->start(std::nullopt, qv::ExerciseKind::squat);
    const pid_t pid = run_->helperPid();
    ASSERT_GT(pid, 0);
    // A loaded machine starts the media framework and the model slowly.
    ASSERT_TRUE(waitFor([&] { return seen_.posesWithJoints >= 5 || !seen_.errors.isEmpty(); }, 60))
        << "no poses from the helper";
    EXPECT_TRUE(seen_.errors.isEmpty()) << seen_.errors.join(' ').toStdString();
    EXPECT_GE(seen_.previews, 3);

    run_->stop();
    EXPECT_TRUE(waitFor([&] { return isGone(pid); }, 2.0)) << "the helper outlived its run";
    EXPECT_TRUE(seen_.errors.isEmpty());
}

// The camera engine turns the error into the timed break; here it only has to come in time.
TEST_F(CameraHelperProcess, AHelperThatDiesOrHangsIsNoticedWithinTheSilenceLimit) {
    for (int signal : {SIGKILL, SIGSEGV, SIGSTOP}) {
        SCOPED_TRACE(strsignal(signal));
        run_ = std::make_unique<HelperProcessCameraRun>(time_, launch_);
        seen_ = {};
        watch(*run_);
        run_->start(std::nullopt, qv::ExerciseKind::squat);
        ASSERT_TRUE(waitFor([&] { return seen_.frames > 0 || !seen_.errors.isEmpty(); }, 60));
        ASSERT_TRUE(seen_.errors.isEmpty()) << seen_.errors.join(' ').toStdString();
        const pid_t pid = run_->helperPid();
        ::kill(pid, signal);
        // A stopped helper is silence: the limit, plus one check's interval.
        const double allowed = signal == SIGSTOP ? camerahelper::silenceLimitSeconds + 0.5 : 2.0;
        EXPECT_TRUE(waitFor([&] { return !seen_.errors.isEmpty(); }, allowed));
        EXPECT_EQ(seen_.errors.size(), 1);
        EXPECT_TRUE(waitFor([&] { return isGone(pid); }, 1.0)) << "the failed helper is reaped";
    }
}

TEST_F(CameraHelperChannel, NonsenseOrSilenceFromTheHelperEndsTheRunAsCameraTrouble) {
    for (const char* script : {"printf 'not a message' >&3; exec sleep 30", "exec sleep 30"}) {
        SCOPED_TRACE(script);
        seen_ = {};
        HelperProcessCameraRun run(time_, {"/bin/sh", {"-c", script}});
        watch(run);
        run.start(std::nullopt, qv::ExerciseKind::squat);
        const pid_t pid = run.helperPid();
        // Silence is allowed longer while the helper starts up.
        ASSERT_TRUE(waitFor([&] { return !seen_.errors.isEmpty(); }, 15));
        EXPECT_EQ(seen_.errors.size(), 1);
        EXPECT_TRUE(waitFor([&] { return isGone(pid); }, 0.5)) << "reaped on this loop";
    }
}

} // namespace
} // namespace qv
