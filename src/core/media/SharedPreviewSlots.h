// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/media/Image.h"
#include "core/media/PreviewRef.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace qv {

// Preview pictures in memory shared between two processes, one writing and one reading, so
// pictures never travel through a message socket. Two slots take turns; each starts with a
// sequence number that is odd while its picture is being written, so the reader can tell a
// finished picture from one being overwritten under it and drops the latter. The memory itself is
// the owner's; this only lays it out.
class SharedPreviewSlots {
public:
    static constexpr int slotCount = 2;

    // The bytes to share for previews up to this longer side.
    static std::size_t bytesFor(int longerSide);

    SharedPreviewSlots() = default;
    SharedPreviewSlots(void* memory, std::size_t size);

    bool isNull() const { return memory_ == nullptr; }

    // Writer: copies the picture into the next slot; none when it does not fit.
    std::optional<PreviewRef> write(const Image& picture);
    // Reader: a copy of the picture the reference names, or none when the reference is out of
    // range or the slot has been written again meanwhile.
    std::optional<Image> read(const PreviewRef& ref) const;

private:
    static constexpr std::size_t headerBytes = 16;

    std::byte* slot(std::uint32_t index) const;
    std::size_t pixelBytes() const { return slotBytes_ - headerBytes; }

    std::byte* memory_ = nullptr;
    std::size_t slotBytes_ = 0;
    std::uint32_t written_ = 0;
};

} // namespace qv
