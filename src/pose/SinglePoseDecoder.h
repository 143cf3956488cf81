// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <functional>

namespace qv::pose {

// Writes the values a head holds at one cell (row × width + column) to `values`. The decoder
// reads the regression and offset heads at a few cells only, so they need not exist whole.
using HeadCell = std::function<void(std::size_t cell, float* values)>;

// The four heads of the single-person model over the heat-map grid (a quarter of the input
// size); the centre and heat map as tensors [height, width, channels].
struct SinglePoseHeads {
    std::size_t height = 0;
    std::size_t width = 0;
    const float* centre = nullptr;          // 1 channel, after the sigmoid
    const float* keypointHeatmap = nullptr; // 17 channels, after the sigmoid
    HeadCell keypointRegression;            // 34: (dy, dx) from the centre per keypoint
    HeadCell keypointOffset;                // 34: (dy, dx) within the heat-map cell
};

// 17 × (y, x, score); positions normalised over the model's input square, y down.
using SinglePose = std::array<float, 51>;

// Decodes the heads as the original graph's post-processing does: the person is the centre
// cell that is strongest once weighted towards the middle of the input (the model expects
// its person there); each keypoint is the heat-map cell that is strongest once weighted by
// its closeness to the position regressed from that centre, refined by its offset. The score
// is the heat at that cell.
SinglePose decodeSinglePose(const SinglePoseHeads& heads);

} // namespace qv::pose
