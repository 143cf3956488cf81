// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/breakscreen/BreakScreenMessages.h"
#include "core/breakscreen/LockController.h"
#include "core/media/SharedPreviewSlots.h"
#include "core/time/TimeSource.h"
#include "platform/linux/camerahelper/ChildProcess.h"
#include "platform/linux/camerahelper/PacketSocket.h"
#include "platform/linux/camerahelper/SharedMemory.h"
#include "platform/linux/screenhelper/ModelChanges.h"

#include <QObject>
#include <QSocketNotifier>
#include <QStringList>
#include <memory>
#include <optional>

namespace qv {

// How to start the break screen's program.
struct ScreenHelperLaunch {
    QString program;
    QStringList arguments;
};

// Shows the break screen from a process of its own, started for the break and ended with it,
// so that what drawing it loads (Qt Quick, its heap, the fonts' caches) leaves with that
// process instead of staying in this one all day. The process gets a copy of the model's state
// whenever it changes and sends back what the user does on the break screen.
//
// A process that cannot start, crashes, hangs or sends nonsense is given up within
// breakscreen::silenceLimitSeconds, and the break goes on in the fallback for the rest of it:
// the screen stays covered, and an escape or the safety release still ends it.
class ScreenProcessLock final : public LockController {
public:
    // Seconds the process has after the end of a break to finish its fade-out.
    static constexpr double retireDelaySeconds = 0.5;
    // And then to end by itself before it is killed.
    static constexpr double endGraceSeconds = 1.0;

    ScreenProcessLock(TimeSource& time, ScreenHelperLaunch launch, LockController& fallback);
    ~ScreenProcessLock() override;

    void lock(BreakOverlayModel& model) override;
    void release(bool animated) override;
    bool isLocked() const override { return locked_; }

    // The break screen's process while it runs; 0 otherwise. For tests and benchmarks.
    pid_t helperPid() const { return child_.pid(); }
    // Whether this break went on in the fallback.
    bool isFallingBack() const { return fallingBack_; }

private:
    void follow(BreakOverlayModel& model);
    void unfollow();
    void endBreak(bool animated);
    bool startHelper();
    void scheduleUpdate();
    void sendState(bool show);
    std::optional<PreviewRef> sharePreview();
    bool ensurePreviewMemory(const Image& picture);
    bool send(const breakscreen::ToScreen& message, int passedFd = -1);
    void readPackets();
    void handle(const breakscreen::FromScreen& message);
    void checkSilence();
    // The process is gone or not to be trusted: the break goes on in the fallback.
    void fail(const QString& logLine);
    void retire();
    void shutDown(double graceSeconds);

    TimeSource& time_;
    const ScreenHelperLaunch launch_;
    LockController& fallback_;
    bool locked_ = false;
    // The locked model; null once it is gone, should it go before the break's end.
    BreakOverlayModel* model_ = nullptr;
    // Holds the connections to the locked model, which end with it.
    std::unique_ptr<ModelChanges> following_;
    bool updatePending_ = false;
    bool previewChanged_ = false;
    std::optional<PreviewRef> lastPreview_;
    // Stands for the process's windows in the model's record of who shows a preview.
    QObject previewViewer_;
    ChildProcess child_;
    PacketSocket socket_;
    std::unique_ptr<QSocketNotifier> readable_;
    ScheduledTask silenceCheck_;
    ScheduledTask pendingUpdate_;
    ScheduledTask retirement_;
    double lastHeardAt_ = 0;
    bool fallingBack_ = false;
    std::optional<SharedMemory> previewMemory_;
    SharedPreviewSlots previews_;
    // Expires with the lock's current process, so code after a call out can tell it was
    // given up meanwhile.
    std::shared_ptr<int> generation_ = std::make_shared<int>(0);
};

} // namespace qv
