// SPDX-License-Identifier: GPL-3.0-or-later
#include "pose/SinglePoseDecoder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

using qv::pose::decodeSinglePose;
using qv::pose::SinglePoseHeads;

namespace {

constexpr std::size_t grid = 12; // heat-map cells; the model input is 4 × 12 = 48 pixels
constexpr std::size_t keypoints = 17;

struct Heads {
    std::vector<float> centre = std::vector<float>(grid * grid, 0.01f);
    std::vector<float> heatmap = std::vector<float>(grid * grid * keypoints, 0.02f);
    std::vector<float> regression = std::vector<float>(grid * grid * 2 * keypoints, 0.0f);
    std::vector<float> offset = std::vector<float>(grid * grid * 2 * keypoints, 0.0f);

    static std::size_t cell(std::size_t y, std::size_t x) { return y * grid + x; }

    // Keypoint k of the person centred on (cy, cx) is regressed to the cell (y, x).
    void aim(std::size_t cy, std::size_t cx, std::size_t k, std::size_t y, std::size_t x) {
        const std::size_t at = cell(cy, cx) * 2 * keypoints + 2 * k;
        regression[at] = static_cast<float>(y) - static_cast<float>(cy);
        regression[at + 1] = static_cast<float>(x) - static_cast<float>(cx);
    }
    void heat(std::size_t k, std::size_t y, std::size_t x, float value) {
        heatmap[cell(y, x) * keypoints + k] = value;
    }

    SinglePoseHeads view() const {
        const auto cells = [](const std::vector<float>& head) {
            return [&head](std::size_t cell, float* values) {
                std::copy_n(head.begin() + static_cast<std::ptrdiff_t>(cell * 2 * keypoints),
                            2 * keypoints, values);
            };
        };
        return {grid, grid, centre.data(), heatmap.data(), cells(regression), cells(offset)};
    }
};

} // namespace

// The model is shown a crop with its person in the middle: of two equally strong centres the
// one nearer the middle is the person, and a clearly stronger one further out still wins.
TEST(SinglePoseDecoderTest, PrefersThePersonNearTheMiddleUnlessAnotherIsMuchStronger) {
    Heads heads;
    heads.centre[Heads::cell(6, 7)] = 0.6f; // one cell from the middle (6, 6)
    heads.centre[Heads::cell(1, 1)] = 0.6f;
    heads.aim(6, 7, 0, 3, 7);
    heads.aim(1, 1, 0, 1, 2);
    heads.heat(0, 3, 7, 0.9f);
    heads.heat(0, 1, 2, 0.9f);
    EXPECT_NEAR(decodeSinglePose(heads.view())[0], 3.0f / grid, 1e-6f);

    heads.centre[Heads::cell(1, 1)] = 0.99f;
    heads.centre[Heads::cell(6, 7)] = 0.1f;
    EXPECT_NEAR(decodeSinglePose(heads.view())[0], 1.0f / grid, 1e-6f);
}

// A keypoint is the hot cell near where the centre says it should be, not the hottest cell
// anywhere (another person's wrist); its position is refined by the offset and its score is
// the heat there.
TEST(SinglePoseDecoderTest, TakesTheKeypointNearItsRegressedPlaceWithItsOffset) {
    Heads heads;
    heads.centre[Heads::cell(6, 6)] = 0.8f;
    const std::size_t wrist = 9;
    heads.aim(6, 6, wrist, 2, 9);
    heads.heat(wrist, 2, 8, 0.5f);  // one cell from where it is aimed
    heads.heat(wrist, 10, 1, 0.7f); // hotter, but far away
    heads.offset[Heads::cell(2, 8) * 2 * keypoints + 2 * wrist] = 0.25f;
    heads.offset[Heads::cell(2, 8) * 2 * keypoints + 2 * wrist + 1] = -0.5f;

    const auto pose = decodeSinglePose(heads.view());
    EXPECT_NEAR(pose[3 * wrist], 2.25f / grid, 1e-6f);
    EXPECT_NEAR(pose[3 * wrist + 1], 7.5f / grid, 1e-6f);
    EXPECT_FLOAT_EQ(pose[3 * wrist + 2], 0.5f);
}

// A damaged model's NaN must not pick a cell: the decoder still names real cells.
TEST(SinglePoseDecoderTest, StaysOnTheGridWhenTheHeadsHoldNaN) {
    Heads heads;
    std::fill(heads.centre.begin(), heads.centre.end(), std::numeric_limits<float>::quiet_NaN());
    std::fill(heads.regression.begin(), heads.regression.end(),
              std::numeric_limits<float>::quiet_NaN());
    const auto pose = decodeSinglePose(heads.view());
    for (std::size_t k = 0; k < keypoints; ++k) {
        EXPECT_GE(pose[3 * k], 0.0f);
        EXPECT_LE(pose[3 * k], 1.0f);
    }
}
