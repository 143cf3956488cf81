// SPDX-License-Identifier: GPL-3.0-or-later
#include "../scheduling/SchedulerHarness.h"
#include "AppHarness.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace qv;
using qv::test::AppHarness;
using qv::test::berlin;
using qv::test::ScriptedCamera;
using Mode = BreakOverlayModel::Mode;

namespace {

// The status line says what it should by its distinguishing word, or says nothing.
void expectStatus(const BreakOverlayModel* overlay, const QString& word) {
    const QString status = overlay->statusMessage();
    EXPECT_TRUE(word.isEmpty() ? status.isEmpty() : status.contains(word)) << status.toStdString();
}

class AppModelTest : public ::testing::Test {
protected:
    AppModelTest() { app.launch(); }

    // A camera break on screen, counting.
    void beginCameraBreak() {
        app.advanceToBreakDue();
        ASSERT_TRUE(app.model().isBreakActive());
        ASSERT_NE(app.camera(), nullptr);
    }

    AppHarness app{berlin("2026-06-10 09:00")};
};

TEST_F(AppModelTest, ABreakDueWhileOneRunsDoesNothing) {
    beginCameraBreak();
    app.scheduler().onBreakDue();
    app.model().startBreakNow();
    EXPECT_EQ(app.lock.lockCount, 1);
    EXPECT_EQ(app.cameras.size(), 1u);
}

TEST_F(AppModelTest, UndeterminedCameraWaitsForTheAnswer) {
    struct Case {
        bool granted;
        bool expectCamera;
        QString word;
    };
    const Case cases[] = {{true, true, ""}, {false, false, "denied"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.granted);
        AppHarness fresh(berlin("2026-06-10 09:00"));
        fresh.cameraAccess.answer = CameraAuthorization::notDetermined;
        fresh.launch();
        fresh.advanceToBreakDue();
        EXPECT_FALSE(fresh.model().isBreakActive());
        ASSERT_EQ(fresh.cameraAccess.pending.size(), 1u);
        fresh.scheduler().onBreakDue(); // while the prompt is open
        EXPECT_EQ(fresh.cameraAccess.pending.size(), 1u);
        fresh.cameraAccess.pending.front()(c.granted);
        EXPECT_FALSE(fresh.model().isBreakActive()) << "acted before reaching the main thread";
        QCoreApplication::processEvents();
        ASSERT_TRUE(fresh.model().isBreakActive());
        EXPECT_FALSE(fresh.model().isPermissionRequestInFlight());
        EXPECT_EQ(fresh.camera() != nullptr, c.expectCamera);
        expectStatus(fresh.overlay(), c.word);
    }
}

TEST_F(AppModelTest, AnUnusableCameraGivesTheTimedBreakWithItsSentence) {
    struct Case {
        CameraAuthorization status;
        bool cameraSetting;
        QString word;
    };
    const Case cases[] = {
        {CameraAuthorization::denied, true, "off"},
        {CameraAuthorization::unknown, true, "unavailable"},
        {CameraAuthorization::authorized, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.status));
        AppHarness fresh(berlin("2026-06-10 09:00"));
        fresh.cameraAccess.answer = c.status;
        fresh.launch();
        fresh.settings().setCameraVerificationEnabled(c.cameraSetting);
        fresh.advanceToBreakDue();
        ASSERT_TRUE(fresh.model().isBreakActive());
        EXPECT_EQ(fresh.camera(), nullptr);
        expectStatus(fresh.overlay(), c.word);
        fresh.advance(30 + 2);
        EXPECT_FALSE(fresh.model().isBreakActive()) << "the timed break did not end";
        EXPECT_EQ(fresh.storedToday().timedBreaks, 1);
    }
}

