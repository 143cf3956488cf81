// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/PacketReader.h"
#include "core/base/PacketWriter.h"

#include <cstdint>
#include <optional>

namespace qv {

// A side of a preview no view asks for; anything larger is a damaged message.
inline constexpr int maxPreviewSide = 4096;

// Where a frame's preview waits in memory shared between two processes: the slot and the
// sequence number its writer stamped on it, so a reader can tell a finished picture from one
// being overwritten.
struct PreviewRef {
    std::uint32_t slot = 0;
    std::uint32_t sequence = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PreviewRef&) const = default;
};

// A mark for whether a preview comes along, then the reference. Sizes travel as 16 bits.
void writePreview(PacketWriter& writer, const std::optional<PreviewRef>& preview);
// Refuses a size of nothing or beyond maxPreviewSide.
std::optional<PreviewRef> readPreview(PacketReader& reader);

} // namespace qv
