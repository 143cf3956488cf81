#pragma once

#include <memory>

namespace qv {
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

} // namespace qv::platformBackends
