// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace qv::pose {

// What the multi-person model's graph returns per candidate person, in the graph's own layout:
// 17 × (y, x, score), then the box (ymin, xmin, ymax, xmax), then the person score. Positions
// are normalised over the model's input square, y down.
inline constexpr int candidateValueCount = 56;
using Candidate = std::array<float, candidateValueCount>;

// The six head tensors of the trunk, each [height, width, channels] over the heat-map grid
// (a quarter of the input size).
struct HeadTensors {
    std::size_t height = 0;
    std::size_t width = 0;
    const float* centre = nullptr;             // 1 channel, after the sigmoid
    const float* keypointHeatmap = nullptr;    // 17 channels, after the sigmoid
    const float* keypointRegression = nullptr; // 34: (dy, dx) from the centre per keypoint
    const float* keypointOffset = nullptr;     // 34: (dy, dx) within the heat-map cell
    const float* boxScale = nullptr;           // 2: (height, width)
    const float* boxOffset = nullptr;          // 2: (dy, dx)
};

// Decodes the heads the way the original graph's post-processing does: the strongest local
// maxima of the centre map become candidates; each keypoint is the heat-map peak inside the
// candidate's box, weighted by its distance from the regressed position, refined by its
// offset. Written out in C++ because the graph's gather and top-k steps have no XNNPACK
// equivalent; the arithmetic follows the graph step by step in single precision so that
// the result matches a run of the whole graph.
std::vector<Candidate> decodeMultiPose(const HeadTensors& heads, std::size_t inputHeight,
                                       std::size_t inputWidth);

} // namespace qv::pose
