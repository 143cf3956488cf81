// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/media/Image.h"
#include "core/verification/PoseDetector.h"

namespace qv::pose {

// Where an image of any shape sits inside the model's square input: scaled to fit, centred,
// the rest black. Keeps the geometry so that positions can be mapped back to the image.
struct Letterbox {
    int side = 0;         // the model's input side, pixels
    int contentWidth = 0; // the image inside the square, pixels
    int contentHeight = 0;
    int left = 0; // its top-left corner inside the square
    int top = 0;

    // Position in the square (0 … 1 over the side) to position in the image (0 … 1 over
    // its width and height), kept inside the image.
    double imageX(double squareX) const;
    double imageY(double squareY) const;
};

Letterbox fitLetterbox(int imageWidth, int imageHeight, int side);

// Writes the letterboxed image as side × side × 3 floats holding whole numbers (RGB,
// 0 … 255), resampled bilinearly with pixel centres at half-pixel positions.
void fillLetterbox(const Image& image, const Letterbox& box, float* out);

// Writes the crop as side × side × 3 whole pixel values like fillLetterbox, black where the
// crop reaches past the image. Only the crop's pixels are read, so the cost does not grow
// with the picture.
void fillCrop(const Image& image, const CropSquare& crop, int side, float* out);

// Position in the crop (0 … 1 over its side) to position in the image (0 … 1 over its width
// or height); not kept inside the image, so a keypoint past the edge stays there.
double cropToImage(double inCrop, double cropCentre, double cropSide, int imageSize);

} // namespace qv::pose
