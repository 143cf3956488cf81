// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/verification/PoseStream.h"

#include <QIODevice>

namespace qv {

// Reads 33-point body landmark tables as other pose tools export them: a header row, then one
// row a frame, "frame,x_0,y_0,z_0,visibility_0,…,x_32,y_32,z_32,visibility_32", coordinates
// normalised over the image with y down. The application's fifteen joints are taken from
// the landmarks (nose 0, shoulders 11/12, elbows 13/14, wrists 15/16, hips 23/24, knees 25/26,
// ankles 27/28), visibility standing for confidence; root and neck are the midpoints of the
// hips and of the shoulders, as sure as the weaker of the two. A landmark placed outside the
// image was guessed, not seen, and is left out. The frame number over `fps` gives the time.
// A first line other than that header, or a malformed row, is an error naming its line.
PoseStreamContents readLandmarks33Csv(QIODevice& device, double fps, double startAt = 0);

} // namespace qv
