// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/V4l2CameraBackend.h"

#include "platform/linux/V4l2CaptureDevices.h"
#include "platform/linux/VideoDeviceNodes.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace qv {

V4l2CameraBackend::V4l2CameraBackend(std::unique_ptr<CameraBackend> capture, VideoDeviceRoots roots)
    : capture_(std::move(capture))
    , roots_(std::move(roots)) {
    connect(&folders_, &QFileSystemWatcher::directoryChanged, this,
            &V4l2CameraBackend::onFolderChanged);
    watchFolders();
    lastSeen_ = nodesAndNames();
}

// A computer without a camera never loads the media framework: a break there is timed.
void V4l2CameraBackend::prepare() {
    if (!devices().isEmpty()) {
        capture_->prepare();
    }
}

QList<CameraDevice> V4l2CameraBackend::devices() const {
    return linuxcam::captureCameras(roots_.sys, roots_.dev);
}

Result<std::unique_ptr<FrameSource>> V4l2CameraBackend::open(const QString& id) {
    return capture_->open(id);
}

bool V4l2CameraBackend::isInUseByAnotherProcess(const QString& id) const {
    const QString node = linuxcam::nodeFor(id, roots_.dev);
    return !node.isEmpty() && linuxcam::isHeldByAnotherProcess(node);
}

std::shared_ptr<void> V4l2CameraBackend::watchDevices(DevicesChanged onChange) {
    auto watcher = std::make_shared<DevicesChanged>(std::move(onChange));
    std::lock_guard lock(mutex_);
    std::erase_if(watchers_, [](const auto& weak) { return weak.expired(); });
    watchers_.push_back(watcher);
    return watcher;
}

// udev makes the node, then sets its permissions, then adds its stable names: a camera is
// ready to be listed by its by-id name only once that last link is there.
QStringList V4l2CameraBackend::nodesAndNames() const {
    static const QRegularExpression videoNode(QStringLiteral("^video[0-9]+$"));
    QStringList seen;
    const auto filter = QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& name : QDir(roots_.dev).entryList(filter)) {
        if (videoNode.match(name).hasMatch()) {
            seen << name;
        }
    }
    for (const char* folder : {"v4l/by-id", "v4l/by-path"}) {
        for (const QString& name :
             QDir(roots_.dev + u'/' + QLatin1String(folder)).entryList(filter)) {
            seen << QLatin1String(folder) + u'/' + name;
        }
    }
    return seen;
}

// The link folders come and go with the first and last camera.
void V4l2CameraBackend::watchFolders() {
    for (const QString& folder : {QString(), QStringLiteral("/v4l"), QStringLiteral("/v4l/by-id"),
                                  QStringLiteral("/v4l/by-path")}) {
        const QString path = roots_.dev + folder;
        if (QFileInfo::exists(path) && !folders_.directories().contains(path)) {
            folders_.addPath(path);
        }
    }
}

// The device folder changes for every device of the computer; only changes to video nodes
// and their names are told.
void V4l2CameraBackend::onFolderChanged() {
    watchFolders();
    QStringList seen = nodesAndNames();
    if (seen == lastSeen_) {
        return;
    }
    lastSeen_ = std::move(seen);
    std::vector<std::shared_ptr<DevicesChanged>> toTell;
    {
        std::lock_guard lock(mutex_);
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

} // namespace qv
