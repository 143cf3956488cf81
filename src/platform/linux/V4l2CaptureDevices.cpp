// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/V4l2CaptureDevices.h"

#include "platform/linux/VideoDeviceNodes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace qv::linuxcam {

namespace {

int deviceNumber(const QString& name) {
    return QStringView(name).mid(5).toInt();
}

// The card name is a fixed array, NUL-padded, but not always NUL-terminated.
QString cardName(const v4l2_capability& capability) {
    const auto* card = reinterpret_cast<const char*>(capability.card);
    return QString::fromUtf8(card, static_cast<qsizetype>(strnlen(card, sizeof capability.card)))
        .trimmed();
}

} // namespace

QStringList videoDeviceNames(const QString& sysRoot) {
    static const QRegularExpression pattern(QStringLiteral("^video[0-9]+$"));
    QStringList names;
    const QDir folder(sysRoot + QStringLiteral("/class/video4linux"));
    for (const QString& name :
         folder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (pattern.match(name).hasMatch()) {
            names << name;
        }
    }
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return deviceNumber(a) < deviceNumber(b); });
    return names;
}

bool capturesVideo(const v4l2_capability& capability) {
    const std::uint32_t caps = (capability.capabilities & V4L2_CAP_DEVICE_CAPS) != 0
                                   ? capability.device_caps
                                   : capability.capabilities;
    const std::uint32_t capture = V4L2_CAP_VIDEO_CAPTURE | V4L2_CAP_VIDEO_CAPTURE_MPLANE;
    const std::uint32_t output = V4L2_CAP_VIDEO_OUTPUT | V4L2_CAP_VIDEO_OUTPUT_MPLANE |
                                 V4L2_CAP_VIDEO_M2M | V4L2_CAP_VIDEO_M2M_MPLANE;
    return (caps & capture) != 0 && (caps & output) == 0;
}

std::optional<QString> captureDeviceName(const QString& node) {
    // Capture needs the node read-write; one this user may only read is of no use.
    const int fd = open(QFile::encodeName(node).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    v4l2_capability capability{};
    int result = 0;
    do {
        result = ioctl(fd, VIDIOC_QUERYCAP, &capability);
    } while (result != 0 && errno == EINTR);
    close(fd);
    if (result != 0 || !capturesVideo(capability)) {
        return std::nullopt;
    }
    const QString name = cardName(capability);
    return name.isEmpty() ? QFileInfo(node).fileName() : name;
}

QList<CameraDevice> captureCameras(const QString& sysRoot, const QString& devRoot) {
    QList<CameraDevice> cameras;
    for (const QString& name : videoDeviceNames(sysRoot)) {
        const QString node = QDir(devRoot).filePath(name);
        if (const std::optional<QString> deviceName = captureDeviceName(node)) {
            cameras.append({stableId(node, devRoot), *deviceName, isBuiltIn(node, sysRoot)});
        }
    }
    return cameras;
}

} // namespace qv::linuxcam
