// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraAuthorization.h"
#include "core/camera/CameraBackend.h"
#include "core/coordination/CameraAccess.h"

#include <QString>
#include <functional>
#include <memory>

namespace qv {
class BreakScreenHold;
class ForeignWindowFocus;
class NotificationService;
class SmartPauseProbing;
class SystemSettingsOpener;
class LoginItemService;
class SoundOutput;
class TimeSource;
class UpdateFeed;
} // namespace qv

// The one place that picks the implementation of each platform capability for this build,
// save capture, which mediaBackends picks (platform/MediaBackends.h) for the processes that
// capture.
namespace qv::platformBackends {

std::unique_ptr<LoginItemService> makeLoginItemService();
// The release feed at the address fixed when this copy was built.
std::unique_ptr<UpdateFeed> makeUpdateFeed();
std::unique_ptr<SoundOutput> makeSoundOutput();
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

// Cameras, with the permission to use them.
struct Cameras {
    std::unique_ptr<CameraBackend> backend;
    std::unique_ptr<CameraAccess> access;
    CameraAuthorizationCheck authorization;
};
// The cameras the application lists and watches: this computer's, as the kernel lists them;
// or, when videoFile is given, that file as the only camera (for demonstrations and for tests
// of a whole break without a webcam). Capture is the camera helper's work, so nothing here
// opens a camera and the application never loads a media framework. Make it on the main
// thread.
Cameras makeListedCameras(const QString& videoFile = {});
// backend with the permission to use it: this computer's, or none for a video file.
Cameras withPermission(std::unique_ptr<CameraBackend> backend, const QString& videoFile);

// Which window of another program has focus, so the break screen can hand it back; null where
// the desktop does not say (Wayland).
std::unique_ptr<ForeignWindowFocus> makeForeignWindowFocus();

// What keeps the break windows (titled windowTitle) in front on this desktop, and what it can
// promise. A desktop that holds them for us lets go by itself after safetySeconds, should this
// process hang. Make it after the application object, on the main thread.
std::unique_ptr<BreakScreenHold> makeBreakScreenHold(TimeSource& time, const QString& windowTitle,
                                                     double safetySeconds);

} // namespace qv::platformBackends
