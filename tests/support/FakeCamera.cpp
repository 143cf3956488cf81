// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FakeCamera.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>

namespace qv::test {

FakeFrameSource::FakeFrameSource(std::shared_ptr<Census> census)
    : census_(std::move(census)) {
    census_->lastOpened = this;
}

FakeFrameSource::~FakeFrameSource() {
    std::lock_guard guard(census_->lastOpenedGuard);
    stop();
    FakeFrameSource* self = this;
    census_->lastOpened.compare_exchange_strong(self, nullptr);
}

Status FakeFrameSource::start(FrameSourceCallbacks callbacks) {
    std::lock_guard lock(mutex_);
    callbacks_ = std::move(callbacks);
    isRunning_ = true;
    return {};
}

void FakeFrameSource::stop() {
    std::lock_guard lock(mutex_);
    callbacks_ = {};
    isRunning_ = false;
}

bool FakeFrameSource::push(Frame frame) {
    std::lock_guard lock(mutex_);
    if (!isRunning_ || !callbacks_.onFrame) {
        return false;
    }
    callbacks_.onFrame(std::move(frame));
    return true;
}

void FakeFrameSource::failWhileRunning(const QString& text) {
    std::lock_guard lock(mutex_);
    if (callbacks_.onError) {
        callbacks_.onError(text);
    }
}

void FakeFrameSource::interrupt(const QString& text) {
    std::lock_guard lock(mutex_);
    if (callbacks_.onInterrupted) {
        callbacks_.onInterrupted(text);
    }
}

void FakeFrameSource::endInterruption() {
    std::lock_guard lock(mutex_);
    if (callbacks_.onInterruptionEnded) {
        callbacks_.onInterruptionEnded();
    }
}

bool FakeFrameSource::isRunning() const {
    std::lock_guard lock(mutex_);
    return isRunning_;
}

QList<CameraDevice> FakeCameraBackend::devices() const {
    std::lock_guard lock(mutex_);
    ++deviceQueries_;
    return devices_;
}

bool FakeCameraBackend::pushToLastOpened(Frame frame) {
    std::lock_guard guard(census_->lastOpenedGuard);
    FakeFrameSource* source = census_->lastOpened;
    return source != nullptr && source->push(std::move(frame));
}

Result<std::unique_ptr<FrameSource>> FakeCameraBackend::open(const QString& id) {
    ++openCount_;
    std::lock_guard lock(mutex_);
    if (!openError_.isEmpty()) {
        return Failure{openError_};
    }
    const bool exists = std::any_of(devices_.begin(), devices_.end(),
                                    [&](const CameraDevice& d) { return d.id == id; });
    if (!exists) {
        return Failure{QStringLiteral("No such camera.")};
    }
    return std::unique_ptr<FrameSource>(std::make_unique<FakeFrameSource>(census_));
}

bool FakeCameraBackend::isInUseByAnotherProcess(const QString& id) const {
    std::lock_guard lock(mutex_);
    const auto found = inUse_.find(id);
    return found != inUse_.end() && found->second;
}

std::shared_ptr<void> FakeCameraBackend::watchDevices(DevicesChanged onChange) {
    auto watcher = std::make_shared<DevicesChanged>(std::move(onChange));
    std::lock_guard lock(mutex_);
    watchers_.push_back(watcher);
    return watcher;
}

void FakeCameraBackend::setDevices(QList<CameraDevice> devices) {
    std::vector<std::shared_ptr<DevicesChanged>> live;
    {
        std::lock_guard lock(mutex_);
        devices_ = std::move(devices);
        for (const auto& weak : watchers_) {
            if (auto watcher = weak.lock()) {
                live.push_back(watcher);
            }
        }
    }
    for (const auto& watcher : live) {
        (*watcher)();
    }
}

bool FakeCameraBackend::waitForCaptureThread() {
    const int before = deviceQueries_;
    QList<CameraDevice> same;
    {
        std::lock_guard lock(mutex_);
        same = devices_;
    }
    setDevices(std::move(same));
    if (!waitUntil([&] { return deviceQueries_ > before; })) {
        return false;
    }
    QCoreApplication::sendPostedEvents();
    return true;
}

void FakeCameraBackend::setInUse(const QString& id, bool isInUse) {
    std::lock_guard lock(mutex_);
    inUse_[id] = isInUse;
}

namespace {
std::mutex seenMutex;
std::vector<Image> seenImages;
} // namespace

DetectedPeople ScriptedPoseDetector::detect(const Image& image) {
    {
        std::lock_guard lock(seenMutex);
        seenImages.push_back(image);
    }
    return script_ ? script_(image) : DetectedPeople{};
}

std::vector<Image> ScriptedPoseDetector::seen() {
    std::lock_guard lock(seenMutex);
    return seenImages;
}

void ScriptedPoseDetector::clearSeen() {
    std::lock_guard lock(seenMutex);
    seenImages.clear();
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    // A sanitizer build runs many times slower; its preset stretches every wait.
    const qint64 limit =
        qint64(timeoutMs) * std::max(1, qEnvironmentVariableIntValue("QV_TEST_TIME_SCALE"));
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > limit) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

} // namespace qv::test
