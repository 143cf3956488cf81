// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraBackend.h"
#include "core/verification/PoseDetector.h"

#include <QString>
#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

namespace qv::test {

// A camera that a test drives by hand: it delivers exactly the frames pushed into it, and
// reports errors and interruptions when told to. Stands in for a device this machine has not.
class FakeFrameSource final : public FrameSource {
public:
    // Shared with the backend, which outlives no source but may be asked after one is gone.
    struct Census {
        std::atomic<FakeFrameSource*> lastOpened{nullptr};
        // Held while the last opened source is pushed into or destroyed, so a test thread's
        // frame never reaches a source the capture queue is destroying.
        std::mutex lastOpenedGuard;
    };
    explicit FakeFrameSource(std::shared_ptr<Census> census);
    ~FakeFrameSource() override;

    Status start(FrameSourceCallbacks callbacks) override;
    void stop() override;

    // False when the source is not running (nothing is delivered).
    bool push(Frame frame);
    void failWhileRunning(const QString& text);
    void interrupt(const QString& text);
    void endInterruption();
    bool isRunning() const;

private:
    mutable std::mutex mutex_;
    FrameSourceCallbacks callbacks_;
    bool isRunning_ = false;
    std::shared_ptr<Census> census_;
};

// Cameras that come and go as a test says; each opens to a FakeFrameSource.
class FakeCameraBackend final : public CameraBackend {
public:
    void prepare() override {}
    QList<CameraDevice> devices() const override;
    Result<std::unique_ptr<FrameSource>> open(const QString& id) override;
    bool isInUseByAnotherProcess(const QString& id) const override;
    std::shared_ptr<void> watchDevices(DevicesChanged onChange) override;

    void setDevices(QList<CameraDevice> devices);
    void setInUse(const QString& id, bool isInUse);
    // open() gives this error instead of a source.
    void refuseOpen(const QString& error) { openError_ = error; }
    // The source of the camera opened last while it exists (owned by whoever opened it).
    FakeFrameSource* lastOpened() const { return census_->lastOpened; }
    // Pushes into the source opened last, if it still exists; false when nothing took it.
    bool pushToLastOpened(Frame frame);
    int openCount() const { return openCount_; }
    // Returns once a running capture service has done everything asked of it before, and the
    // main thread has taken what it posted meanwhile: a device change queues a check behind
    // that work, and the check asks for the devices. False if none asked in time.
    bool waitForCaptureThread();

private:
    mutable std::mutex mutex_;
    QList<CameraDevice> devices_;
    std::map<QString, bool> inUse_;
    std::vector<std::weak_ptr<DevicesChanged>> watchers_;
    QString openError_;
    std::shared_ptr<FakeFrameSource::Census> census_ = std::make_shared<FakeFrameSource::Census>();
    std::atomic<int> openCount_{0};
    mutable std::atomic<int> deviceQueries_{0};
};

// A pose detector whose answer the test writes as a function of the picture.
class ScriptedPoseDetector final : public PoseDetector {
public:
    using Script = std::function<DetectedPeople(const Image&)>;
    explicit ScriptedPoseDetector(Script script)
        : script_(std::move(script)) {}
    DetectedPeople detect(const Image& image) override;

    // Every call, in order: the pictures' sizes and first pixels tell them apart.
    static std::vector<Image> seen();
    static void clearSeen();

private:
    Script script_;
};

// Runs the Qt event loop until the condition holds or the time is up; the condition's value.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);

} // namespace qv::test
