// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/CameraExerciseProvider.h"

#include "core/camera/CameraCaptureService.h"
#include "core/time/VirtualTimeSource.h"
#include "core/verification/DetectedPoseConversion.h"
#include "support/FakeCamera.h"
#include "support/SyntheticMotion.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <mutex>

using namespace qv;
using qv::test::Body;
using qv::test::FakeCameraBackend;
using qv::test::Motion;
using qv::test::waitUntil;
using Lifecycle = CameraExerciseProvider::Lifecycle;

namespace {

const CameraDevice camera{"usb-Logi_C920-video-index0", "C920", false};

// The detector's view of a synthetic pose: the model's keypoints, y down.
DetectedPeople detected(const std::vector<PoseSnapshot>& people) {
    DetectedPeople out;
    for (const PoseSnapshot& pose : people) {
        DetectedPerson person;
        for (const auto& [joint, keypoint] : directlyDetectedJoints) {
            if (const auto& j = pose.joint(joint)) {
                person.keypoints[static_cast<std::size_t>(keypoint)] = {j->point.x, 1 - j->point.y,
                                                                        j->confidence};
            }
        }
        person.score = 0.8f;
        out.push_back(person);
    }
    return out;
}

// A provider on the real capture service, with a hand-fed camera, a detector that replays a
// script frame by frame (the picture's first pixel says which frame), and time that moves
// only when the test says.
struct Rig {
    VirtualTimeSource time;
    const double origin = time.monotonicSeconds();
    FakeCameraBackend cameras;
    std::vector<DetectedPeople> script;
    std::mutex scriptMutex;
    std::vector<VerificationProgress> progress;
    CameraAuthorization authorization = CameraAuthorization::authorized;
    std::unique_ptr<CameraExerciseProvider> provider;

    explicit Rig(ExerciseKind exercise = ExerciseKind::squat, int target = 3) {
        cameras.setDevices({camera});
        auto capture = std::make_unique<CameraCaptureService>(cameras, [this] {
            return PoseDetectorLoad{std::make_unique<test::ScriptedPoseDetector>(
                [this](const Image& image) { return scripted(image); })};
        });
        provider = std::make_unique<CameraExerciseProvider>(
            std::nullopt, exercise, target, time, [this] { return authorization; },
            std::move(capture));
        provider->onProgress = [this](const VerificationProgress& p) { progress.push_back(p); };
    }

    DetectedPeople scripted(const Image& image) {
        const std::size_t index = image.row(0)[0] | image.row(0)[1] << 8 | image.row(0)[2] << 16;
        std::lock_guard lock(scriptMutex);
        return index < script.size() ? script[index] : DetectedPeople{};
    }

    bool startRunning() {
        provider->start();
        return waitUntil([&] { return cameras.lastOpened() != nullptr; });
    }

    // Seconds since the rig was made.
    double now() const { return time.monotonicSeconds() - origin; }

    // One camera frame at the given time since the rig was made (time moves there first);
    // returns once the provider has dealt with it (or the capture service dropped it).
    void frame(double at, DetectedPeople people) {
        time.advance(std::max(0.0, at - now()));
        at += origin;
        std::size_t index;
        {
            std::lock_guard lock(scriptMutex);
            index = script.size();
            script.push_back(std::move(people));
        }
        Image picture(4, 4);
        picture.row(0)[0] = index & 0xff;
        picture.row(0)[1] = (index >> 8) & 0xff;
        picture.row(0)[2] = (index >> 16) & 0xff;
        Frame f = Frame::fromImage(picture, at);
        auto hold = std::make_shared<int>(0);
        std::weak_ptr<int> watch = hold;
        f.hold = std::move(hold);
        const bool pushed = cameras.pushToLastOpened(std::move(f));
        if (pushed) {
            ASSERT_TRUE(waitUntil([&] { return watch.expired(); }));
        }
    }

    // Plays a synthetic motion at 15 frames a second from the given time.
    void play(const Motion& motion, double from, const Body& body = {}) {
        for (double t = 0; t <= motion.duration() + 1e-9; t += 1.0 / 15) {
            frame(from + t, detected({test::pose(body, motion.at(t), 0)}));
        }
    }

    template <typename T> std::vector<T> all() const {
        std::vector<T> out;
        for (const auto& p : progress) {
            if (const T* value = std::get_if<T>(&p)) {
                out.push_back(*value);
            }
        }
        return out;
    }
    std::vector<QString> failures() const {
        std::vector<QString> out;
        for (const auto& f : all<progress::Failed>()) {
            out.push_back(f.message);
        }
        return out;
    }
    // Lets what the running capture thread was asked so far reach the provider.
    void settle() { ASSERT_TRUE(cameras.waitForCaptureThread()); }
};

} // namespace

TEST(CameraExerciseProvider, AShortDropoutKeepsCountingButALongerOneDisarms) {
    Rig rig(ExerciseKind::squat, 10);
    ASSERT_TRUE(rig.startRunning());
    rig.play(Motion().stand(1.5).squats(1), 1.0);
    ASSERT_TRUE(rig.provider->isExerciseArmed());
    const int counted = rig.provider->repetitions();
    EXPECT_EQ(counted, 1);
    // From the last frame analysed: a still body is analysed at less than the camera's rate.
    double t = rig.all<progress::Exercise>().back().pose.capturedAt - rig.origin;

    rig.frame(t += 0.3, {}); // within 0.35 s of the last usable frame
    EXPECT_TRUE(rig.provider->isExerciseArmed());
    EXPECT_TRUE(std::holds_alternative<progress::TrackingFeedback>(rig.progress.back()));
    rig.frame(t += 0.1, {}); // 0.4 s now
    EXPECT_FALSE(rig.provider->isExerciseArmed());
    EXPECT_TRUE(std::holds_alternative<progress::Framing>(rig.progress.back()));
    EXPECT_EQ(rig.provider->repetitions(), counted); // the count stays

    // Armed again only after another full second of framing.
    const std::size_t before = rig.all<progress::Exercise>().size();
    rig.play(Motion().stand(0.9), t + 0.1);
    EXPECT_EQ(rig.all<progress::Exercise>().size(), before);
    rig.play(Motion().stand(0.3), t + 1.1);
    EXPECT_GT(rig.all<progress::Exercise>().size(), before);
}

