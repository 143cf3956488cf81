// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/CameraCaptureService.h"

#include "support/FakeCamera.h"

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using qv::CameraCaptureService;
using qv::CameraDevice;
using qv::Frame;
using qv::Image;
using qv::PoseSnapshot;
using qv::test::FakeCameraBackend;
using qv::test::ScriptedPoseDetector;
using qv::test::waitUntil;
using State = CameraCaptureService::State;

namespace {

const CameraDevice external{"usb-Logi_C920-video-index0", "C920", false};

// A small picture whose first pixel tells which frame it was.
Image tagged(int tag, int width = 8, int height = 6) {
    Image image(width, height);
    image.row(0)[0] = static_cast<std::uint8_t>(tag);
    return image;
}

// One person standing in the middle of the picture, fully confident.
qv::DetectedPeople onePerson(const Image&) {
    qv::DetectedPerson person;
    for (std::size_t i = 0; i < person.keypoints.size(); ++i) {
        person.keypoints[i] = {0.5, 0.2 + 0.04 * static_cast<double>(i), 0.9f};
    }
    person.score = 0.9f;
    return {person};
}

struct Recorded {
    std::vector<std::pair<PoseSnapshot, Image>> frames;
    std::vector<QString> errors, notices, interruptions, diagnostics;
    int interruptionsEnded = 0;
};

// Waits without running the main loop, as a main thread busy elsewhere would.
bool waitBusy(const std::function<bool()>& condition) {
    for (int spin = 0; spin < 500 && !condition(); ++spin) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return condition();
}

struct Fixture {
    FakeCameraBackend cameras;
    Recorded seen;
    QString loadError;
    std::unique_ptr<CameraCaptureService> service;

    explicit Fixture(double analysisRate = CameraCaptureService::defaultAnalysisRate,
                     ScriptedPoseDetector::Script detect = onePerson,
                     qv::AnalysisObserver observer = {}) {
        ScriptedPoseDetector::clearSeen();
        service = std::make_unique<CameraCaptureService>(
            cameras,
            [this, detect] {
                if (!loadError.isEmpty()) {
                    return qv::PoseDetectorLoad{qv::Failure{loadError}};
                }
                return qv::PoseDetectorLoad{std::make_unique<ScriptedPoseDetector>(detect)};
            },
            std::move(observer), analysisRate);
        CameraCaptureService::Handlers handlers;
        handlers.frame = [this](const PoseSnapshot& pose, const Image& preview) {
            seen.frames.emplace_back(pose, preview);
        };
        handlers.error = [this](const QString& t) { seen.errors.push_back(t); };
        handlers.notice = [this](const QString& t) { seen.notices.push_back(t); };
        handlers.interruption = [this](const QString& t) { seen.interruptions.push_back(t); };
        handlers.interruptionEnded = [this] { ++seen.interruptionsEnded; };
        handlers.diagnostic = [this](const QString& t) { seen.diagnostics.push_back(t); };
        service->setHandlers(handlers);
        cameras.setDevices({external});
    }

    bool startAndWaitRunning(std::optional<QString> id = std::nullopt) {
        service->start(id, qv::ExerciseKind::squat);
        return waitUntil([&] { return service->state() == State::running; });
    }

    void push(int tag, double at, int width = 8, int height = 6) {
        ASSERT_TRUE(cameras.lastOpened()->push(Frame::fromImage(tagged(tag, width, height), at)));
    }

    // Pushes a frame and waits until the service has let go of it (dropped or delivered).
    void pushAndWaitTaken(int tag, double at) {
        pushAndWaitTaken(Frame::fromImage(tagged(tag), at));
    }
    void pushAndWaitTaken(Frame frame) {
        auto hold = std::make_shared<int>(0);
        std::weak_ptr<int> watch = hold;
        frame.hold = std::move(hold);
        ASSERT_TRUE(cameras.lastOpened()->push(std::move(frame)));
        ASSERT_TRUE(waitUntil([&] { return watch.expired(); }));
    }

    static std::size_t analysedCount() { return ScriptedPoseDetector::seen().size(); }
};

} // namespace