TEST_F(AppModelTest, ACameraFailureSwitchesTheSameBreakToTheTimedBreak) {
    beginCameraBreak();
    BreakOverlayModel* overlay = app.overlay();
    app.camera()->repetitions(2);
    app.camera()->fail("the camera went away");
    EXPECT_EQ(app.overlay(), overlay);
    EXPECT_EQ(app.camera(), nullptr);
    expectStatus(overlay, "the camera went away");
    app.advance(30 + 2);
    EXPECT_EQ(app.lock.releasesAnimated.size(), 1u);
    const DayStat today = app.storedToday();
    EXPECT_EQ(today.timedBreaks, 1);
    EXPECT_EQ(today.verifiedBreaks + today.skippedBreaks, 0);
}

TEST_F(AppModelTest, SafetyReleaseArithmetic) {
    struct Case {
        const char* name;
        int honorSeconds;
        std::vector<double> repetitionsAt; // seconds after the break began
        double releasedAt;
    };
    const Case cases[] = {
        {"no repetition", 30, {}, 180},
        {"long timed break", 300, {}, 330},
        {"a repetition re-arms from that moment", 30, {170}, 350},
        {"never past the ceiling", 30, {170, 340, 500, 590}, 600},
        {"a repetition after the ceiling changes nothing", 30, {150, 320, 480, 599.5}, 600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppHarness fresh(berlin("2026-06-10 09:00"));
        fresh.launch();
        fresh.settings().setHonorDurationSeconds(c.honorSeconds);
        fresh.advanceToBreakDue();
        const double began = fresh.time.monotonicSeconds();
        int count = 0;
        for (double at : c.repetitionsAt) {
            fresh.advance(at - (fresh.time.monotonicSeconds() - began));
            ASSERT_NE(fresh.camera(), nullptr);
            fresh.camera()->repetitions(++count);
        }
        fresh.advance(c.releasedAt - (fresh.time.monotonicSeconds() - began) - 0.5);
        EXPECT_TRUE(fresh.model().isBreakActive()) << "released too early";
        fresh.advance(0.5);
        EXPECT_FALSE(fresh.model().isBreakActive()) << "not released in time";
        EXPECT_EQ(fresh.storedToday().skippedBreaks, 1);
        EXPECT_EQ(fresh.storedToday().squats, count);
    }
}

TEST_F(AppModelTest, ChoosingTheTimedBreakReArmsFromThatMomentWithinTheCeiling) {
    app.settings().setHonorDurationSeconds(300);
    beginCameraBreak();
    app.advance(100);
    app.overlay()->useHonorTimer();
    app.advance(300 + 2);
    EXPECT_FALSE(app.model().isBreakActive()) << "timed break of 300 s did not complete";
    EXPECT_EQ(app.storedToday().timedBreaks, 1);

    app.advanceToBreakDue();
    const double second = app.time.monotonicSeconds();
    app.advance(250);
    ASSERT_NE(app.camera(), nullptr);
    app.camera()->repetitions(1);
    app.advance(250);
    app.overlay()->useHonorTimer(); // 330 s would run past 600 s after the start
    app.advance(99.5);
    EXPECT_TRUE(app.model().isBreakActive());
    app.advance(0.5);
    EXPECT_FALSE(app.model().isBreakActive());
    EXPECT_NEAR(app.time.monotonicSeconds() - second, 600, 0.01);
    EXPECT_EQ(app.storedToday().skippedBreaks, 1);
}

TEST_F(AppModelTest, CompletionShowsSuccessThenReleasesAndNothingEndsItTwice) {
    beginCameraBreak();
    ScriptedCamera* camera = app.camera();
    const auto escape = app.overlay()->onEmergencyEscape;
    camera->repetitions(10);
    camera->complete();
    ASSERT_TRUE(app.model().isBreakCompleted());
    EXPECT_EQ(app.overlay()->mode(), Mode::success);
    EXPECT_EQ(app.overlay()->emergencyEscapesRemaining(), 0);

    app.overlay()->emergencyEscape();
    escape();
    app.overlay()->setEmergencyKeyHeld(true);
    app.advance(1.9);
    EXPECT_TRUE(app.model().isBreakActive());
    app.advance(0.1);
    EXPECT_FALSE(app.model().isBreakActive());
    app.advance(600); // a safety release left behind would fire here
    const DayStat today = app.storedToday();
    EXPECT_EQ(today.verifiedBreaks, 1);
    EXPECT_EQ(today.skippedBreaks, 0);
    EXPECT_EQ(today.squats, 10);
    EXPECT_EQ(app.lock.releasesAnimated, std::vector<bool>{true});
    EXPECT_EQ(app.gate->remainingEscapes(app.time.now()), 3);
}

TEST_F(AppModelTest, LateCallbacksOfAnEarlierBreakDoNothing) {
    beginCameraBreak();
    ScriptedCamera* first = app.camera();
    BreakOverlayModel* firstOverlay = app.overlay();
    const auto progress = first->onProgress;
    const auto completion = first->onCompletion;
    const auto honor = firstOverlay->onUseHonorTimer;
    const auto chord = firstOverlay->onEmergencyKeyStateChanged;
    firstOverlay->emergencyEscape();
    ASSERT_FALSE(app.model().isBreakActive());
    EXPECT_EQ(app.cameras.size(), 0u) << "the engine outlived its break";

    app.advanceToBreakDue();
    ASSERT_TRUE(app.model().isBreakActive());
    progress(progress::Exercise{PoseSnapshot{}, Image{}, 7, 10});
    completion();
    honor();
    chord(true);
    app.advance(3);
    EXPECT_TRUE(app.model().isBreakActive());
    EXPECT_NE(app.camera(), nullptr) << "an earlier break switched this one to the timed break";
    EXPECT_EQ(app.overlay()->repetitions(), 0);
    const DayStat today = app.storedToday();
    EXPECT_EQ(today.skippedBreaks, 1);
    EXPECT_EQ(today.verifiedBreaks, 0);
}

TEST_F(AppModelTest, EmergencyChord) {
    beginCameraBreak();
    BreakOverlayModel* overlay = app.overlay();
    overlay->setEmergencyKeyHeld(true);
    app.advance(2.9);
    overlay->setEmergencyKeyHeld(false);
    EXPECT_TRUE(overlay->emergencyEscapeStatusMessage().contains("three seconds"));
    EXPECT_TRUE(app.model().isBreakActive());

    overlay->setEmergencyKeyHeld(true);
    EXPECT_EQ(overlay->emergencyEscapeStatusMessage(), "");
    app.advance(3); // the keys stay down
    EXPECT_FALSE(app.model().isBreakActive());
    EXPECT_EQ(app.storedToday().skippedBreaks, 1);

    app.defaults.setInteger(EmergencyEscapeGate::usesKey, 3);
    app.advanceToBreakDue();
    app.overlay()->setEmergencyKeyHeld(true);
    EXPECT_TRUE(app.overlay()->emergencyEscapeStatusMessage().contains("limit"));
    EXPECT_EQ(app.overlay()->emergencyEscapesRemaining(), 0);
    app.advance(5);
    EXPECT_TRUE(app.model().isBreakActive());
}

// The screen goes before the camera is stopped, which waits for the frame being analysed: a
// quit on a signal has a second to free the screen.
TEST_F(AppModelTest, StopRemovesTheScreenFirstWithoutRecording) {
    beginCameraBreak();
    bool cameraRanAtRelease = false;
    app.lock.onRelease = [&](BreakOverlayModel&) {
        cameraRanAtRelease = app.camera() && app.camera()->isRunning;
    };
    app.quit();
    EXPECT_FALSE(app.lock.isLocked());
    EXPECT_TRUE(cameraRanAtRelease);
    EXPECT_TRUE(app.cameras.empty()) << "the camera engine is stopped and let go";
    EXPECT_EQ(app.storedToday(), DayStat{});
}

} // namespace
