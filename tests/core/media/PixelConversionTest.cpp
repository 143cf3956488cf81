// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/media/PixelConversion.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using qv::PixelLayout;

namespace {

struct Rgb {
    int r, g, b;
};

// Test pictures are odd on both sides, so the last chroma sample covers one pixel; the wider
// one also runs the converters' vector loops, not only their tails. Their 2×2 blocks are
// uniform, so subsampled chroma loses nothing and the expected result is exact up to
// rounding.
struct Size {
    int width, height;
};
constexpr Size sizes[] = {{3, 3}, {67, 5}};

Rgb pixelAt(int x, int y) {
    static const Rgb colours[4] = {{200, 30, 40}, {20, 180, 60}, {30, 60, 220}, {128, 128, 128}};
    return colours[(x / 2 + y / 2 * 3) % 4];
}
constexpr std::uint8_t padding = 0xEE;

struct Yuv {
    int y, u, v;
};

// Limited-range BT.601, the common webcam encoding.
Yuv toYuv(Rgb c) {
    auto round = [](double v) { return static_cast<int>(v + 0.5); };
    return {round(16 + 0.257 * c.r + 0.504 * c.g + 0.098 * c.b),
            round(128 - 0.148 * c.r - 0.291 * c.g + 0.439 * c.b),
            round(128 + 0.439 * c.r - 0.368 * c.g - 0.071 * c.b)};
}

// One plane of `rowBytes` bytes a row, each row followed by padding the converter must skip.
struct Plane {
    std::vector<std::uint8_t> bytes;
    qsizetype stride = 0;
};

Plane plane(int rows, int rowBytes, int paddingBytes,
            const std::function<int(int i, int row)>& byteAt) {
    Plane out;
    out.stride = rowBytes + paddingBytes;
    for (int y = 0; y < rows; ++y) {
        for (int i = 0; i < rowBytes; ++i) {
            out.bytes.push_back(static_cast<std::uint8_t>(byteAt(i, y)));
        }
        out.bytes.insert(out.bytes.end(), static_cast<std::size_t>(paddingBytes), padding);
    }
    return out;
}

struct Encoded {
    Size size;
    std::vector<Plane> planes;

