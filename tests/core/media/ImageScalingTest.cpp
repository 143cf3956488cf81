// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/media/ImageScaling.h"

#include <gtest/gtest.h>

namespace {

qv::Image stripes(int width, int height) {
    qv::Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.row(y) + x * 3;
            p[0] = x % 2 == 0 ? 255 : 0; // alternate columns
            p[1] = 100;
            p[2] = static_cast<std::uint8_t>(y % 256);
        }
    }
    return image;
}

} // namespace

TEST(ImageScaling, EachPixelIsTheMeanOfTheAreaItCovers) {
    const qv::Image out = qv::scaledToFit(stripes(1920, 1080), 960);
    for (int y : {0, 100, 539}) {
        for (int x : {0, 480, 959}) {
            const std::uint8_t* p = out.row(y) + x * 3;
            EXPECT_NEAR(p[0], 128, 1); // one red and one black column each
            EXPECT_EQ(p[1], 100);
            EXPECT_NEAR(p[2], (2 * y % 256 + (2 * y + 1) % 256) / 2.0, 1);
        }
    }
}

TEST(ImageScaling, MirroringSwapsWholePixelsAcrossTheMiddle) {
    for (int width : {1, 2, 3, 67}) { // 67 runs the vector loop and its tail
        qv::Image image(width, 2);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < width; ++x) {
                std::uint8_t* p = image.row(y) + x * 3;
                p[0] = static_cast<std::uint8_t>(x);
                p[1] = static_cast<std::uint8_t>(100 + y);
                p[2] = static_cast<std::uint8_t>(255 - x);
            }
        }
        qv::mirrorHorizontally(image);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::uint8_t* p = image.row(y) + x * 3;
                const int from = width - 1 - x;
                ASSERT_EQ(p[0], from) << width << ": " << x << "," << y;
                ASSERT_EQ(p[1], 100 + y) << width << ": " << x << "," << y;
                ASSERT_EQ(p[2], 255 - from) << width << ": " << x << "," << y;
            }
        }
    }
}
