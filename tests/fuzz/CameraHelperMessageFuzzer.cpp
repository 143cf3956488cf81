// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary packets to the application's decoder of the camera helper's messages, as a
// compromised or confused helper could send them. Beyond crashes and sanitizer reports it
// checks that whatever decodes encodes back to a packet that decodes the same, and that a
// decoded preview reference never reads outside the shared slots.
#include "FuzzRequire.h"
#include "core/camera/CameraHelperMessages.h"
#include "core/media/SharedPreviewSlots.h"

#include <cstdint>
#include <vector>

using qv::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qv::camerahelper;
    const QByteArrayView packet(data, static_cast<qsizetype>(size));
    const auto decoded = decodeFromHelper(packet);
    if (!decoded) {
        require(!decoded.error().isEmpty());
        return 0;
    }
    const auto again = decodeFromHelper(encode(*decoded));
    require(again.ok());
    if (!std::holds_alternative<RunReport>(*decoded)) {
        // Texts may come back shorter: damaged UTF-8 is replaced, then cut to length.
        require(*again == *decoded);
    }
    if (const auto* frame = std::get_if<FrameAnalysed>(&*decoded); frame && frame->preview) {
        static std::vector<std::uint64_t> memory(qv::SharedPreviewSlots::bytesFor(64) / 8);
        const qv::SharedPreviewSlots previews(memory.data(), memory.size() * 8);
        if (const auto image = previews.read(*frame->preview)) {
            require(image->width() == frame->preview->width);
        }
    }
    return 0;
}
