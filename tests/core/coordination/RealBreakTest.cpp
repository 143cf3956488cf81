// SPDX-License-Identifier: GPL-3.0-or-later
#include "../scheduling/SchedulerHarness.h"
#include "AppHarness.h"
#include "platform/common/VideoFileCameraBackend.h"
#include "pose/CameraPoseDetector.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

using namespace qv;
using qv::test::AppHarness;
using qv::test::berlin;
using Mode = BreakOverlayModel::Mode;

namespace {

// A whole break with real parts: the model, the capture service decoding a recorded clip
// through the video-file camera, the pose model, the statistics file. Only the windows are
// stood in for. Time is virtual and follows the clip's frames.
TEST(RealBreak, SquatsInFrontOfTheCameraEndTheBreakAsVerified) {
    const auto dir = qv::test::testDataDir();
    const QString clip = dir.value_or(QString()) + QStringLiteral("/real/squat-front-home-6.mp4");
    if (!dir || !QFile::exists(clip)) {
        GTEST_SKIP() << "squat-front-home-6.mp4 is not in QV_TESTDATA_DIR";
    }
    if (!loadCameraPoseDetector()) {
        GTEST_SKIP() << "no pose model";
    }

    AppHarness app(berlin("2026-06-10 09:00"));
    QEventLoop loop;
    VideoFileOptions video;
    video.pace = VideoFileOptions::Pace::asConsumed;
    video.timestampOrigin = app.time.monotonicSeconds();
    // Time reaches each frame before the frame's analysis reaches the main thread.
    video.onFrameTimestamp = [&loop, &app](double at) {
        QMetaObject::invokeMethod(&loop, [&app, at] {
            app.time.advance(std::max(0.0, at - app.time.monotonicSeconds()));
        });
    };
    video.onFinished = [&loop] { QMetaObject::invokeMethod(&loop, &QEventLoop::quit); };
    VideoFileCameraBackend cameras(clip, video);
    app.cameraFactory = cameraEngineFactory(
        app.time, [] { return CameraAuthorization::authorized; },
        [&cameras] {
            return std::make_unique<CameraCaptureService>(cameras,
                                                          [] { return loadCameraPoseDetector(); });
        });
    app.launch();
    app.settings().setSmartPauseEnabled(false);
    app.settings().setSquatRepetitions(5);
    app.settings().setExerciseKind(ExerciseKind::squat);
    app.settings().setSelectedCameraID(cameras.device().id);

    app.model().startBreakNow();
    ASSERT_TRUE(app.model().isBreakActive());
    BreakOverlayModel* overlay = app.overlay();
    QObject::connect(overlay, &BreakOverlayModel::modeChanged, &loop, [&] {
        if (overlay->mode() == Mode::success) {
            loop.quit();
        }
    });
    QTimer::singleShot(180'000, &loop, &QEventLoop::quit); // a hung pipeline fails, not hangs
    loop.exec();

    ASSERT_EQ(overlay->mode(), Mode::success) << overlay->statusMessage().toStdString();
    EXPECT_EQ(overlay->repetitions(), 5);
    ASSERT_TRUE(overlay->successSummary().has_value());
    EXPECT_TRUE(overlay->successSummary()->wasVerified);
    EXPECT_TRUE(app.lock.isLocked());
    app.time.advance(AppModel::successDisplaySeconds);
    EXPECT_FALSE(app.model().isBreakActive());
    EXPECT_EQ(app.lock.releasesAnimated, std::vector<bool>{true});

    const DayStat today = app.storedToday();
    EXPECT_EQ(today.verifiedBreaks, 1);
    EXPECT_EQ(today.squats, 5);
    EXPECT_EQ(today.skippedBreaks + today.timedBreaks, 0);
}

} // namespace
