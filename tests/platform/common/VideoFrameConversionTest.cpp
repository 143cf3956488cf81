// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/VideoFrameConversion.h"

#include <QImage>
#include <QVideoFrame>
#include <QVideoFrameFormat>
#include <array>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>

using namespace qv;
using F = QVideoFrameFormat;

namespace {

// Six by four pixels, every one different: red rises to the right, green downwards.
QImage testPicture() {
    QImage picture(6, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            picture.setPixel(x, y, qRgb(40 * x, 60 * y, 255 - 40 * x));
        }
    }
    return picture;
}

// Where red, green and blue sit within the four bytes of a packed format, as this program
// believes Qt lays them out in memory; Qt's own reading of the frame checks the belief.
std::optional<std::array<int, 3>> rgbOffsets(F::PixelFormat format) {
    switch (format) {
    case F::Format_ARGB8888:
    case F::Format_XRGB8888:
        return std::array{1, 2, 3};
    case F::Format_BGRA8888:
    case F::Format_BGRX8888:
        return std::array{2, 1, 0};
    case F::Format_ABGR8888:
    case F::Format_XBGR8888:
        return std::array{3, 2, 1};
    case F::Format_RGBA8888:
    case F::Format_RGBX8888:
        return std::array{0, 1, 2};
    default:
        return std::nullopt;
    }
}

// A frame of the given format holding the picture (YUV formats: its brightness only, with
// neutral chroma).
QVideoFrame frameOf(F::PixelFormat format, const QImage& picture) {
    QVideoFrame frame(QVideoFrameFormat(picture.size(), format));
    if (!frame.map(QVideoFrame::WriteOnly)) {
        return {};
    }
    for (int plane = 0; plane < frame.planeCount(); ++plane) {
        std::memset(frame.bits(plane), 0xff, static_cast<std::size_t>(frame.mappedBytes(plane)));
    }
    for (int y = 0; y < picture.height(); ++y) {
        uchar* row = frame.bits(0) + y * frame.bytesPerLine(0);
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            if (const auto offsets = rgbOffsets(format)) {
                row[x * 4 + (*offsets)[0]] = static_cast<uchar>(qRed(c));
                row[x * 4 + (*offsets)[1]] = static_cast<uchar>(qGreen(c));
                row[x * 4 + (*offsets)[2]] = static_cast<uchar>(qBlue(c));
                continue;
            }
            const int grey = qGray(c);
            const bool isPacked = format == F::Format_YUYV || format == F::Format_UYVY;
            row[isPacked ? x * 2 + (format == F::Format_UYVY) : x] =
                static_cast<uchar>(format == F::Format_Y8 ? grey : 16 + grey * 219 / 255);
            if (isPacked) {
                row[x * 2 + (format == F::Format_YUYV)] = 0x80;
            }
        }
    }
    for (int plane = 1; plane < frame.planeCount(); ++plane) {
        std::memset(frame.bits(plane), 0x80, static_cast<std::size_t>(frame.mappedBytes(plane)));
    }
    frame.unmap();
    return frame;
}

} // namespace

TEST(VideoFrameConversion, QtFramesOfEveryCommonLayoutMatchQtsOwnReading) {
    const F::PixelFormat formats[] = {F::Format_ARGB8888, F::Format_XRGB8888, F::Format_BGRA8888,
                                      F::Format_BGRX8888, F::Format_ABGR8888, F::Format_XBGR8888,
                                      F::Format_RGBA8888, F::Format_RGBX8888, F::Format_Y8,
                                      F::Format_YUYV,     F::Format_UYVY,     F::Format_NV12,
                                      F::Format_NV21,     F::Format_YUV420P,  F::Format_YV12};
    for (F::PixelFormat format : formats) {
        SCOPED_TRACE(F::pixelFormatToString(format).toStdString());
        const QVideoFrame frame = frameOf(format, testPicture());
        ASSERT_TRUE(frame.isValid());
        const Result<Image> ours = pictureFromVideoFrame(frame);
        ASSERT_TRUE(ours) << ours.error().toStdString();
        const Image qts = imageFromQImage(frame.toImage());
        ASSERT_EQ(ours->width(), qts.width());
        ASSERT_EQ(ours->height(), qts.height());
        for (int y = 0; y < qts.height(); ++y) {
            for (int i = 0; i < qts.width() * 3; ++i) {
                ASSERT_NEAR(ours->row(y)[i], qts.row(y)[i], 4) << "row " << y << " byte " << i;
            }
        }
    }
}

TEST(VideoFrameConversion, EmptyAndUnreadableFramesSayWhy) {
    EXPECT_FALSE(pictureFromVideoFrame(QVideoFrame()).error().isEmpty());
    QVideoFrame jpeg(QVideoFrameFormat(QSize(4, 4), F::Format_Jpeg));
    const Result<Image> result = pictureFromVideoFrame(jpeg);
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error().isEmpty());
}
