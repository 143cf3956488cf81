// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/verification/DetectedPerson.h"

#include <QImage>

namespace qv::tools {

// Draws every person's bones (both ends at or above `minimumConfidence`) and joints over the
// picture, each person in its own colour.
void drawSkeletons(QImage& picture, const DetectedPeople& people, float minimumConfidence);

} // namespace qv::tools
