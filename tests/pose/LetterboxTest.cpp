// SPDX-License-Identifier: GPL-3.0-or-later
#include "pose/Letterbox.h"

#include <algorithm>
#include <gtest/gtest.h>

using qv::Image;
using qv::pose::fillLetterbox;
using qv::pose::fitLetterbox;

TEST(LetterboxTest, CopiesThePictureIntoTheMiddleAndLeavesTheBarsBlack) {
    Image image(64, 32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            std::uint8_t* pixel = image.row(y) + x * 3;
            pixel[0] = 200;
            pixel[1] = static_cast<std::uint8_t>(x < 32 ? 0 : 255); // left half dark green
            pixel[2] = 7;
        }
    }
    const auto box = fitLetterbox(image.width(), image.height(), 32); // 32 × 16 at row 8
    std::vector<float> out(32 * 32 * 3, -1.0f);
    fillLetterbox(image, box, out.data());
    const auto at = [&](int x, int y, int c) {
        return out[static_cast<std::size_t>((y * 32 + x) * 3 + c)];
    };

    for (int x = 0; x < 32; ++x) {
        EXPECT_EQ(at(x, 7, 0), 0.0f);
        EXPECT_EQ(at(x, 24, 0), 0.0f);
        EXPECT_EQ(at(x, 8, 0), 200.0f);
        EXPECT_EQ(at(x, 23, 2), 7.0f);
    }
    EXPECT_EQ(at(0, 16, 1), 0.0f);
    EXPECT_EQ(at(31, 16, 1), 255.0f);
    // The two halves meet between the middle columns.
    EXPECT_GT(at(16, 16, 1), at(15, 16, 1));
}

TEST(LetterboxTest, LeavesAnEmptyImageAllBlack) {
    const auto box = fitLetterbox(0, 0, 32);
    std::vector<float> out(32 * 32 * 3, -1.0f);
    fillLetterbox(Image(), box, out.data());
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float v) { return v == 0.0f; }));
    EXPECT_DOUBLE_EQ(box.imageX(0.5), 0.0);
}

// The crop the follower asks for is sampled from the picture at its place and scale, black
// where it reaches past the picture, and a position found in it maps back to that place.
TEST(LetterboxTest, SamplesACropAndMapsItsPositionsBack) {
    Image image(40, 20);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            std::uint8_t* pixel = image.row(y) + x * 3;
            pixel[0] = static_cast<std::uint8_t>(x);
            pixel[1] = static_cast<std::uint8_t>(y);
            pixel[2] = 100;
        }
    }
    // Pixels 30 … 45 across and -4 … 11 down, at one sample a pixel.
    const qv::CropSquare crop{38, 4, 16};
    std::vector<float> out(16 * 16 * 3, -1.0f);
    qv::pose::fillCrop(image, crop, 16, out.data());
    const auto at = [&](int x, int y, int c) {
        return out[static_cast<std::size_t>((y * 16 + x) * 3 + c)];
    };
    EXPECT_EQ(at(0, 4, 0), 30.0f);
    EXPECT_EQ(at(0, 4, 1), 0.0f);
    EXPECT_EQ(at(9, 15, 0), 39.0f);
    EXPECT_EQ(at(9, 15, 1), 11.0f);
    EXPECT_EQ(at(10, 8, 2), 0.0f); // right of the picture
    EXPECT_EQ(at(3, 3, 2), 0.0f);  // above it

    EXPECT_DOUBLE_EQ(qv::pose::cropToImage(0.5, crop.centreX, crop.side, image.width()), 38.0 / 40);
    EXPECT_DOUBLE_EQ(qv::pose::cropToImage(0.0, crop.centreY, crop.side, image.height()),
                     -4.0 / 20);
}
