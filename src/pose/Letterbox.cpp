// SPDX-License-Identifier: GPL-3.0-or-later
#include "pose/Letterbox.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace qv::pose {

Letterbox fitLetterbox(int imageWidth, int imageHeight, int side) {
    Letterbox box;
    box.side = side;
    if (imageWidth <= 0 || imageHeight <= 0 || side <= 0) {
        return box;
    }
    const double scale = static_cast<double>(side) / std::max(imageWidth, imageHeight);
    box.contentWidth = std::clamp(static_cast<int>(std::lround(imageWidth * scale)), 1, side);
    box.contentHeight = std::clamp(static_cast<int>(std::lround(imageHeight * scale)), 1, side);
    box.left = (side - box.contentWidth) / 2;
    box.top = (side - box.contentHeight) / 2;
    return box;
}

double Letterbox::imageX(double squareX) const {
    if (contentWidth <= 0) {
        return 0.0;
    }
    return std::clamp((squareX * side - left) / contentWidth, 0.0, 1.0);
}

double Letterbox::imageY(double squareY) const {
    if (contentHeight <= 0) {
        return 0.0;
    }
    return std::clamp((squareY * side - top) / contentHeight, 0.0, 1.0);
}

namespace {

// The model's input is declared as whole pixel values. Samples are never negative, so
// truncation rounds them as floor would, in fewer instructions.
float wholePixel(float value) {
    return static_cast<float>(static_cast<int>(value + 0.5f));
}

// For one output coordinate: the two source coordinates and the weight of the second.
struct Tap {
    int first = 0;
    int second = 0;
    float weight = 0;
};

std::vector<Tap> taps(int sourceSize, int targetSize) {
    std::vector<Tap> result(static_cast<std::size_t>(targetSize));
    const double ratio = static_cast<double>(sourceSize) / targetSize;
    for (int i = 0; i < targetSize; ++i) {
        const double position = std::clamp((i + 0.5) * ratio - 0.5, 0.0, sourceSize - 1.0);
        const int first = static_cast<int>(position);
        result[static_cast<std::size_t>(i)] = {first, std::min(first + 1, sourceSize - 1),
                                               static_cast<float>(position - first)};
    }
    return result;
}

} // namespace

void fillLetterbox(const Image& image, const Letterbox& box, float* out) {
    std::fill(out, out + static_cast<std::size_t>(box.side) * box.side * 3, 0.0f);
    if (image.isNull() || box.contentWidth <= 0 || box.contentHeight <= 0) {
        return;
    }
    const std::vector<Tap> columns = taps(image.width(), box.contentWidth);
    const std::vector<Tap> rows = taps(image.height(), box.contentHeight);
    for (int y = 0; y < box.contentHeight; ++y) {
        const Tap& row = rows[static_cast<std::size_t>(y)];
        const std::uint8_t* upper = image.row(row.first);
        const std::uint8_t* lower = image.row(row.second);
        float* target = out + (static_cast<std::size_t>(box.top + y) * box.side + box.left) * 3;
        for (int x = 0; x < box.contentWidth; ++x) {
            const Tap& column = columns[static_cast<std::size_t>(x)];
            const std::size_t a = static_cast<std::size_t>(column.first) * 3;
            const std::size_t b = static_cast<std::size_t>(column.second) * 3;
            for (int c = 0; c < 3; ++c) {
                const float top = upper[a + c] + (upper[b + c] - upper[a + c]) * column.weight;
                const float bottom = lower[a + c] + (lower[b + c] - lower[a + c]) * column.weight;
                target[x * 3 + c] = wholePixel(top + (bottom - top) * row.weight);
            }
        }
    }
}

namespace {

// For one output coordinate of a crop: the two source coordinates, the weight of the second,
// and whether the sample falls on the image at all.
struct CropTap {
    Tap tap;
    bool isInside = false;
};

std::vector<CropTap> cropTaps(int sourceSize, double start, double length, int targetSize) {
    std::vector<CropTap> result(static_cast<std::size_t>(targetSize));
    const double ratio = length / targetSize;
    for (int i = 0; i < targetSize; ++i) {
        const double position = start + (i + 0.5) * ratio - 0.5;
        CropTap& out = result[static_cast<std::size_t>(i)];
        out.isInside = position > -0.5 && position < sourceSize - 0.5;
        if (!out.isInside) {
            continue;
        }
        const double clamped = std::clamp(position, 0.0, sourceSize - 1.0);
        const int first = static_cast<int>(clamped);
        out.tap = {first, std::min(first + 1, sourceSize - 1), static_cast<float>(clamped - first)};
    }
    return result;
}

} // namespace

void fillCrop(const Image& image, const CropSquare& crop, int side, float* out) {
    std::fill(out, out + static_cast<std::size_t>(side) * side * 3, 0.0f);
    if (image.isNull() || side <= 0 || !(crop.side > 0)) {
        return;
    }
    const double left = crop.centreX - crop.side / 2;
    const double top = crop.centreY - crop.side / 2;
    const std::vector<CropTap> columns = cropTaps(image.width(), left, crop.side, side);
    const std::vector<CropTap> rows = cropTaps(image.height(), top, crop.side, side);
    for (int y = 0; y < side; ++y) {
        const CropTap& row = rows[static_cast<std::size_t>(y)];
        if (!row.isInside) {
            continue;
        }
        const std::uint8_t* upper = image.row(row.tap.first);
        const std::uint8_t* lower = image.row(row.tap.second);
        float* target = out + static_cast<std::size_t>(y) * side * 3;
        for (int x = 0; x < side; ++x) {
            const CropTap& column = columns[static_cast<std::size_t>(x)];
            if (!column.isInside) {
                continue;
            }
            const std::size_t a = static_cast<std::size_t>(column.tap.first) * 3;
            const std::size_t b = static_cast<std::size_t>(column.tap.second) * 3;
            for (int c = 0; c < 3; ++c) {
                const float t = upper[a + c] + (upper[b + c] - upper[a + c]) * column.tap.weight;
                const float u = lower[a + c] + (lower[b + c] - lower[a + c]) * column.tap.weight;
                target[x * 3 + c] = wholePixel(t + (u - t) * row.tap.weight);
            }
        }
    }
}

double cropToImage(double inCrop, double cropCentre, double cropSide, int imageSize) {
    if (imageSize <= 0) {
        return 0.0;
    }
    return (cropCentre - cropSide / 2 + inCrop * cropSide) / imageSize;
}

} // namespace qv::pose
