// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/media/PixelConversion.h"

#include <QImage>
#include <QVideoFrame>
#include <QVideoFrameFormat>

namespace qv {

// The picture of a QtMultimedia frame as RGB. The common camera layouts are converted here;
// anything else goes through Qt's own conversion, and what neither can read is an error that
// names the layout. shrink as convertToRgb takes it; what Qt converts comes whole.
Result<Image> pictureFromVideoFrame(QVideoFrame frame, int shrink = 1);

// Frames in this layout are converted here or decoded by QtMultimedia, so a camera may be
// asked for it.
bool isReadableCameraFormat(QVideoFrameFormat::PixelFormat format);

// A QImage of any format as the core's RGB image.
Image imageFromQImage(const QImage& image);

} // namespace qv
