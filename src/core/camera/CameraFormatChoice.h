// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace qv {

// One way a camera can deliver its frames, as the platform lists it.
struct CameraFormatOffer {
    int width = 0;
    int height = 0;
    double minimumRate = 0; // frames per second
    double maximumRate = 0;
    bool isCompressed = false; // must be decoded first (MJPEG and the like)
};

// What the analysis and the preview need of a camera.
struct CameraFormatNeeds {
    int longerSide = 640;  // 640×480 in either orientation is ample for the model's input and
    int shorterSide = 480; // a preview card, and sharper than a break needs
    double rate = 15;      // above the analysis rate: the pacer picks its frames among them
};

// The offer that serves the needs with the least work: the smallest picture that is large
// enough, uncompressed where the camera offers that size so, at the lowest rate that is fast
// enough. Without a large enough offer the largest one is taken, and without a fast enough
// one the fastest. Nothing when there are no offers.
std::optional<std::size_t> chooseCameraFormat(const std::vector<CameraFormatOffer>& offers,
                                              const CameraFormatNeeds& needs = {});

} // namespace qv
