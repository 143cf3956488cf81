// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/QtCameraBackend.h"

#include "platform/common/MultimediaSetup.h"
#include "platform/common/QtCameraSource.h"

#include <QThread>

namespace qv {

QtCameraBackend::QtCameraBackend(Identify identify, InUseCheck isInUse,
                                 std::function<double()> clock)
    : identify_(std::move(identify))
    , isInUse_(std::move(isInUse))
    , clock_(std::move(clock)) {}

void QtCameraBackend::prepare() {
    Q_ASSERT(QThread::currentThread() == thread());
    if (mediaDevices_) {
        return;
    }
    prepareQtMultimedia();
    mediaDevices_ = std::make_unique<QMediaDevices>();
    connect(mediaDevices_.get(), &QMediaDevices::videoInputsChanged, this,
            &QtCameraBackend::refresh);
    refresh();
}

// Lets the settings list the cameras without a step of its own; another thread sees only
// what a preparation found.
void QtCameraBackend::prepareIfOnOwnThread() const {
    if (QThread::currentThread() == thread()) {
        const_cast<QtCameraBackend*>(this)->prepare();
    }
}

void QtCameraBackend::refresh() {
    std::vector<Known> found;
    for (const QCameraDevice& qtDevice : QMediaDevices::videoInputs()) {
        const Identity identity = identify_(qtDevice);
        found.push_back({{identity.id, qtDevice.description(), identity.isBuiltIn}, qtDevice});
    }
    std::vector<std::shared_ptr<DevicesChanged>> toTell;
    {
        std::lock_guard lock(mutex_);
        known_ = std::move(found);
        for (const auto& weak : watchers_) {
            if (auto watcher = weak.lock()) {
                toTell.push_back(watcher);
            }
        }
    }
    for (const auto& watcher : toTell) {
        (*watcher)();
    }
}

std::optional<QtCameraBackend::Known> QtCameraBackend::find(const QString& id) const {
    prepareIfOnOwnThread();
    std::lock_guard lock(mutex_);
    for (const Known& known : known_) {
        if (known.device.id == id) {
            return known;
        }
    }
    return std::nullopt;
}

QList<CameraDevice> QtCameraBackend::devices() const {
    prepareIfOnOwnThread();
    std::lock_guard lock(mutex_);
    QList<CameraDevice> out;
    for (const Known& known : known_) {
        out.append(known.device);
    }
    return out;
}

Result<std::unique_ptr<FrameSource>> QtCameraBackend::open(const QString& id) {
    const auto known = find(id);
    if (!known) {
        return Failure{QStringLiteral("the camera is no longer connected.")};
    }
    return std::unique_ptr<FrameSource>(std::make_unique<QtCameraSource>(known->qtDevice, clock_));
}

bool QtCameraBackend::isInUseByAnotherProcess(const QString& id) const {
    const auto known = find(id);
    return known && isInUse_ && isInUse_(known->qtDevice);
}

std::shared_ptr<void> QtCameraBackend::watchDevices(DevicesChanged onChange) {
    prepareIfOnOwnThread();
    auto watcher = std::make_shared<DevicesChanged>(std::move(onChange));
    std::lock_guard lock(mutex_);
    std::erase_if(watchers_, [](const auto& weak) { return weak.expired(); });
    watchers_.push_back(watcher);
    return watcher;
}

} // namespace qv
