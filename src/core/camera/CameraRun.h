// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/media/Image.h"
#include "core/verification/ExerciseKind.h"
#include "core/verification/PoseSnapshot.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace qv {

// One run of the camera as the camera engine of a break sees it: the camera opens, poses
// arrive, trouble arrives as short messages, and the run ends for good. The pose work may run
// in this process or in another one; either way every handler is called on the thread that
// made the run, which is the only one that may call it.
class CameraRun {
public:
    struct Handlers {
        std::function<void(const PoseSnapshot&, const Image& preview)> frame;
        std::function<void(const QString&)> error;        // the run cannot go on
        std::function<void(const QString&)> notice;       // e.g. a substitute camera
        std::function<void(const QString&)> interruption; // the camera paused
        std::function<void()> interruptionEnded;
        std::function<void(const QString&)> diagnostic; // one line per start
    };

    virtual ~CameraRun() = default;

    // The owner installs the handlers before start().
    virtual void setHandlers(Handlers handlers) = 0;
    // Opens the camera in the background and returns at once. The exercise tells which of the
    // body's movements set how many frames are analysed.
    virtual void start(const std::optional<QString>& deviceID, ExerciseKind exercise) = 0;
    // Final: once it returns, no handler is called.
    virtual void stop() = 0;
    // The longer side, in pixels, of the preview a view shows of the camera; 0 while none is
    // shown, and then the frame handler gets a null image.
    virtual void setPreviewSize(int longerSide) = 0;
    // Another process held the camera when last looked at.
    virtual bool isBusy() const = 0;
};

// Makes the camera run of one break or practice run.
using CameraRunFactory = std::function<std::unique_ptr<CameraRun>()>;

} // namespace qv
