// SPDX-License-Identifier: GPL-3.0-or-later
#include "pose/MultiPoseDecoder.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace qv::pose {

namespace {

constexpr int keypointCount = 17;
constexpr std::size_t candidateCount = 6;
constexpr int centrePoolRadius = 2; // a 5×5 max pool finds the local maxima
constexpr float localMaximumTolerance = 1.0132789611816406e-06f;
constexpr float keypointSpreadPerCell = 0.300048828125f; // of the smaller grid side
constexpr float countedKeypointScore = 0.126953125f;     // above this a keypoint counts

struct Box {
    float top = 0;
    float left = 0;
    float bottom = 0;
    float right = 0;

    bool contains(float y, float x) const {
        return y >= top && y < bottom && x >= left && x < right;
    }
};

// The centre map with everything that is not a local maximum of its 5×5 neighbourhood
// (TensorFlow's max pool with SAME padding ignores the padding) set to zero.
std::vector<float> localMaxima(const HeadTensors& heads) {
    const auto h = static_cast<int>(heads.height);
    const auto w = static_cast<int>(heads.width);
    std::vector<float> peaks(heads.height * heads.width, 0.0f);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float pooled = -INFINITY;
            for (int dy = -centrePoolRadius; dy <= centrePoolRadius; ++dy) {
                for (int dx = -centrePoolRadius; dx <= centrePoolRadius; ++dx) {
                    const int yy = y + dy;
                    const int xx = x + dx;
                    if (yy >= 0 && yy < h && xx >= 0 && xx < w) {
                        pooled = std::max(pooled, heads.centre[yy * w + xx]);
                    }
                }
            }
            const float value = heads.centre[y * w + x];
            // A damaged model can put NaN here; it must never reach the sort as a peak.
            const bool isPeak = std::fabs(value - pooled) < localMaximumTolerance;
            peaks[static_cast<std::size_t>(y * w + x)] = isPeak ? value : 0.0f;
        }
    }
    return peaks;
}

// The six strongest cells, strongest first; equal values keep the lower index first.
std::vector<std::size_t> topCells(const std::vector<float>& values) {
    std::vector<std::size_t> order(values.size());
    std::iota(order.begin(), order.end(), 0);
    const std::size_t count = std::min(candidateCount, order.size());
    std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(count),
                      order.end(), [&](std::size_t a, std::size_t b) {
                          return values[a] > values[b] || (values[a] == values[b] && a < b);
                      });
    order.resize(count);
    return order;
}

Box candidateBox(const HeadTensors& heads, std::size_t row, std::size_t col) {
    const std::size_t at = (row * heads.width + col) * 2;
    const float scaleY = std::max(heads.boxScale[at], 0.0f);
    const float scaleX = std::max(heads.boxScale[at + 1], 0.0f);
    const float centreY = static_cast<float>(row) + heads.boxOffset[at];
    const float centreX = static_cast<float>(col) + heads.boxOffset[at + 1];
    // NaN from a damaged model becomes an empty edge, so the box always names real cells.
    const auto clip = [](float value, float limit) {
        return std::isnan(value) ? 0.0f : std::max(std::min(value, limit), 0.0f);
    };
    const auto h = static_cast<float>(heads.height);
    const auto w = static_cast<float>(heads.width);
    return {clip(centreY - scaleY * 0.5f, h), clip(centreX - scaleX * 0.5f, w),
            clip(centreY + scaleY * 0.5f, h), clip(centreX + scaleX * 0.5f, w)};
}

// The whole cells c with low <= c < high, within 0 … size.
struct CellRange {
    std::size_t first = 0;
    std::size_t last = 0;
};

CellRange cellsWithin(float low, float high, std::size_t size) {
    const auto clampToGrid = [&](float value) {
        return static_cast<std::size_t>(
            std::clamp(std::ceil(value), 0.0f, static_cast<float>(size)));
    };
    CellRange range{clampToGrid(low), clampToGrid(high)};
    range.last = std::max(range.first, range.last);
    return range;
}

struct Regressed {
    float y[keypointCount];
    float x[keypointCount];
};

Regressed regressedKeypoints(const HeadTensors& heads, std::size_t row, std::size_t col) {
    Regressed result{};
    const float* at = heads.keypointRegression + (row * heads.width + col) * 2 * keypointCount;
    for (int k = 0; k < keypointCount; ++k) {
        result.y[k] = static_cast<float>(row) + at[2 * k];
        result.x[k] = static_cast<float>(col) + at[2 * k + 1];
    }
    return result;
}

} // namespace

