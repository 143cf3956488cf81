// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraAuthorization.h"

#include <QString>
#include <functional>
#include <memory>

namespace qv {
class BreakScreenHold;
class CameraAccess;
class CameraBackend;
class ForeignWindowFocus;
class NotificationService;
class SmartPauseProbing;
class SystemSettingsOpener;
class LoginItemService;
class SoundOutput;
class TimeSource;
class UpdateFeed;
} // namespace qv

// The one place that picks the implementation of each platform capability for this build.
namespace qv::platformBackends {

std::unique_ptr<LoginItemService> makeLoginItemService();
// The release feed at the address fixed when this copy was built.
std::unique_ptr<UpdateFeed> makeUpdateFeed();
std::unique_ptr<SoundOutput> makeSoundOutput();
// The cameras of this computer. Make it on the main thread; clock gives the monotonic seconds
// frames are stamped with and must be safe to call from any thread.
std::unique_ptr<CameraBackend> makeCameraBackend(std::function<double()> clock);
// Whether the camera may be used, as this platform decides it.
CameraAuthorization cameraAuthorizationStatus();

// The desktop's notification server, for the heads-up before a break. Make it on the main
// thread; its answers arrive there.
std::unique_ptr<NotificationService> makeNotificationService();
// Smart pause's readings: microphone and camera in use, seconds since the last input.
std::unique_ptr<SmartPauseProbing> makeSmartPauseProbes();
// The camera permission, with the platform's prompt where it has one.
std::unique_ptr<CameraAccess> makeCameraAccess();
// The desktop's settings pages.
std::unique_ptr<SystemSettingsOpener> makeSettingsOpener();

// The cameras a run uses, with the permission to use them.
struct Cameras {
    std::unique_ptr<CameraBackend> backend;
    std::unique_ptr<CameraAccess> access;
    CameraAuthorizationCheck authorization;
};
// This computer's cameras; or, when videoFile is given, that file as the only camera, which
// needs no permission (for demonstrations and for tests of a whole break without a webcam).
Cameras makeCameras(std::function<double()> clock, const QString& videoFile = {});

// Which window of another program has focus, so the break screen can hand it back; null where
// the desktop does not say (Wayland).
std::unique_ptr<ForeignWindowFocus> makeForeignWindowFocus();

// What keeps the break windows (titled windowTitle) in front on this desktop, and what it can
// promise. A desktop that holds them for us lets go by itself after safetySeconds, should this
// process hang. Make it after the application object, on the main thread.
std::unique_ptr<BreakScreenHold> makeBreakScreenHold(TimeSource& time, const QString& windowTitle,
                                                     double safetySeconds);

} // namespace qv::platformBackends
