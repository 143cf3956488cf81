// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/media/PixelConversion.h"

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

// One plane built byte by byte, each row followed by padding the converter must skip.
struct Plane {
    std::vector<std::uint8_t> bytes;
    qsizetype stride = 0;
};

Plane plane(int rows, int paddingBytes, const std::function<std::vector<int>(int row)>& rowBytes) {
    Plane out;
    for (int y = 0; y < rows; ++y) {
        const auto bytes = rowBytes(y);
        out.stride = static_cast<qsizetype>(bytes.size()) + paddingBytes;
        for (int v : bytes) {
            out.bytes.push_back(static_cast<std::uint8_t>(v));
        }
        out.bytes.insert(out.bytes.end(), static_cast<std::size_t>(paddingBytes), padding);
    }
    return out;
}

struct Encoded {
    Size size;
    std::vector<Plane> planes;

    qv::PixelBuffer buffer(PixelLayout layout) const {
        qv::PixelBuffer b;
        b.layout = layout;
        b.width = size.width;
        b.height = size.height;
        for (std::size_t i = 0; i < planes.size(); ++i) {
            b.planes[i] = {planes[i].bytes.data(), planes[i].stride,
                           static_cast<qsizetype>(planes[i].bytes.size())};
        }
        return b;
    }
};

Encoded encode(PixelLayout layout, Size size) {
    const int w = size.width;
    const int h = size.height;
    const int chromaWidth = (w + 1) / 2;
    const int chromaHeight = (h + 1) / 2;
    auto packedRgb = [w](std::vector<int> order, int bytes) {
        return [w, order, bytes](int y) {
            std::vector<int> row;
            for (int x = 0; x < w; ++x) {
                const Rgb c = pixelAt(x, y);
                std::vector<int> px(static_cast<std::size_t>(bytes), 0x55);
                const int channel[3] = {c.r, c.g, c.b};
                for (int i = 0; i < 3; ++i) {
                    px[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = channel[i];
                }
                row.insert(row.end(), px.begin(), px.end());
            }
            return row;
        };
    };
    auto luma = [w](int y) {
        std::vector<int> row;
        for (int x = 0; x < w; ++x) {
            row.push_back(toYuv(pixelAt(x, y)).y);
        }
        return row;
    };
    // Chroma rows; rowsPerSample is 2 for 4:2:0 and 1 for 4:2:2.
    auto chroma = [chromaWidth](bool u, bool interleaveSecond, int rowsPerSample = 2) {
        return [=](int cy) {
            std::vector<int> row;
            for (int cx = 0; cx < chromaWidth; ++cx) {
                const Yuv c = toYuv(pixelAt(cx * 2, cy * rowsPerSample));
                row.push_back(u ? c.u : c.v);
                if (interleaveSecond) {
                    row.push_back(u ? c.v : c.u);
                }
            }
            return row;
        };
    };
    auto packedYuv = [w](bool yFirst) {
        return [w, yFirst](int y) {
            std::vector<int> row;
            for (int x = 0; x < w; x += 2) {
                const Yuv a = toYuv(pixelAt(x, y));
                const int y1 = x + 1 < w ? toYuv(pixelAt(x + 1, y)).y : 0;
                if (yFirst) {
                    row.insert(row.end(), {a.y, a.u, y1, a.v});
                } else {
                    row.insert(row.end(), {a.u, a.y, a.v, y1});
                }
            }
            return row;
        };
    };
    auto grey = [w](int y) {
        std::vector<int> row;
        for (int x = 0; x < w; ++x) {
            row.push_back(pixelAt(x, y).g);
        }
        return row;
    };
    switch (layout) {
    case PixelLayout::rgb24:
        return {size, {plane(h, 2, packedRgb({0, 1, 2}, 3))}};
    case PixelLayout::bgr24:
        return {size, {plane(h, 0, packedRgb({2, 1, 0}, 3))}};
    case PixelLayout::rgbx32:
        return {size, {plane(h, 4, packedRgb({0, 1, 2}, 4))}};
    case PixelLayout::bgrx32:
        return {size, {plane(h, 0, packedRgb({2, 1, 0}, 4))}};
    case PixelLayout::xrgb32:
        return {size, {plane(h, 0, packedRgb({1, 2, 3}, 4))}};
    case PixelLayout::xbgr32:
        return {size, {plane(h, 0, packedRgb({3, 2, 1}, 4))}};
    case PixelLayout::grey8:
        return {size, {plane(h, 2, grey)}};
    case PixelLayout::yuyv:
        return {size, {plane(h, 2, packedYuv(true))}};
    case PixelLayout::uyvy:
        return {size, {plane(h, 0, packedYuv(false))}};
    case PixelLayout::nv12:
        return {size, {plane(h, 1, luma), plane(chromaHeight, 2, chroma(true, true))}};
    case PixelLayout::nv21:
        return {size, {plane(h, 1, luma), plane(chromaHeight, 0, chroma(false, true))}};
    case PixelLayout::i420:
        return {size,
                {plane(h, 0, luma), plane(chromaHeight, 0, chroma(true, false)),
                 plane(chromaHeight, 1, chroma(false, false))}};
    case PixelLayout::yv12:
        return {size,
                {plane(h, 0, luma), plane(chromaHeight, 0, chroma(false, false)),
                 plane(chromaHeight, 0, chroma(true, false))}};
    case PixelLayout::i422:
        return {size,
                {plane(h, 3, luma), plane(h, 1, chroma(true, false, 1)),
                 plane(h, 0, chroma(false, false, 1))}};
    case PixelLayout::mjpeg: // compressed: its own tests
        break;
    }
    return {};
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
            const bool isGrey = layout == PixelLayout::grey8;
            const int tolerance = layout >= PixelLayout::yuyv ? 3 : 0;
            for (int y = 0; y < size.height; ++y) {
                for (int x = 0; x < size.width; ++x) {
                    const Rgb want = pixelAt(x, y);
                    const std::uint8_t* got = result->row(y) + x * 3;
                    ASSERT_NEAR(got[0], isGrey ? want.g : want.r, tolerance) << x << "," << y;
                    ASSERT_NEAR(got[1], want.g, tolerance) << x << "," << y;
                    ASSERT_NEAR(got[2], isGrey ? want.g : want.b, tolerance) << x << "," << y;
                }
            }
        }
    }
}

