// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraBackend.h"

#include <QStringList>
#include <linux/videodev2.h>
#include <optional>

// The cameras as the kernel lists them, without a media framework: the video4linux class in
// sysfs names the nodes, each node's V4L2 capabilities say whether it captures video.
namespace qv::linuxcam {

// The video device names (video0, video1, ...) under sysRoot's video4linux class, in number
// order; radio, VBI and sub-device nodes are left out.
QStringList videoDeviceNames(const QString& sysRoot = QStringLiteral("/sys"));

// The node captures video: not a metadata node beside a camera's picture node, not an output,
// not a memory-to-memory codec. Judged by the node's own capabilities where the driver gives
// them; the device's cover all its nodes.
bool capturesVideo(const v4l2_capability& capability);

// The driver's name for the camera at this node; none when the node is not a video capture
// device or cannot be opened for capture.
std::optional<QString> captureDeviceName(const QString& node);

// The cameras present: one per video capture node, by stable identifier, named by the driver.
QList<CameraDevice> captureCameras(const QString& sysRoot = QStringLiteral("/sys"),
                                   const QString& devRoot = QStringLiteral("/dev"));

} // namespace qv::linuxcam
