// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraBackend.h"

#include <QFileSystemWatcher>
#include <QStringList>
#include <mutex>
#include <vector>

namespace qv {

// Where the kernel's device tree and the device nodes are; tests lay out their own.
struct VideoDeviceRoots {
    QString sys = QStringLiteral("/sys");
    QString dev = QStringLiteral("/dev");
};

// The cameras the kernel lists (video capture nodes, named by their drivers), with notice of
// cameras coming and going from the device folder: the settings list them without loading a
// media framework into the application. Opening a camera is capture's work (a backend that
// lists the same cameras by the same identifiers), prepared only when a capture starts and
// there is a camera to capture from.
//
// Make it on the main thread, where the device folder is watched; use it from any thread.
class V4l2CameraBackend final : public QObject, public CameraBackend {
public:
    explicit V4l2CameraBackend(std::unique_ptr<CameraBackend> capture, VideoDeviceRoots roots = {});

    void prepare() override;
    QList<CameraDevice> devices() const override;
    Result<std::unique_ptr<FrameSource>> open(const QString& id) override;
    bool isInUseByAnotherProcess(const QString& id) const override;
    std::shared_ptr<void> watchDevices(DevicesChanged onChange) override;

private:
    QStringList nodesAndNames() const;
    void watchFolders();
    void onFolderChanged();

    std::unique_ptr<CameraBackend> capture_;
    VideoDeviceRoots roots_;
    QFileSystemWatcher folders_;
    QStringList lastSeen_; // main thread only
    std::mutex mutex_;
    std::vector<std::weak_ptr<DevicesChanged>> watchers_;
};

} // namespace qv
