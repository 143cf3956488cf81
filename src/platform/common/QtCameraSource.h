// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/FrameSource.h"

#include <QCameraDevice>
#include <functional>
#include <memory>
#include <mutex>

class QCamera;
class QMediaCaptureSession;
class QVideoSink;

namespace qv {

// One camera through QtMultimedia. Start and stop it on a thread with an event loop (the
// capture service's own); frames arrive on whichever thread the backend delivers them and are
// converted only when their picture is asked for.
class QtCameraSource final : public FrameSource {
public:
    QtCameraSource(QCameraDevice device, std::function<double()> clock);
    ~QtCameraSource() override;

    Status start(FrameSourceCallbacks callbacks) override;
    void stop() override;

private:
    struct Objects;

    QCameraDevice device_;
    std::function<double()> clock_;
    std::unique_ptr<Objects> objects_;
    // Guards the callbacks against a frame arriving while the source stops.
    std::shared_ptr<std::mutex> mutex_ = std::make_shared<std::mutex>();
    std::shared_ptr<FrameSourceCallbacks> callbacks_;
};

} // namespace qv
