// SPDX-License-Identifier: GPL-3.0-or-later
#include "pose/SinglePoseDecoder.h"

#include <cmath>

namespace qv::pose {

namespace {

constexpr std::size_t keypointCount = 17;
// Added to a distance in cells before dividing by it, as the graph does, so that the cell
// at distance 0 does not take everything.
constexpr float distanceBias = 1.7998046875f;

// The first cell whose weight is the greatest, as an arg-max finds it; NaN never wins.
template <typename Weight> std::size_t strongestCell(std::size_t cells, Weight weight) {
    std::size_t best = 0;
    float bestValue = -INFINITY;
    for (std::size_t cell = 0; cell < cells; ++cell) {
        const float value = weight(cell);
        if (value > bestValue) {
            bestValue = value;
            best = cell;
        }
    }
    return best;
}

float distance(float y, float x, float fromY, float fromX) {
    return std::sqrt((y - fromY) * (y - fromY) + (x - fromX) * (x - fromX));
}

} // namespace

SinglePose decodeSinglePose(const SinglePoseHeads& heads) {
    const std::size_t w = heads.width;
    const std::size_t cells = heads.height * w;
    const auto middleY = static_cast<float>(heads.height / 2);
    const auto middleX = static_cast<float>(w / 2);
    const std::size_t centre = strongestCell(cells, [&](std::size_t cell) {
        const auto y = static_cast<float>(cell / w);
        const auto x = static_cast<float>(cell % w);
        return heads.centre[cell] / (distance(y, x, middleY, middleX) + distanceBias);
    });
    const auto centreY = static_cast<float>(centre / w);
    const auto centreX = static_cast<float>(centre % w);
    std::array<float, 2 * keypointCount> regression{};
    heads.keypointRegression(centre, regression.data());

    SinglePose pose{};
    std::array<float, 2 * keypointCount> offset{};
    for (std::size_t k = 0; k < keypointCount; ++k) {
        const float aimY = centreY + regression[2 * k];
        const float aimX = centreX + regression[2 * k + 1];
        const auto heat = [&](std::size_t cell) {
            return heads.keypointHeatmap[cell * keypointCount + k];
        };
        const std::size_t best = strongestCell(cells, [&](std::size_t cell) {
            const auto y = static_cast<float>(cell / w);
            const auto x = static_cast<float>(cell % w);
            return heat(cell) / (distance(y, x, aimY, aimX) + distanceBias);
        });
        heads.keypointOffset(best, offset.data());
        pose[3 * k] =
            (static_cast<float>(best / w) + offset[2 * k]) / static_cast<float>(heads.height);
        pose[3 * k + 1] =
            (static_cast<float>(best % w) + offset[2 * k + 1]) / static_cast<float>(w);
        pose[3 * k + 2] = heat(best);
    }
    return pose;
}

} // namespace qv::pose
