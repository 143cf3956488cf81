// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraBackend.h"
#include "core/camera/CameraCaptureService.h"
#include "core/camera/CameraHelperMessages.h"
#include "core/media/SharedPreviewSlots.h"
#include "core/time/TimeSource.h"
#include "platform/linux/camerahelper/PacketSocket.h"
#include "platform/linux/camerahelper/SharedMemory.h"

#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <optional>

namespace qv {

// The helper's side of the socket: one camera run as the application asks for it, its poses
// and reports sent back, its previews written to the memory the application shared, and a
// heartbeat so the application can tell a hung helper from a quiet camera. The session ends
// (onEnded) when the application says stop, closes its end or sends what no message is.
class HelperSession {
public:
    HelperSession(UniqueFd channel, CameraBackend& cameras, PoseDetectorLoader loadDetector,
                  TimeSource& time, std::function<void()> onEnded);
    ~HelperSession();

private:
    void readPackets();
    void handle(const camerahelper::ToHelper& message, UniqueFd passedFd);
    void startCapture(const camerahelper::StartCapture& message);
    void setPreview(const camerahelper::SetPreview& message, UniqueFd memory);
    void sendFrame(const PoseSnapshot& pose, const Image& preview);
    void report(camerahelper::RunReport::Kind kind, const QString& text);
    void send(const camerahelper::FromHelper& message);
    void end();

    PacketSocket socket_;
    CameraBackend& cameras_;
    PoseDetectorLoader loadDetector_;
    std::function<void()> onEnded_;
    std::unique_ptr<CameraCaptureService> capture_;
    std::unique_ptr<QSocketNotifier> readable_;
    ScheduledTask heartbeat_;
    int previewSide_ = 0;
    std::optional<SharedMemory> previewMemory_;
    SharedPreviewSlots previews_;
    bool ended_ = false;
};

} // namespace qv
