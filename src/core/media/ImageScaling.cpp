#include "media/ImageScaling.h"

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

    Image result(width, height);
    std::vector<std::uint64_t> sums(static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        std::fill(sums.begin(), sums.end(), 0u);
        const auto [rowBegin, rowEnd] = rows[static_cast<std::size_t>(y)];
        for (int sy = rowBegin; sy < rowEnd; ++sy) {
            const std::uint8_t* in = image.row(sy);
            for (int x = 0; x < width; ++x) {
                const auto [columnBegin, columnEnd] = columns[static_cast<std::size_t>(x)];
                std::uint64_t* sum = &sums[static_cast<std::size_t>(x) * 3];
                for (int sx = columnBegin; sx < columnEnd; ++sx) {
                    sum[0] += in[sx * 3];
                    sum[1] += in[sx * 3 + 1];
                    sum[2] += in[sx * 3 + 2];
                }
            }
        }
        std::uint8_t* out = result.row(y);
        for (int x = 0; x < width; ++x) {
            const auto [columnBegin, columnEnd] = columns[static_cast<std::size_t>(x)];
            const auto count =
                static_cast<std::uint64_t>((columnEnd - columnBegin) * (rowEnd - rowBegin));
            for (int c = 0; c < 3; ++c) {
                out[x * 3 + c] = static_cast<std::uint8_t>(
                    (sums[static_cast<std::size_t>(x) * 3 + c] + count / 2) / count);
            }
        }
    }
    return result;
}

} // namespace qv
