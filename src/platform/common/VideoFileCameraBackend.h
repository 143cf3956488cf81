// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraBackend.h"
#include "platform/common/VideoFileSource.h"

namespace qv {

// One video file presented as the only camera of the computer, so that a run over the file
// goes through exactly the code a camera run goes through.
class VideoFileCameraBackend final : public CameraBackend {
public:
    VideoFileCameraBackend(QString path, VideoFileOptions options);

    QList<CameraDevice> devices() const override;
    Result<std::unique_ptr<FrameSource>> open(const QString& id) override;
    bool isInUseByAnotherProcess(const QString& id) const override;
    std::shared_ptr<void> watchDevices(DevicesChanged onChange) override;

    CameraDevice device() const;

private:
    QString path_;
    VideoFileOptions options_;
};

} // namespace qv