std::vector<Candidate> decodeMultiPose(const HeadTensors& heads, std::size_t inputHeight,
                                       std::size_t inputWidth) {
    const std::vector<float> peaks = localMaxima(heads);
    const std::vector<std::size_t> cells = topCells(peaks);
    const std::size_t people = cells.size();
    std::vector<Box> boxes(people);
    std::vector<Regressed> regressed(people);
    for (std::size_t p = 0; p < people; ++p) {
        const std::size_t row = cells[p] / heads.width;
        const std::size_t col = cells[p] % heads.width;
        boxes[p] = candidateBox(heads, row, col);
        regressed[p] = regressedKeypoints(heads, row, col);
    }

    const float spread =
        static_cast<float>(std::min(heads.height, heads.width)) * keypointSpreadPerCell;
    // How strongly keypoint k of person p claims a cell: heat × closeness to the regressed
    // position, and nothing outside the person's box.
    const auto claim = [&](std::size_t p, int k, std::size_t y, std::size_t x) {
        const auto fy = static_cast<float>(y);
        const auto fx = static_cast<float>(x);
        if (!boxes[p].contains(fy, fx)) {
            return 0.0f;
        }
        const float dy = fy - regressed[p].y[k];
        const float dx = fx - regressed[p].x[k];
        const float closeness = std::exp(-(dy * dy + dx * dx) / spread);
        const float heat = heads.keypointHeatmap[(y * heads.width + x) * keypointCount +
                                                 static_cast<std::size_t>(k)];
        return heat * closeness;
    };

    // The first cell with the strongest claim, as an arg-max over the whole grid would find
    // it. Cells outside the box claim nothing, so only the box is searched; a cell whose heat
    // cannot beat the best so far (closeness is at most 1) needs no exponential.
    const auto strongestCell = [&](std::size_t p, int k) {
        const CellRange rows = cellsWithin(boxes[p].top, boxes[p].bottom, heads.height);
        const CellRange cols = cellsWithin(boxes[p].left, boxes[p].right, heads.width);
        std::size_t bestCell = 0;
        float best = 0.0f;
        for (std::size_t y = rows.first; y < rows.last; ++y) {
            for (std::size_t x = cols.first; x < cols.last; ++x) {
                const std::size_t cell = y * heads.width + x;
                const float heat =
                    heads.keypointHeatmap[cell * keypointCount + static_cast<std::size_t>(k)];
                if (heat <= best) {
                    continue;
                }
                const float value = claim(p, k, y, x);
                if (value > best) {
                    best = value;
                    bestCell = cell;
                }
            }
        }
        return bestCell; // cell 0 when nothing claims anything, like the arg-max of zeros
    };

    const float cellToUnitY = 4.0f / static_cast<float>(inputHeight);
    const float cellToUnitX = 4.0f / static_cast<float>(inputWidth);
    std::vector<Candidate> candidates(people);
    for (std::size_t p = 0; p < people; ++p) {
        Candidate& out = candidates[p];
        int counted = 0;
        float scoreSum = 0.0f;
        for (int k = 0; k < keypointCount; ++k) {
            const std::size_t bestCell = strongestCell(p, k);
            const std::size_t y = bestCell / heads.width;
            const std::size_t x = bestCell % heads.width;
            // The score is the strongest claim on that cell by any candidate.
            float score = 0.0f;
            for (std::size_t other = 0; other < people; ++other) {
                score = std::max(score, claim(other, k, y, x));
            }
            const float* offset = heads.keypointOffset + bestCell * 2 * keypointCount;
            out[static_cast<std::size_t>(3 * k)] =
                (static_cast<float>(y) + offset[2 * k]) * cellToUnitY;
            out[static_cast<std::size_t>(3 * k + 1)] =
                (static_cast<float>(x) + offset[2 * k + 1]) * cellToUnitX;
            out[static_cast<std::size_t>(3 * k + 2)] = score;
            if (score > countedKeypointScore) {
                ++counted;
                scoreSum += peaks[cells[p]] * score;
            }
        }
        const auto unit = [](float value, float scale) {
            return std::max(std::min(value * 4.0f / scale, 1.0f), 0.0f);
        };
        const auto h = static_cast<float>(inputHeight);
        const auto w = static_cast<float>(inputWidth);
        out[51] = unit(boxes[p].top, h);
        out[52] = unit(boxes[p].left, w);
        out[53] = unit(boxes[p].bottom, h);
        out[54] = unit(boxes[p].right, w);
        // Centre strength × the mean score of the keypoints that count.
        out[55] = (1.0f / static_cast<float>(std::max(counted, 1))) * scoreSum;
    }
    return candidates;
}

} // namespace qv::pose