// Deep squats facing the camera: at the bottom the thighs point at it and the model loses the
// knees for longer than a dropout is forgiven, while the hips stay in view. Knees gone for
// longer than any squat's bottom (someone who stepped up to the camera) still disarm.
TEST(CameraExerciseProvider, KneesHiddenAtTheBottomOfASquatKeepItArmed) {
    for (const double hiddenFor : {0.5, 1.6}) {
        Rig rig(ExerciseKind::squat, 10);
        ASSERT_TRUE(rig.startRunning());
        const Motion squats = Motion().stand(1.5).squat(100, 0.6, hiddenFor, 0.6).stand(1.0);
        const double standingHip = test::pose(Body{}, squats.at(0), 0).hipCenterY().value();
        bool wasDisarmed = false;
        for (double t = 0; t <= squats.duration() + 1e-9; t += 1.0 / 15) {
            PoseSnapshot pose = test::pose(Body{}, squats.at(t), 0);
            if (pose.hipCenterY().value() < standingHip - 0.1) {
                for (Joint knee : {Joint::leftKnee, Joint::rightKnee}) {
                    pose.setJoint(knee, {pose.joint(knee)->point, 0.15f});
                }
            }
            rig.frame(1.0 + t, detected({pose}));
            wasDisarmed = wasDisarmed || (t > 1.5 && !rig.provider->isExerciseArmed());
        }
        EXPECT_EQ(wasDisarmed, hiddenFor > CameraExerciseProvider::hiddenKneeGrace) << hiddenFor;
    }
}

TEST(CameraExerciseProvider, SilenceFailsAfterTenSecondsSayingWhetherTheCameraIsBusy) {
    for (bool isBusy : {false, true}) {
        Rig rig;
        rig.cameras.setInUse(camera.id, isBusy);
        ASSERT_TRUE(rig.startRunning());
        rig.frame(2.0, {});
        rig.time.advance(9.9); // 11.9 s after the camera start but 9.9 s after the frame
        EXPECT_TRUE(rig.failures().empty());
        rig.time.advance(1.0);
        ASSERT_EQ(rig.failures().size(), 1u);
        EXPECT_TRUE(rig.failures().front().contains(isBusy ? "busy" : "stopped responding"));
        rig.time.advance(30);
        EXPECT_EQ(rig.failures().size(), 1u);
        EXPECT_EQ(rig.time.pendingTaskCount(), 0u);
    }
}

TEST(CameraExerciseProvider, AnInterruptionFailsOverAfterFiveSecondsUnlessItEndsOrTheRunStops) {
    enum class Then { lasts, ends, stopped };
    for (Then then : {Then::lasts, Then::ends, Then::stopped}) {
        Rig rig;
        ASSERT_TRUE(rig.startRunning());
        rig.cameras.lastOpened()->interrupt("pipeline paused");
        rig.cameras.lastOpened()->interrupt("pipeline paused");
        ASSERT_TRUE(waitUntil([&] { return !rig.all<progress::TrackingFeedback>().empty(); }));
        rig.settle();
        const progress::TrackingFeedback paused{"Camera paused", StatusKind::cameraPaused};
        EXPECT_EQ(rig.all<progress::TrackingFeedback>(), std::vector{paused});
        if (then == Then::ends) {
            rig.cameras.lastOpened()->endInterruption();
            rig.settle();
        } else if (then == Then::stopped) {
            rig.provider->stop();
        }
        for (int i = 0; i < 6; ++i) {
            rig.frame(rig.now() + 1, {}); // frames keep the watchdog quiet
        }
        if (then == Then::lasts) {
            ASSERT_EQ(rig.failures().size(), 1u);
            EXPECT_TRUE(rig.failures().front().contains("interrupted"));
        } else {
            EXPECT_TRUE(rig.failures().empty());
        }
        EXPECT_EQ(rig.provider->lifecycle(),
                  then == Then::ends ? Lifecycle::running : Lifecycle::stopped);
    }
}

TEST(CameraExerciseProvider, AStoppedRunReportsNothingMoreAndTheOwnerMayDropItInACallback) {
    Rig rig(ExerciseKind::squat, 1);
    ASSERT_TRUE(rig.startRunning());
    rig.play(Motion().stand(1.2), 1.0);
    const std::size_t reported = rig.progress.size();
    rig.provider->stop();
    rig.provider->stop();
    rig.frame(3.0, {});
    rig.time.advance(30);
    EXPECT_EQ(rig.progress.size(), reported);

    // An owner that drops the engine on completion, from inside the callback.
    Rig dropping(ExerciseKind::squat, 1);
    dropping.provider->onCompletion = [&] { dropping.provider.reset(); };
    ASSERT_TRUE(dropping.startRunning());
    dropping.play(Motion().stand(1.5).squats(1).stand(1), 1.0);
    EXPECT_EQ(dropping.provider, nullptr);
}
