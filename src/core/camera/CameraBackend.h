// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/FrameSource.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

namespace qv {

// A camera as discovery reports it.
struct CameraDevice {
    QString id;   // stable across runs and reconnections
    QString name; // for people
    bool isBuiltIn = false;

    bool operator==(const CameraDevice&) const = default;
};

// The cameras of this computer: discovery, opening, and notice of cameras coming and going.
// Thread-safe: the capture service calls it from its own thread.
class CameraBackend {
public:
    using DevicesChanged = std::function<void()>;

    virtual ~CameraBackend() = default;

    // Called on the thread that made the backend before the capture service uses it from its
    // own. Finding cameras can load a whole media stack, so a backend may put it off until
    // now or until its first use on that thread.
    virtual void prepare() {}

    // The cameras present now, in the order the platform reports them.
    virtual QList<CameraDevice> devices() const = 0;
    // A source for the camera with this identifier (not started yet), or why there is none.
    virtual Result<std::unique_ptr<FrameSource>> open(const QString& id) = 0;
    // Another process has the camera open.
    virtual bool isInUseByAnotherProcess(const QString& id) const = 0;
    // Called, on any thread, whenever a camera appears or disappears; returns a handle that
    // stops the calls when destroyed.
    [[nodiscard]] virtual std::shared_ptr<void> watchDevices(DevicesChanged onChange) = 0;
};

} // namespace qv
