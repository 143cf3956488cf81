// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraAuthorization.h"

#include <functional>

namespace qv {

// Whether this program may use the camera, and the platform's prompt where it has one.
class CameraAccess {
public:
    virtual ~CameraAccess() = default;
    virtual CameraAuthorization status() const = 0;
    // Only asked while the status is notDetermined. The answer may arrive on any thread.
    virtual void requestAccess(std::function<void(bool granted)> answer) = 0;
};

// The desktop's own settings pages.
class SystemSettingsOpener {
public:
    virtual ~SystemSettingsOpener() = default;
    // Open the camera privacy settings, or the notification settings; each does nothing when
    // the desktop has no such page.
    virtual void openCameraSettings() = 0;
    virtual void openNotificationSettings() = 0;
};

} // namespace qv