TEST(CameraCaptureService, ABusyMainThreadGetsOnlyTheNewestFrameOnce) {
    Fixture f;
    f.service->setPreviewSize(100); // the preview shows which frame came
    ASSERT_TRUE(f.startAndWaitRunning());
    for (int i = 0; i < 10; ++i) {
        const std::size_t before = Fixture::analysedCount();
        f.push(i + 1, 20.0 + i * 0.1);
        waitBusy([&] { return Fixture::analysedCount() != before; });
    }
    ASSERT_EQ(Fixture::analysedCount(), 10u);
    // The newest frame is the last one: once it has arrived, nothing else can.
    ASSERT_TRUE(waitUntil(
        [&] { return !f.seen.frames.empty() && f.seen.frames.back().first.capturedAt == 20.9; }));
    ASSERT_EQ(f.seen.frames.size(), 1u);
    EXPECT_DOUBLE_EQ(f.seen.frames[0].first.capturedAt, 20.9);
    EXPECT_EQ(f.seen.frames[0].second.row(0)[0], 10);
    // The delivered pose is the detected person, turned y-up.
    const auto nose = f.seen.frames[0].first.joint(qv::Joint::nose);
    ASSERT_TRUE(nose.has_value());
    EXPECT_DOUBLE_EQ(nose->point.y, 0.8);
}

// A run that cannot start stops with one message saying why; without a camera or a pose
// model the camera is never opened, so its light never comes on.
TEST(CameraCaptureService, RunsThatCannotStartSayWhyAndBusyCamerasSaySo) {
    struct Case {
        const char* what;
        QString openError, loadError;
        bool hasCamera, isInUse;
        const char* word;
    };
    const Case cases[] = {
        {"no camera", "", "", false, false, "No camera"},
        {"no pose model", "", "The pose model file is damaged.", true, false, "damaged"},
        {"open refused", "Device or resource busy", "", true, false, "Device or resource busy"},
        {"held elsewhere", "Device or resource busy", "", true, true, "another app"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        f.cameras.setDevices(c.hasCamera ? QList<CameraDevice>{external} : QList<CameraDevice>{});
        f.cameras.setInUse(external.id, c.isInUse);
        f.cameras.refuseOpen(c.openError);
        f.loadError = c.loadError;
        f.service->start(std::nullopt, qv::ExerciseKind::squat);
        ASSERT_TRUE(waitUntil([&] { return !f.seen.errors.empty(); }));
        ASSERT_EQ(f.seen.errors.size(), 1u);
        EXPECT_TRUE(f.seen.errors.front().contains(QLatin1String(c.word))) << c.what;
        EXPECT_EQ(f.service->state(), State::stopped);
        EXPECT_EQ(f.service->isBusy(), c.isInUse);
        EXPECT_EQ(f.cameras.openCount() > 0, c.hasCamera && c.loadError.isEmpty());
    }
}

TEST(CameraCaptureService, UnreadableFramesEndTheRunWithOneClearMessage) {
    Fixture f;
    ASSERT_TRUE(f.startAndWaitRunning());
    for (double t : {1.0, 2.0}) {
        Frame frame;
        frame.capturedAt = t;
        frame.picture = []() -> qv::Result<qv::Image> {
            return qv::Failure{"The camera frame is empty."};
        };
        f.pushAndWaitTaken(std::move(frame));
    }
    // Each frame was let go of after its message, if any, was posted here.
    QCoreApplication::sendPostedEvents();
    // Told once, in the frame's own words, however many frames fail alike.
    ASSERT_EQ(f.seen.errors.size(), 1u);
    EXPECT_TRUE(f.seen.errors.front().startsWith(u"The camera frame is empty."));
    EXPECT_TRUE(f.seen.frames.empty());
}

// After stop() returns, nothing of the run reaches anyone: not a message already on its way
// to the main thread, not the observer of a frame that was being analysed. A tool that
// closes its recording right after stop() relies on this.
TEST(CameraCaptureService, StopIsFinal) {
    std::atomic<bool> analysing{false};
    std::atomic<int> observed{0};
    auto slow = [&](const Image& image) {
        analysing = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        return onePerson(image);
    };
    Fixture f(CameraCaptureService::defaultAnalysisRate, slow,
              [&](double, const qv::DetectedPeople&) { ++observed; });
    ASSERT_TRUE(f.startAndWaitRunning());

    // The error reaches the main thread's queue while the main thread is busy.
    f.cameras.lastOpened()->failWhileRunning(QStringLiteral("boom"));
    f.push(1, 1.0);
    ASSERT_TRUE(waitBusy([&] { return analysing.load(); }));
    f.service->stop();
    const int observedAtStop = observed;
    ASSERT_TRUE(waitUntil([&] { return f.service->state() == State::stopped; }));
    // The capture thread has stopped, so all it posted is queued here already.
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(observed, observedAtStop) << "the observer was called after stop()";
    EXPECT_TRUE(f.seen.errors.empty()) << f.seen.errors.front().toStdString();
    EXPECT_TRUE(f.seen.frames.empty());
}
