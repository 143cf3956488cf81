// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/verification/VerificationProgress.h"

#include <functional>

namespace qv {

// What runs a break to its end: the camera engine or the timed break. Engines are held by
// their owner and compared by identity; the owner sets the callbacks, calls start() once and,
// after completion, stop(). Callbacks run on the main thread and may come from inside start().
class VerificationEngine {
public:
    VerificationEngine() = default;
    virtual ~VerificationEngine() = default;
    VerificationEngine(const VerificationEngine&) = delete;
    VerificationEngine& operator=(const VerificationEngine&) = delete;

    // Every progress value; completion arrives as Completed followed by one onCompletion.
    std::function<void(const VerificationProgress&)> onProgress;
    std::function<void()> onCompletion;

    // Begins, or begins again from scratch.
    virtual void start() = 0;
    // Cancels all pending work; allowed at any time, also before start() or twice.
    virtual void stop() = 0;
    // The longer side, in device pixels, of the picture a view shows of the camera; 0 while it
    // shows none. Only an engine that watches through a camera makes pictures.
    virtual void setPreviewSize(int longerSide) { (void)longerSide; }

protected:
    // Both are safe when the owner's callback destroys the engine: the callback is copied
    // before it runs. The caller must not touch the engine afterwards unless it knows the
    // engine still lives.
    void reportProgress(const VerificationProgress& value) const {
        if (auto callback = onProgress) {
            callback(value);
        }
    }
    void reportCompletion() const {
        if (auto callback = onCompletion) {
            callback();
        }
    }
};

} // namespace qv
