// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/VideoFrameConversion.h"

#include <QVideoFrameFormat>
#include <cstring>
#include <optional>

namespace qv {

namespace {

std::optional<PixelLayout> layoutOf(QVideoFrameFormat::PixelFormat format) {
    using F = QVideoFrameFormat;
    switch (format) {
    case F::Format_ARGB8888:
    case F::Format_ARGB8888_Premultiplied:
    case F::Format_XRGB8888:
        return PixelLayout::xrgb32;
    case F::Format_BGRA8888:
    case F::Format_BGRA8888_Premultiplied:
    case F::Format_BGRX8888:
        return PixelLayout::bgrx32;
    case F::Format_ABGR8888:
    case F::Format_XBGR8888:
        return PixelLayout::xbgr32;
    case F::Format_RGBA8888:
    case F::Format_RGBX8888:
        return PixelLayout::rgbx32;
    case F::Format_Y8:
        return PixelLayout::grey8;
    case F::Format_YUYV:
        return PixelLayout::yuyv;
    case F::Format_UYVY:
        return PixelLayout::uyvy;
    case F::Format_NV12:
        return PixelLayout::nv12;
    case F::Format_NV21:
        return PixelLayout::nv21;
    case F::Format_YUV420P:
        return PixelLayout::i420;
    case F::Format_YV12:
        return PixelLayout::yv12;
    case F::Format_YUV422P:
        return PixelLayout::i422;
    default:
        return std::nullopt;
    }
}

Result<Image> throughQt(const QVideoFrame& frame) {
    Image image = imageFromQImage(frame.toImage());
    if (image.isNull()) {
        return Failure{
            QStringLiteral("The camera delivers pictures in a format this program cannot read "
                           "(%1).")
                .arg(QVideoFrameFormat::pixelFormatToString(frame.pixelFormat()))};
    }
    return image;
}

} // namespace

bool isReadableCameraFormat(QVideoFrameFormat::PixelFormat format) {
    // QtMultimedia decodes JPEG frames itself before they reach the sink.
    return layoutOf(format).has_value() || format == QVideoFrameFormat::Format_Jpeg;
}

Result<Image> pictureFromVideoFrame(QVideoFrame frame, int shrink) {
    if (!frame.isValid() || frame.width() <= 0 || frame.height() <= 0) {
        return Failure{QStringLiteral("The camera frame is empty.")};
    }
    const auto layout = layoutOf(frame.pixelFormat());
    if (!layout) {
        return throughQt(frame);
    }
    if (!frame.map(QVideoFrame::ReadOnly)) {
        return Failure{QStringLiteral("The camera frame could not be read.")};
    }
    PixelBuffer buffer;
    buffer.layout = *layout;
    buffer.width = frame.width();
    buffer.height = frame.height();
    const QVideoFrameFormat format = frame.surfaceFormat();
    buffer.matrix = format.colorSpace() == QVideoFrameFormat::ColorSpace_BT709 ? YuvMatrix::bt709
                                                                               : YuvMatrix::bt601;
    buffer.range = format.colorRange() == QVideoFrameFormat::ColorRange_Full ? YuvRange::full
                                                                             : YuvRange::limited;
    for (int i = 0; i < std::min(frame.planeCount(), 3); ++i) {
        buffer.planes[static_cast<std::size_t>(i)] = {frame.bits(i), frame.bytesPerLine(i),
                                                      frame.mappedBytes(i)};
    }
    Result<Image> result = convertToRgb(buffer, shrink);
    frame.unmap();
    return result;
}

Image imageFromQImage(const QImage& source) {
    const QImage rgb = source.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) {
        return {};
    }
    Image image(rgb.width(), rgb.height());
    const auto rowBytes = static_cast<std::size_t>(rgb.width()) * 3;
    for (int y = 0; y < rgb.height(); ++y) {
        std::memcpy(image.row(y), rgb.constScanLine(y), rowBytes);
    }
    return image;
}

} // namespace qv
