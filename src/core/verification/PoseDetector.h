// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/media/Image.h"
#include "core/verification/DetectedPerson.h"

#include <QString>

namespace qv {

// Finds the people in one frame. Implementations are not thread-safe: one detector serves one
// thread at a time (the capture queue).
class PoseDetector {
public:
    virtual ~PoseDetector() = default;

    // The people in the image whose person score passes the detector's threshold, most
    // confident first; empty for an image with nobody in it (or a null image).
    virtual DetectedPeople detect(const Image& image) = 0;
};

} // namespace qv
