#pragma once

#include "core/camera/CameraAuthorization.h"

#include <functional>
#include <memory>

namespace qv {
class CameraBackend;
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

} // namespace qv::platformBackends
