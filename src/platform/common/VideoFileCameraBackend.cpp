// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/VideoFileCameraBackend.h"

#include "core/camera/VideoFileCamera.h"

namespace qv {

VideoFileCameraBackend::VideoFileCameraBackend(QString path, VideoFileOptions options)
    : path_(std::move(path))
    , options_(std::move(options)) {}

CameraDevice VideoFileCameraBackend::device() const {
    return videoFileCamera(path_);
}

QList<CameraDevice> VideoFileCameraBackend::devices() const {
    return {device()};
}

Result<std::unique_ptr<FrameSource>> VideoFileCameraBackend::open(const QString& id) {
    if (id != device().id) {
        return Failure{QStringLiteral("No such camera.")};
    }
    return std::unique_ptr<FrameSource>(std::make_unique<VideoFileSource>(path_, options_));
}

bool VideoFileCameraBackend::isInUseByAnotherProcess(const QString&) const {
    return false;
}

std::shared_ptr<void> VideoFileCameraBackend::watchDevices(DevicesChanged) {
    return std::make_shared<int>(0); // a file never comes or goes
}

} // namespace qv
