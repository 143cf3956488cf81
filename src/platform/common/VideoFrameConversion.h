#pragma once

#include "core/media/PixelConversion.h"

#include <QImage>
#include <QVideoFrame>

namespace qv {

// The picture of a QtMultimedia frame as RGB. The common camera layouts are converted here;
// anything else goes through Qt's own conversion, and what neither can read is an error that
// names the layout.
Result<Image> pictureFromVideoFrame(QVideoFrame frame);

// A QImage of any format as the core's RGB image.
Image imageFromQImage(const QImage& image);

} // namespace qv
