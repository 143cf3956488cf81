#pragma once

#include "core/camera/CameraAuthorization.h"

#include <functional>
#include <memory>

namespace qv {
class CameraAccess;
class CameraBackend;
class NotificationService;
class SmartPauseProbing;
class SystemSettingsOpener;
class LoginItemService;
class SoundOutput;
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

} // namespace qv::platformBackends