    qv::PixelBuffer buffer(PixelLayout layout) const {
        qv::PixelBuffer b{layout, size.width, size.height};
        for (std::size_t i = 0; i < planes.size(); ++i) {
            b.planes[i] = {planes[i].bytes.data(), planes[i].stride,
                           static_cast<qsizetype>(planes[i].bytes.size())};
        }
        return b;
    }
};

// Packed RGB of `bytes` a pixel with red, green and blue at the given places; filler elsewhere.
std::function<int(int, int)> packedRgb(int bytes, std::array<int, 3> places) {
    return [=](int i, int y) {
        const Rgb c = pixelAt(i / bytes, y);
        const int place = i % bytes;
        return place == places[0]   ? c.r
               : place == places[1] ? c.g
               : place == places[2] ? c.b
                                    : 0x55;
    };
}

int lumaAt(int x, int y) {
    return toYuv(pixelAt(x, y)).y;
}

int greyAt(int x, int y) {
    return pixelAt(x, y).g;
}

// A chroma plane; rowsPerSample is 2 for 4:2:0 and 1 for 4:2:2.
std::function<int(int, int)> chroma(bool u, int rowsPerSample = 2) {
    return [=](int cx, int cy) {
        const Yuv c = toYuv(pixelAt(cx * 2, cy * rowsPerSample));
        return u ? c.u : c.v;
    };
}

// Both chroma samples interleaved in one 4:2:0 plane, U or V first.
std::function<int(int, int)> interleavedChroma(bool uFirst) {
    return [=](int i, int cy) {
        const Yuv c = toYuv(pixelAt(i / 2 * 2, cy * 2));
        return (i % 2 == 0) == uFirst ? c.u : c.v;
    };
}

// Two pixels in four bytes, YUYV or UYVY; a missing second pixel's luma is zero.
std::function<int(int, int)> packedYuv(bool yFirst, int width) {
    return [=](int i, int y) {
        const int x = i / 4 * 2;
        const Yuv a = toYuv(pixelAt(x, y));
        const int y1 = x + 1 < width ? toYuv(pixelAt(x + 1, y)).y : 0;
        // UYVY is YUYV with the bytes of each pair swapped.
        switch (yFirst ? i % 4 : (i % 4) ^ 1) {
        case 0:
            return a.y;
        case 1:
            return a.u;
        case 2:
            return y1;
        default:
            return a.v;
        }
    };
}

Encoded encode(PixelLayout layout, Size size) {
    const int w = size.width;
    const int h = size.height;
    const int cw = (w + 1) / 2;
    const int ch = (h + 1) / 2;
    switch (layout) {
    case PixelLayout::rgb24:
        return {size, {plane(h, w * 3, 2, packedRgb(3, {0, 1, 2}))}};
    case PixelLayout::bgr24:
        return {size, {plane(h, w * 3, 0, packedRgb(3, {2, 1, 0}))}};
    case PixelLayout::rgbx32:
        return {size, {plane(h, w * 4, 4, packedRgb(4, {0, 1, 2}))}};
    case PixelLayout::bgrx32:
        return {size, {plane(h, w * 4, 0, packedRgb(4, {2, 1, 0}))}};
    case PixelLayout::xrgb32:
        return {size, {plane(h, w * 4, 0, packedRgb(4, {1, 2, 3}))}};
    case PixelLayout::xbgr32:
        return {size, {plane(h, w * 4, 0, packedRgb(4, {3, 2, 1}))}};
    case PixelLayout::grey8:
        return {size, {plane(h, w, 2, greyAt)}};
    case PixelLayout::yuyv:
        return {size, {plane(h, cw * 4, 2, packedYuv(true, w))}};
    case PixelLayout::uyvy:
        return {size, {plane(h, cw * 4, 0, packedYuv(false, w))}};
    case PixelLayout::nv12:
        return {size, {plane(h, w, 1, lumaAt), plane(ch, cw * 2, 2, interleavedChroma(true))}};
    case PixelLayout::nv21:
        return {size, {plane(h, w, 1, lumaAt), plane(ch, cw * 2, 0, interleavedChroma(false))}};
    case PixelLayout::i420:
        return {size,
                {plane(h, w, 0, lumaAt), plane(ch, cw, 0, chroma(true)),
                 plane(ch, cw, 1, chroma(false))}};
    case PixelLayout::yv12:
        return {size,
                {plane(h, w, 0, lumaAt), plane(ch, cw, 0, chroma(false)),
                 plane(ch, cw, 0, chroma(true))}};
    case PixelLayout::i422:
        return {size,
                {plane(h, w, 3, lumaAt), plane(h, cw, 1, chroma(true, 1)),
                 plane(h, cw, 0, chroma(false, 1))}};
    case PixelLayout::mjpeg: // compressed: its own tests
        break;
    }
    return {};
}

// Each pixel is the test colour of the source pixel it stands for, `step` source pixels apart;
// a grey picture holds the green channel in all three.
void expectPicture(const qv::Image& picture, int step, int tolerance, bool isGrey) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Rgb want = pixelAt(x * step, y * step);
            const std::uint8_t* got = picture.row(y) + x * 3;
            ASSERT_NEAR(got[0], isGrey ? want.g : want.r, tolerance) << x << "," << y;
            ASSERT_NEAR(got[1], want.g, tolerance) << x << "," << y;
            ASSERT_NEAR(got[2], isGrey ? want.g : want.b, tolerance) << x << "," << y;
        }
    }
}

const PixelLayout allLayouts[] = {PixelLayout::rgb24,  PixelLayout::bgr24,  PixelLayout::rgbx32,
                                  PixelLayout::bgrx32, PixelLayout::xrgb32, PixelLayout::xbgr32,
                                  PixelLayout::grey8,  PixelLayout::yuyv,   PixelLayout::uyvy,
                                  PixelLayout::nv12,   PixelLayout::nv21,   PixelLayout::i420,
                                  PixelLayout::yv12,   PixelLayout::i422};

} // namespace

TEST(PixelConversion, EveryLayoutWithPaddedRowsAndOddSidesGivesThePicture) {
    for (const Size size : sizes) {
        for (PixelLayout layout : allLayouts) {
            SCOPED_TRACE(qv::layoutName(layout).toStdString() + " " + std::to_string(size.width) +
                         "x" + std::to_string(size.height));
            const Encoded encoded = encode(layout, size);
            const auto result = qv::convertToRgb(encoded.buffer(layout));
            ASSERT_TRUE(result) << result.error().toStdString();
            ASSERT_EQ(result->width(), size.width);
            ASSERT_EQ(result->height(), size.height);
            expectPicture(*result, 1, layout >= PixelLayout::yuyv ? 3 : 0,
                          layout == PixelLayout::grey8);
        }
    }
}

