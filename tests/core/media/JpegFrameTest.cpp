// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/media/PixelConversion.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// Odd on both sides, so the last chroma sample covers a single column and row; blocks of
// colour, so that the encoder's loss stays small next to a wrong channel order or matrix.
QImage testPicture() {
    QImage picture(67, 37, QImage::Format_RGB888);
    const QRgb colours[4] = {qRgb(200, 30, 40), qRgb(20, 180, 60), qRgb(30, 60, 220),
                             qRgb(128, 128, 128)};
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, y, colours[(x / 16 + y / 16 * 3) % 4]);
        }
    }
    return picture;
}

QByteArray jpegOf(const QImage& picture) {
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    EXPECT_TRUE(picture.save(&out, "JPEG", 95));
    return bytes;
}

qv::PixelBuffer jpegFrame(const QByteArray& bytes, int width, int height) {
    const qv::PixelPlane whole{reinterpret_cast<const std::uint8_t*>(bytes.constData()), 0,
                               bytes.size()};
    // What the frame says of its colours does not apply to JPEG, which has its own.
    return {qv::PixelLayout::mjpeg, width, height, {whole}, qv::YuvMatrix::bt709,
            qv::YuvRange::limited};
}

// The largest channel difference inside the colour blocks of a picture decoded `shrink` times
// smaller: decoders may smooth chroma differently across the blocks' edges, but inside them
// a swapped channel, matrix or range would show.
int worstInsideBlocks(const QImage& want, const qv::Image& got, int shrink, int margin) {
    const int block = 16 / shrink;
    int worst = 0;
    for (int y = 0; y < got.height(); ++y) {
        for (int x = 0; x < got.width(); ++x) {
            if (x % block < margin || x % block >= block - margin || y % block < margin ||
                y % block >= block - margin) {
                continue;
            }
            for (int c = 0; c < 3; ++c) {
                worst = std::max(worst,
                                 std::abs(int(want.constScanLine(y * shrink)[x * shrink * 3 + c]) -
                                          int(got.row(y)[x * 3 + c])));
            }
        }
    }
    return worst;
}

} // namespace

TEST(JpegFrame, DecodesToThePictureItHolds) {
    const QByteArray jpeg = jpegOf(testPicture());
    const QImage want = QImage::fromData(jpeg, "JPEG").convertToFormat(QImage::Format_RGB888);
    const qv::Result<qv::Image> got = qv::convertToRgb(jpegFrame(jpeg, 67, 37));
    ASSERT_TRUE(got) << got.error().toStdString();
    ASSERT_EQ(got->width(), 67);
    ASSERT_EQ(got->height(), 37);
    EXPECT_LE(worstInsideBlocks(want, *got, 1, 3), 3);

    // Decoded at half the size, the middles of the blocks keep their colours.
    const qv::Result<qv::Image> half = qv::convertToRgb(jpegFrame(jpeg, 67, 37), 2);
    ASSERT_TRUE(half) << half.error().toStdString();
    ASSERT_EQ(half->width(), 34);
    ASSERT_EQ(half->height(), 19);
    EXPECT_LE(worstInsideBlocks(want, *half, 2, 2), 4);
}

// A camera or file can hand out a damaged or mislabelled picture; it fails that frame with a
// reason, never reads past the bytes given, and never takes the program down.
TEST(JpegFrame, RefusesWhatIsNotAWholePictureOfTheStatedSize) {
    const QByteArray jpeg = jpegOf(testPicture());
    const QByteArray garbage(4096, '\x5a');
    struct Case {
        const char* what;
        QByteArray bytes;
        int width, height;
    };
    const Case cases[] = {
        {"not a JPEG at all", garbage, 67, 37},
        {"another size than stated", jpeg, 66, 37},
        {"no bytes", QByteArray(), 67, 37},
        {"only the header", jpeg.left(20), 67, 37},
    };
    for (const Case& c : cases) {
        const auto result = qv::convertToRgb(jpegFrame(c.bytes, c.width, c.height));
        EXPECT_FALSE(result) << c.what;
        EXPECT_TRUE(result.error().endsWith('.')) << c.what;
    }
}
