// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/onboarding/OnboardingModel.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <thread>

namespace qv {
namespace {

// Stands in for the camera engine: the test says what it reports.
class ScriptedEngine final : public VerificationEngine {
public:
    void start() override {}
    void stop() override {}
    void report(const VerificationProgress& value) const { reportProgress(value); }
};

class OnboardingModelTest : public ::testing::Test {
protected:
    OnboardingModelTest() {
        model.onFinished = [this] { ++finished; };
    }

    OnboardingModel::Platform platform() {
        OnboardingModel::Platform p;
        p.authorizationStatus = [this] { return authorization; };
        p.requestAccess = [this](std::function<void(bool)> answer) {
            pendingAnswer = std::move(answer);
        };
        p.makeTrialProvider = [this](const std::optional<QString>&) {
            auto engine = std::make_unique<ScriptedEngine>();
            engines.push_back(engine.get());
            return engine;
        };
        p.hasCamera = [] { return true; };
        return p;
    }
    void goToCameraAct() { model.goToStep(OnboardingModel::lastStep); }
    ScriptedEngine& engine() { return *engines.back(); }

    CameraAuthorization authorization = CameraAuthorization::authorized;
    std::function<void(bool)> pendingAnswer;
    std::vector<ScriptedEngine*> engines;
    int finished = 0;
    OnboardingModel model{platform(), nullptr};
};

TEST_F(OnboardingModelTest, AFailedRunShowsWhyAndIgnoresItsLateCallbacks) {
    goToCameraAct();
    model.startTrial();
    ScriptedEngine& failed = engine();
    // What a dead engine's queued work would still call.
    const auto lateProgress = failed.onProgress;
    const auto lateCompletion = failed.onCompletion;
    failed.report(progress::TrackingFeedback{QStringLiteral("Step back")});
    EXPECT_TRUE(model.trialFailureMessage().isEmpty());
    failed.report(progress::Failed{QStringLiteral("Camera is unavailable.")});
    EXPECT_EQ(model.trialPhase(), OnboardingModel::TrialPhase::off);
    EXPECT_EQ(model.trialFailureMessage(), QStringLiteral("Camera is unavailable."));
    EXPECT_FALSE(model.isTrialRunning());

    // "Try again" starts a fresh run; the dead one can no longer move it.
    model.requestCamera();
    ASSERT_EQ(engines.size(), 2u);
    EXPECT_TRUE(model.trialFailureMessage().isEmpty());
    lateProgress(progress::Exercise{PoseSnapshot{}, Image(2, 2), 1, 1});
    lateCompletion();
    EXPECT_EQ(model.trialPhase(), OnboardingModel::TrialPhase::starting);
}

TEST_F(OnboardingModelTest, AnAnswerFromAnotherThreadStartsTheRunOnTheMainThread) {
    authorization = CameraAuthorization::notDetermined;
    goToCameraAct();
    EXPECT_EQ(model.cameraState(), OnboardingModel::CameraState::idle);
    model.requestCamera();
    EXPECT_EQ(model.cameraState(), OnboardingModel::CameraState::requesting);
    // A refresh while the question is open keeps it open.
    model.refreshCameraState();
    EXPECT_EQ(model.cameraState(), OnboardingModel::CameraState::requesting);

    std::thread([answer = pendingAnswer] { answer(true); }).join();
    EXPECT_TRUE(engines.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(model.cameraState(), OnboardingModel::CameraState::granted);
    EXPECT_EQ(engines.size(), 1u);
}

TEST_F(OnboardingModelTest, DeniedOrSkippedCameraStillFinishes) {
    authorization = CameraAuthorization::denied;
    goToCameraAct();
    EXPECT_EQ(model.cameraState(), OnboardingModel::CameraState::denied);
    model.requestCamera();
    EXPECT_TRUE(engines.empty());

    authorization = CameraAuthorization::notDetermined;
    model.skipCamera();
    EXPECT_EQ(model.cameraState(), OnboardingModel::CameraState::skipped);
    EXPECT_EQ(finished, 1);
    model.refreshCameraState();
    EXPECT_EQ(model.cameraState(), OnboardingModel::CameraState::skipped);
}

} // namespace
} // namespace qv
