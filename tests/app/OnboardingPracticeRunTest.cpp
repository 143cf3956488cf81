// SPDX-License-Identifier: GPL-3.0-or-later
// The onboarding's practice run on a real clip of one squat: decoded frames, the real pose
// model, the capture service and the camera engine, as the window's "Start camera" runs them.

#include "app/OnboardingPlatform.h"
#include "core/time/VirtualTimeSource.h"
#include "platform/common/VideoFileCameraBackend.h"
#include "pose/CameraPoseDetector.h"
#include "support/TestSupport.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(OnboardingPracticeRun, OneRealSquatIsCounted) {
    QV_REQUIRE_CLIP(path, "squat-side-1.mp4");

    VirtualTimeSource time;
    QEventLoop loop;
    // The file is read as fast as the engine takes it; time moves to each frame's stamp
    // before its analysis reaches the main thread (both are posted there, in this order).
    VideoFileOptions video;
    video.pace = VideoFileOptions::Pace::asConsumed;
    video.timestampOrigin = time.monotonicSeconds();
    video.onFrameTimestamp = [&loop, &time](double at) {
        QMetaObject::invokeMethod(
            &loop, [&time, at] { time.advance(std::max(0.0, at - time.monotonicSeconds())); });
    };
    video.onFinished = [&loop] { QMetaObject::invokeMethod(&loop, &QEventLoop::quit); };
    VideoFileCameraBackend cameras(*path, video);

    // The test's time follows the file, so the pose work stays in this process.
    OnboardingModel model(onboardingPlatform(
                              cameras, time, [] { return CameraAuthorization::authorized; },
                              [&cameras] {
                                  return std::make_unique<CameraCaptureService>(
                                      cameras, [] { return loadCameraPoseDetector(); });
                              }),
                          nullptr);
    QList<OnboardingModel::TrialPhase> phases;
    QObject::connect(&model, &OnboardingModel::trialPhaseChanged, [&] {
        phases.append(model.trialPhase());
        if (model.trialPhase() == OnboardingModel::TrialPhase::counted) {
            loop.quit();
        }
    });
    QString failure;
    QObject::connect(&model, &OnboardingModel::trialFailureMessageChanged,
                     [&] { failure = model.trialFailureMessage(); });

    model.goToStep(OnboardingModel::lastStep);
    ASSERT_EQ(model.cameraState(), OnboardingModel::CameraState::granted);
    model.requestCamera();
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();

    EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
    using Phase = OnboardingModel::TrialPhase;
    ASSERT_FALSE(phases.isEmpty());
    EXPECT_EQ(phases.first(), Phase::starting);
    EXPECT_TRUE(phases.contains(Phase::framing));
    EXPECT_TRUE(phases.contains(Phase::exercising));
    EXPECT_EQ(phases.last(), Phase::counted);
    EXPECT_FALSE(model.isTrialRunning());
    // What the window shows beside the success: the last picture and its pose.
    EXPECT_TRUE(model.hasTrialPreview());
    EXPECT_TRUE(model.hasTrialPose());
}

} // namespace
} // namespace qv