// The test pictures' 2×2 blocks are uniform, so each pixel of a picture half the size is one
// block's colour; swapped chroma planes or a wrong stride would show. (Odd sides are scaled
// evenly over the pixels, so blocks would blur into each other there.) Layouts with nothing
// to save by shrinking come whole.
TEST(PixelConversion, ShrunkPicturesHoldTheMeanOfTheBlocksTheyStandFor) {
    for (const Size size : {Size{4, 4}, Size{66, 6}}) {
        for (PixelLayout layout : allLayouts) {
            SCOPED_TRACE(qv::layoutName(layout).toStdString() + " " + std::to_string(size.width) +
                         "x" + std::to_string(size.height));
            const auto result = qv::convertToRgb(encode(layout, size).buffer(layout), 2);
            ASSERT_TRUE(result) << result.error().toStdString();
            const bool isYuv = layout >= PixelLayout::yuyv;
            const int shrink = isYuv ? 2 : 1;
            ASSERT_EQ(result->width(), qv::shrunkSide(size.width, shrink));
            ASSERT_EQ(result->height(), qv::shrunkSide(size.height, shrink));
            if (isYuv) {
                expectPicture(*result, 2, 3, false);
            }
        }
    }
    const Encoded i420 = encode(PixelLayout::i420, {67, 5});
    const auto quarter = qv::convertToRgb(i420.buffer(PixelLayout::i420), 4);
    ASSERT_TRUE(quarter);
    EXPECT_EQ(quarter->width(), 17);
    EXPECT_EQ(quarter->height(), 2);
}

// Packed frames that the shrink divides evenly are shrunk a strip of rows at a time; the picture
// must be the one the same pixels give planar, shrunk whole.
TEST(PixelConversion, PackedFramesShrunkByStripsMatchTheSamePixelsPlanar) {
    for (const Size size : {Size{16, 8}, Size{72, 40}}) {
        const Encoded planar = encode(PixelLayout::i422, size);
        for (const int shrink : {2, 4}) {
            const auto want = qv::convertToRgb(planar.buffer(PixelLayout::i422), shrink);
            ASSERT_TRUE(want);
            for (const PixelLayout layout : {PixelLayout::yuyv, PixelLayout::uyvy}) {
                SCOPED_TRACE(qv::layoutName(layout).toStdString() + " " +
                             std::to_string(size.width) + " / " + std::to_string(shrink));
                const auto got = qv::convertToRgb(encode(layout, size).buffer(layout), shrink);
                ASSERT_TRUE(got);
                ASSERT_EQ(got->width(), want->width());
                ASSERT_EQ(got->height(), want->height());
                // Chroma averaged in two steps beyond a halving rounds once more, and the
                // colour conversion can double that.
                const int tolerance = shrink == 2 ? 0 : 2;
                for (int y = 0; y < got->height(); ++y) {
                    for (int x = 0; x < got->width() * 3; ++x) {
                        ASSERT_NEAR(got->row(y)[x], want->row(y)[x], tolerance) << x << "," << y;
                    }
                }
            }
        }
    }
}

// A 4K camera's frame, either way up, is converted; a larger one is refused for its size
// alone (its planes are whole), so a hostile video costs no more memory than a camera.
TEST(PixelConversion, FramesUpToACamerasLargestAreConvertedAndLargerOnesRefused) {
    std::vector<std::uint8_t> bytes(std::size_t(4096) * 4096, 0);
    const auto grey = [&](int w, int h) {
        return qv::PixelBuffer{
            PixelLayout::grey8, w, h, {qv::PixelPlane{bytes.data(), w, qsizetype(bytes.size())}}};
    };
    EXPECT_TRUE(qv::convertToRgb(grey(4096, 2160)));
    EXPECT_TRUE(qv::convertToRgb(grey(2160, 4096)));
    for (const auto& [w, h] : {std::pair{4096, 2176}, std::pair{4097, 100}, std::pair{100, 4097}}) {
        const auto result = qv::convertToRgb(grey(w, h));
        ASSERT_FALSE(result) << w << "×" << h;
        EXPECT_TRUE(result.error().contains("larger than any camera"))
            << result.error().toStdString();
    }
}
