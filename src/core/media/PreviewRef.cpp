// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/media/PreviewRef.h"

namespace qv {

void writePreview(PacketWriter& writer, const std::optional<PreviewRef>& preview) {
    writer.putFlag(preview.has_value());
    if (preview) {
        writer.put32(preview->slot);
        writer.put32(preview->sequence);
        writer.put16(static_cast<std::uint16_t>(preview->width));
        writer.put16(static_cast<std::uint16_t>(preview->height));
    }
}

std::optional<PreviewRef> readPreview(PacketReader& reader) {
    const std::uint8_t has = reader.get8();
    if (has > 1) {
        reader.fail("a frame's preview mark is neither yes nor no");
    }
    if (has != 1) {
        return std::nullopt;
    }
    PreviewRef preview;
    preview.slot = reader.get32();
    preview.sequence = reader.get32();
    preview.width = reader.get16();
    preview.height = reader.get16();
    if (preview.width <= 0 || preview.height <= 0 || preview.width > maxPreviewSide ||
        preview.height > maxPreviewSide) {
        reader.fail("a preview's size is out of range");
    }
    return preview;
}

} // namespace qv
