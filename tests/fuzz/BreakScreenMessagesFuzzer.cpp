// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary packets to both decoders of the break screen's messages: the application's,
// as a compromised or confused screen process could send them, and the screen's. Beyond
// crashes and sanitizer reports it checks that whatever decodes encodes back to a packet that
// decodes the same; texts must be valid UTF-8, so nothing may come back changed.
#include "FuzzRequire.h"
#include "core/breakscreen/BreakScreenMessages.h"

#include <cstdint>

using qv::fuzz::require;

namespace {

template <typename Decode> void checkTrip(Decode decode, QByteArrayView packet) {
    const auto decoded = decode(packet);
    if (!decoded) {
        require(!decoded.error().isEmpty());
        return;
    }
    const auto again = decode(qv::breakscreen::encode(*decoded));
    require(again.ok());
    require(*again == *decoded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qv::breakscreen;
    const QByteArrayView packet(data, static_cast<qsizetype>(size));
    checkTrip(decodeFromScreen, packet);
    checkTrip(decodeToScreen, packet);
    return 0;
}
