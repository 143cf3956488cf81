// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/FrameAnalysis.h"

#include <QString>
#include <optional>

namespace qv::gallery {

// The frame of a video nearest after `atSeconds`, through the pose detector and the person
// tracker a break uses: a real pose and a real preview. None, with the reason, if the video
// or the pose model cannot be read.
struct ClipFrame {
    std::optional<AnalysedFrame> frame;
    QString error;
};
ClipFrame analyseClipFrame(const QString& videoPath, double atSeconds);

} // namespace qv::gallery
