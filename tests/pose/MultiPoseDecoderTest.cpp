// SPDX-License-Identifier: GPL-3.0-or-later
#include "pose/MultiPoseDecoder.h"

#include <gtest/gtest.h>
#include <limits>

using qv::pose::decodeMultiPose;
using qv::pose::HeadTensors;

namespace {

constexpr std::size_t grid = 8; // heat-map cells; the model input is 4 × 8 = 32 pixels
constexpr int keypoints = 17;

struct Heads {
    std::vector<float> centre = std::vector<float>(grid * grid, 0.01f);
    std::vector<float> heatmap = std::vector<float>(grid * grid * keypoints, 0.02f);
    std::vector<float> regression = std::vector<float>(grid * grid * 2 * keypoints, 0.0f);
    std::vector<float> offset = std::vector<float>(grid * grid * 2 * keypoints, 0.0f);
    std::vector<float> boxScale = std::vector<float>(grid * grid * 2, 0.0f);
    std::vector<float> boxOffset = std::vector<float>(grid * grid * 2, 0.0f);

    static std::size_t cell(std::size_t y, std::size_t x) { return y * grid + x; }

    // A person centred on (y, x) whose box spans `size` cells and whose keypoint k sits at
    // the given cell with heat `heat`.
    void addPerson(std::size_t y, std::size_t x, float strength, float size) {
        centre[cell(y, x)] = strength;
        boxScale[cell(y, x) * 2] = size;
        boxScale[cell(y, x) * 2 + 1] = size;
    }
    void placeKeypoint(std::size_t personY, std::size_t personX, int k, std::size_t y,
                       std::size_t x, float heat, float offsetY, float offsetX) {
        const std::size_t at = cell(personY, personX) * 2 * keypoints + 2 * k;
        regression[at] = static_cast<float>(y) - static_cast<float>(personY);
        regression[at + 1] = static_cast<float>(x) - static_cast<float>(personX);
        heatmap[cell(y, x) * keypoints + k] = heat;
        offset[cell(y, x) * 2 * keypoints + 2 * k] = offsetY;
        offset[cell(y, x) * 2 * keypoints + 2 * k + 1] = offsetX;
    }

    HeadTensors view() const {
        return {grid,
                grid,
                centre.data(),
                heatmap.data(),
                regression.data(),
                offset.data(),
                boxScale.data(),
                boxOffset.data()};
    }
};

} // namespace

// A keypoint heat peak outside the person's box belongs to someone else, however close to
// where the regression points; and a peak far from the regressed position counts for less
// than a weaker one close to it.
TEST(MultiPoseDecoderTest, KeepsKeypointsInsideTheirPersonsBoxAndNearTheRegression) {
    Heads heads;
    heads.addPerson(2, 2, 0.9f, 3.0f);                       // box covers cells 0.5 … 3.5
    heads.placeKeypoint(2, 2, 0, 4, 2, 0.99f, 0, 0);         // regressed to a cell outside
    heads.heatmap[Heads::cell(3, 2) * keypoints] = 0.3f;     // weaker, inside
    heads.heatmap[Heads::cell(1, 1) * keypoints + 1] = 0.9f; // strong, far from the regression
    heads.placeKeypoint(2, 2, 1, 3, 3, 0.6f, 0, 0);          // weaker, right where it points
    const auto candidates = decodeMultiPose(heads.view(), 32, 32);

    EXPECT_FLOAT_EQ(candidates[0][0], 3 * 4 / 32.0f);
    EXPECT_FLOAT_EQ(candidates[0][1], 2 * 4 / 32.0f);
    EXPECT_FLOAT_EQ(candidates[0][3], 3 * 4 / 32.0f);
    EXPECT_FLOAT_EQ(candidates[0][4], 3 * 4 / 32.0f);
}

// Two people: the stronger centre comes first, and each takes its own keypoints. A centre
// beside a stronger one within two cells is not a person of its own.
TEST(MultiPoseDecoderTest, SeparatesPeopleAndSuppressesNeighbouringCentres) {
    Heads heads;
    heads.addPerson(1, 1, 0.6f, 2.0f);
    heads.addPerson(6, 6, 0.8f, 2.0f);
    heads.centre[Heads::cell(6, 5)] = 0.7f; // next to the stronger centre
    heads.placeKeypoint(1, 1, 0, 1, 1, 0.9f, 0, 0);
    heads.placeKeypoint(6, 6, 0, 6, 6, 0.9f, 0, 0);
    const auto candidates = decodeMultiPose(heads.view(), 32, 32);

    EXPECT_FLOAT_EQ(candidates[0][0], 6 * 4 / 32.0f);
    EXPECT_FLOAT_EQ(candidates[1][0], 1 * 4 / 32.0f);
    EXPECT_GT(candidates[0][55], candidates[1][55]);
    for (std::size_t p = 2; p < candidates.size(); ++p) {
        EXPECT_LT(candidates[p][55], 0.05f) << p;
    }
}

// A damaged model file can compute NaN anywhere. Decoding must stay defined (the sanitizer
// build traps a NaN turned into a cell index) and a NaN centre must not become a person.
TEST(MultiPoseDecoderTest, DecodesNaNHeadsWithoutInventingAPerson) {
    Heads heads;
    heads.addPerson(4, 4, 0.9f, 4.0f);
    heads.placeKeypoint(4, 4, 0, 4, 4, 0.9f, 0, 0);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    heads.centre[Heads::cell(1, 1)] = nan;
    heads.boxScale[Heads::cell(0, 0) * 2] = nan; // the faint cells are candidates too
    heads.boxOffset[Heads::cell(0, 1) * 2 + 1] = nan;
    const auto candidates = decodeMultiPose(heads.view(), 32, 32);
    EXPECT_FLOAT_EQ(candidates[0][55], 0.9f * 0.9f) << "the real person still comes first";

    std::fill(heads.centre.begin(), heads.centre.end(), nan);
    std::fill(heads.boxScale.begin(), heads.boxScale.end(), nan);
    for (const auto& candidate : decodeMultiPose(heads.view(), 32, 32)) {
        EXPECT_FALSE(candidate[55] > 0.0f);
    }
}
