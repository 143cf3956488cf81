// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/media/SharedPreviewSlots.h"

#include <gtest/gtest.h>
#include <vector>

namespace qv {
namespace {

TEST(SharedPreviewSlots, APictureOverwrittenBeforeItIsReadIsDropped) {
    std::vector<std::uint64_t> memory(SharedPreviewSlots::bytesFor(16) / 8 + 8);
    SharedPreviewSlots writer(memory.data(), memory.size() * 8);
    const SharedPreviewSlots reader(memory.data(), memory.size() * 8);

    Image first(16, 12);
    first.row(3)[5] = 200;
    const auto firstRef = writer.write(first);
    ASSERT_TRUE(firstRef);
    EXPECT_EQ(reader.read(*firstRef), first);

    Image second(12, 16);
    const auto secondRef = writer.write(second);
    ASSERT_TRUE(secondRef);
    EXPECT_NE(secondRef->slot, firstRef->slot);
    EXPECT_EQ(reader.read(*firstRef), first) << "the other slot is left alone";
    EXPECT_TRUE(writer.write(Image(4, 4))); // reuses the first picture's slot
    EXPECT_FALSE(reader.read(*firstRef));
    EXPECT_EQ(reader.read(*secondRef), second);

    EXPECT_FALSE(writer.write(Image(17, 17))) << "larger than the slots";
    for (PreviewRef bad : {PreviewRef{2, secondRef->sequence, 12, 16},
                           PreviewRef{secondRef->slot, secondRef->sequence, 17, 17},
                           PreviewRef{secondRef->slot, secondRef->sequence - 1, 12, 16}}) {
        EXPECT_FALSE(reader.read(bad));
    }
    EXPECT_TRUE(SharedPreviewSlots(nullptr, 4096).isNull());
}

} // namespace
} // namespace qv
