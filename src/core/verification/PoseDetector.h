// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/media/Image.h"
#include "core/verification/DetectedPerson.h"

#include <QString>
#include <optional>

namespace qv {

// A square part of an image, in the image's pixels; it may reach past the image's edges,
// where it is black.
struct CropSquare {
    double centreX = 0;
    double centreY = 0;
    double side = 0;
};

// Finds the people in one frame. Implementations are not thread-safe: one detector serves one
// thread at a time (the capture queue).
class PoseDetector {
public:
    virtual ~PoseDetector() = default;

    // The people in the image whose person score passes the detector's threshold, most
    // confident first; empty for an image with nobody in it (or a null image).
    virtual DetectedPeople detect(const Image& image) = 0;

    // The side, in pixels, of the square the detector samples a picture or crop down to; 0
    // for one that needs every pixel it is given.
    virtual int inputSide() const { return 0; }

    // The one person inside the crop, with keypoints normalised over the whole image as
    // detect() gives them and a score from their keypoints' confidences; none from a detector
    // that cannot follow a crop. Cheaper than detect(): it looks for one person, and only
    // at the crop. It always reports someone, so the caller judges whether that is still the
    // person it followed.
    virtual std::optional<DetectedPerson> track(const Image& image, const CropSquare& crop) {
        (void)image;
        (void)crop;
        return std::nullopt;
    }
};

} // namespace qv
