// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraHelperMessages.h"
#include "core/camera/CameraRun.h"
#include "core/media/SharedPreviewSlots.h"
#include "core/time/TimeSource.h"
#include "platform/linux/camerahelper/ChildProcess.h"
#include "platform/linux/camerahelper/PacketSocket.h"
#include "platform/linux/camerahelper/SharedMemory.h"

#include <QSocketNotifier>
#include <QStringList>
#include <memory>
#include <optional>

namespace qv {

// How to start the camera helper program.
struct CameraHelperLaunch {
    QString program;
    QStringList arguments;
};

// A camera run whose camera, pose engine and preview pictures live in a helper process of
// their own, started for this run and ended with it. Poses arrive through a socket, previews
// through shared memory. The helper's crash, hang or nonsense ends the run as camera trouble
// within silenceLimitSeconds; this process never waits on the helper.
class HelperProcessCameraRun final : public CameraRun {
public:
    // Seconds a helper has to end by itself before it is killed.
    static constexpr double endGraceSeconds = 1.0;

    HelperProcessCameraRun(TimeSource& time, CameraHelperLaunch launch);
    ~HelperProcessCameraRun() override;

    void setHandlers(Handlers handlers) override;
    void start(const std::optional<QString>& deviceID, ExerciseKind exercise) override;
    void stop() override;
    void setPreviewSize(int longerSide) override;
    bool isBusy() const override { return cameraBusy_; }

    // The helper's process while it runs; 0 otherwise. For tests and benchmarks.
    pid_t helperPid() const { return child_.pid(); }

private:
    void readPackets();
    void handle(const camerahelper::FromHelper& message);
    void handleFrame(const camerahelper::FrameAnalysed& frame);
    void handleReport(const camerahelper::RunReport& report);
    void checkSilence();
    bool send(const camerahelper::ToHelper& message, int passedFd = -1);
    void sendPreviewSize();
    // The helper is gone or not to be trusted: the run ends as a camera failure.
    void fail(const QString& logLine);
    void shutDown();

    TimeSource& time_;
    const CameraHelperLaunch launch_;
    Handlers handlers_;
    ChildProcess child_;
    PacketSocket socket_;
    std::unique_ptr<QSocketNotifier> readable_;
    ScheduledTask silenceCheck_;
    double lastHeardAt_ = 0;
    bool cameraBusy_ = false;
    bool stopped_ = false;
    int previewSide_ = 0;
    std::optional<SharedMemory> previewMemory_;
    SharedPreviewSlots previews_;
    // Expires with the run, so code after a handler can tell whether it still lives.
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

} // namespace qv