TEST(PixelConversion, FullRangeAndHdMatricesMapBlackWhiteAndRedAsTheyShould) {
    struct Case {
        qv::YuvMatrix matrix;
        qv::YuvRange range;
        Yuv black, white, red;
    };
    const Case cases[] = {
        {qv::YuvMatrix::bt601, qv::YuvRange::full, {0, 128, 128}, {255, 128, 128}, {76, 85, 255}},
        {qv::YuvMatrix::bt709,
         qv::YuvRange::limited,
         {16, 128, 128},
         {235, 128, 128},
         {63, 102, 240}},
        {qv::YuvMatrix::bt709, qv::YuvRange::full, {0, 128, 128}, {255, 128, 128}, {54, 99, 255}},
    };
    for (const Case& c : cases) {
        const Yuv pixels[] = {c.black, c.white, c.red};
        const int want[3][3] = {{0, 0, 0}, {255, 255, 255}, {255, 0, 0}};
        for (int i = 0; i < 3; ++i) {
            std::vector<std::uint8_t> bytes = {
                static_cast<std::uint8_t>(pixels[i].y), static_cast<std::uint8_t>(pixels[i].u),
                static_cast<std::uint8_t>(pixels[i].y), static_cast<std::uint8_t>(pixels[i].v)};
            qv::PixelBuffer b;
            b.layout = PixelLayout::yuyv;
            b.width = 2;
            b.height = 1;
            b.matrix = c.matrix;
            b.range = c.range;
            b.planes[0] = {bytes.data(), 4, 4};
            const auto result = qv::convertToRgb(b);
            ASSERT_TRUE(result);
            for (int channel = 0; channel < 3; ++channel) {
                EXPECT_NEAR(result->row(0)[channel], want[i][channel], 3)
                    << "case " << &c - cases << " colour " << i << " channel " << channel;
            }
        }
    }
}

TEST(PixelConversion, BuffersThatDoNotHoldTheirPictureAreRefusedWithAReason) {
    std::vector<std::uint8_t> bytes(64, 0);
    auto buffer = [&](PixelLayout layout, int w, int h, qsizetype stride, qsizetype size) {
        qv::PixelBuffer b;
        b.layout = layout;
        b.width = w;
        b.height = h;
        for (auto& p : b.planes) {
            p = {bytes.data(), stride, size};
        }
        return b;
    };
    struct Case {
        const char* what;
        qv::PixelBuffer buffer;
    };
    qv::PixelBuffer noData = buffer(PixelLayout::rgb24, 2, 2, 6, 12);
    noData.planes[0].data = nullptr;
    qv::PixelBuffer shortChroma = buffer(PixelLayout::i420, 8, 6, 8, 48);
    shortChroma.planes[2].size = 10; // needs two rows of 8 and one of 4
    const Case cases[] = {
        {"zero width", buffer(PixelLayout::rgb24, 0, 2, 6, 64)},
        {"negative height", buffer(PixelLayout::grey8, 4, -1, 4, 64)},
        {"absurd size", buffer(PixelLayout::grey8, 100000, 1, 100000, 64)},
        {"no pixel data", noData},
        {"rows shorter than the width", buffer(PixelLayout::bgrx32, 4, 2, 12, 64)},
        {"too few rows", buffer(PixelLayout::rgb24, 4, 6, 12, 64)},
        {"last row cut short", buffer(PixelLayout::grey8, 8, 8, 8, 63)},
        {"odd width YUYV with a row a byte short", buffer(PixelLayout::yuyv, 3, 2, 7, 64)},
        {"chroma plane too small", shortChroma},
    };
    for (const Case& c : cases) {
        const auto result = qv::convertToRgb(c.buffer);
        EXPECT_FALSE(result) << c.what;
        EXPECT_TRUE(result.error().endsWith('.') && result.error().size() > 10) << c.what;
    }
}

// A 4K camera's frame, either way up, is converted; a larger one is refused for its size
// alone (its planes are whole), so a hostile video costs no more memory than a camera.
TEST(PixelConversion, FramesUpToACamerasLargestAreConvertedAndLargerOnesRefused) {
    std::vector<std::uint8_t> bytes(std::size_t(4096) * 4096, 0);
    const auto grey = [&](int w, int h) {
        qv::PixelBuffer b;
        b.layout = PixelLayout::grey8;
        b.width = w;
        b.height = h;
        b.planes[0] = {bytes.data(), w, qsizetype(bytes.size())};
        return b;
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
