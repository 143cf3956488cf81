#include "core/media/ImageScaling.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace qv {

namespace {

// Source index ranges [begin, end) that each output index covers; never empty.
std::vector<std::pair<int, int>> spans(int sourceLength, int outputLength) {
    std::vector<std::pair<int, int>> result(static_cast<std::size_t>(outputLength));
    for (int i = 0; i < outputLength; ++i) {
        const auto begin = static_cast<int>(static_cast<qint64>(i) * sourceLength / outputLength);
        auto end = static_cast<int>(static_cast<qint64>(i + 1) * sourceLength / outputLength);
        result[static_cast<std::size_t>(i)] = {begin, std::max(end, begin + 1)};
    }
    return result;
}

} // namespace

Image scaledToFit(const Image& image, int maxLongerSide) {
    const int longer = std::max(image.width(), image.height());
    if (image.isNull() || maxLongerSide <= 0 || longer <= maxLongerSide) {
        return image;
    }
    const double scale = static_cast<double>(maxLongerSide) / longer;
    const int width = std::max(1, static_cast<int>(std::lround(image.width() * scale)));
    const int height = std::max(1, static_cast<int>(std::lround(image.height() * scale)));
    const auto columns = spans(image.width(), width);
    const auto rows = spans(image.height(), height);

    // Rows are summed first (a straight run over memory), then the columns of the sum.
    Image result(width, height);
    const auto rowValues = static_cast<std::size_t>(image.width()) * 3;
    std::vector<std::uint32_t> rowSums(rowValues);
    // Divisions are the slow part; multiplying by the reciprocal of each span's size is not.
    std::vector<double> columnWeights(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        const auto [columnBegin, columnEnd] = columns[static_cast<std::size_t>(x)];
        columnWeights[static_cast<std::size_t>(x)] = 1.0 / (columnEnd - columnBegin);
    }
    for (int y = 0; y < height; ++y) {
        std::fill(rowSums.begin(), rowSums.end(), 0u);
        const auto [rowBegin, rowEnd] = rows[static_cast<std::size_t>(y)];
        for (int sy = rowBegin; sy < rowEnd; ++sy) {
            const std::uint8_t* in = image.row(sy);
            for (std::size_t i = 0; i < rowValues; ++i) {
                rowSums[i] += in[i];
            }
        }
        const double rowWeight = 1.0 / (rowEnd - rowBegin);
        std::uint8_t* out = result.row(y);
        for (int x = 0; x < width; ++x) {
            const auto [columnBegin, columnEnd] = columns[static_cast<std::size_t>(x)];
            std::uint32_t sum[3] = {0, 0, 0};
            for (int sx = columnBegin; sx < columnEnd; ++sx) {
                const std::uint32_t* pixel = &rowSums[static_cast<std::size_t>(sx) * 3];
                sum[0] += pixel[0];
                sum[1] += pixel[1];
                sum[2] += pixel[2];
            }
            const double weight = columnWeights[static_cast<std::size_t>(x)] * rowWeight;
            for (int c = 0; c < 3; ++c) {
                out[x * 3 + c] = static_cast<std::uint8_t>(std::min(255.0, sum[c] * weight + 0.5));
            }
        }
    }
    return result;
}

} // namespace qv
