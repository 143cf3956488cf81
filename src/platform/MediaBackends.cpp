// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MediaBackends.h"

#include "platform/common/QtCameraBackend.h"
#include "platform/common/VideoFileCameraBackend.h"

#include <QtGlobal>

#if defined(Q_OS_LINUX)
#include "platform/linux/V4l2CameraBackend.h"
#include "platform/linux/VideoDeviceNodes.h"
#endif

namespace qv::mediaBackends {

// Qt's GStreamer backend names a camera by its device node; the node's by-id name is what
// stays the same from run to run. On Linux the kernel lists the cameras, so a run on a
// computer without one never loads the media framework; it comes in only to capture.
std::unique_ptr<CameraBackend> makeCaptureBackend(std::function<double()> clock) {
#if defined(Q_OS_LINUX)
    auto identify = [](const QCameraDevice& device) {
        const QString node = QString::fromUtf8(device.id());
        return QtCameraBackend::Identity{linuxcam::stableId(node), linuxcam::isBuiltIn(node)};
    };
    auto isInUse = [](const QCameraDevice& device) {
        return linuxcam::isHeldByAnotherProcess(QString::fromUtf8(device.id()));
    };
    return std::make_unique<V4l2CameraBackend>(
        std::make_unique<QtCameraBackend>(identify, isInUse, std::move(clock)));
#else
    auto identify = [](const QCameraDevice& device) {
        return QtCameraBackend::Identity{QString::fromUtf8(device.id()),
                                         device.position() == QCameraDevice::FrontFace};
    };
    auto isInUse = [](const QCameraDevice&) { return false; };
    return std::make_unique<QtCameraBackend>(identify, isInUse, std::move(clock));
#endif
}

platformBackends::Cameras makeCaptureCameras(std::function<double()> clock,
                                             const QString& videoFile) {
    if (videoFile.isEmpty()) {
        return platformBackends::withPermission(makeCaptureBackend(std::move(clock)), videoFile);
    }
    VideoFileOptions options;
    options.pace = VideoFileOptions::Pace::realTime;
    options.clock = std::move(clock);
    return platformBackends::withPermission(
        std::make_unique<VideoFileCameraBackend>(videoFile, std::move(options)), videoFile);
}

} // namespace qv::mediaBackends
