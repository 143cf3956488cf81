#include "core/media/PixelConversion.h"

#include <algorithm>

namespace qv {

namespace {

// Larger frames than this are not a camera's; refusing them keeps size arithmetic in range.
constexpr int maximumSide = 16384;

struct Coefficients {
    int luma;   // per unit of luma above black
    int vToRed; // per unit of V
    int uToGreen;
    int vToGreen;
    int uToBlue;
    int black; // luma value of black
};

// Fixed point with eight fractional bits.
Coefficients coefficientsFor(YuvMatrix matrix, YuvRange range) {
    if (range == YuvRange::limited) {
        return matrix == YuvMatrix::bt601 ? Coefficients{298, 409, 100, 208, 516, 16}
                                          : Coefficients{298, 459, 55, 136, 541, 16};
    }
    return matrix == YuvMatrix::bt601 ? Coefficients{256, 359, 88, 183, 454, 0}
                                      : Coefficients{256, 403, 48, 120, 475, 0};
}

std::uint8_t clampByte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

qsizetype halfUp(int value) {
    return (static_cast<qsizetype>(value) + 1) / 2;
}

// The pointers of one output row into the planes, and how far each advances per pixel
// (luma) or per pair of pixels (chroma).
struct YuvRow {
    const std::uint8_t* y;
    const std::uint8_t* u;
    const std::uint8_t* v;
    int yStep;
    int chromaStep;
};

void convertYuvRow(const YuvRow& in, int width, const Coefficients& k, std::uint8_t* out) {
    for (int x = 0; x < width; ++x) {
        const int c = (in.y[x * in.yStep] - k.black) * k.luma;
        const int d = in.u[(x / 2) * in.chromaStep] - 128;
        const int e = in.v[(x / 2) * in.chromaStep] - 128;
        out[0] = clampByte((c + k.vToRed * e + 128) >> 8);
        out[1] = clampByte((c - k.uToGreen * d - k.vToGreen * e + 128) >> 8);
        out[2] = clampByte((c + k.uToBlue * d + 128) >> 8);
        out += 3;
    }
}

const std::uint8_t* rowOf(const PixelPlane& plane, qsizetype y) {
    return plane.data + y * plane.bytesPerLine;
}

YuvRow yuvRow(const PixelBuffer& b, int y) {
    const auto& p = b.planes;
    switch (b.layout) {
    case PixelLayout::yuyv: {
        const auto* row = rowOf(p[0], y);
        return {row, row + 1, row + 3, 2, 4};
    }
    case PixelLayout::uyvy: {
        const auto* row = rowOf(p[0], y);
        return {row + 1, row, row + 2, 2, 4};
    }
    case PixelLayout::nv12:
        return {rowOf(p[0], y), rowOf(p[1], y / 2), rowOf(p[1], y / 2) + 1, 1, 2};
    case PixelLayout::nv21:
        return {rowOf(p[0], y), rowOf(p[1], y / 2) + 1, rowOf(p[1], y / 2), 1, 2};
    case PixelLayout::i420:
        return {rowOf(p[0], y), rowOf(p[1], y / 2), rowOf(p[2], y / 2), 1, 1};
    case PixelLayout::yv12:
        return {rowOf(p[0], y), rowOf(p[2], y / 2), rowOf(p[1], y / 2), 1, 1};
    default:
        return {};
    }
}

// Offsets of red, green and blue within one pixel of the RGB-like layouts.
struct RgbOrder {
    int bytes;
    int red;
    int green;
    int blue;
};

RgbOrder rgbOrder(PixelLayout layout) {
    switch (layout) {
    case PixelLayout::rgb24:
        return {3, 0, 1, 2};
    case PixelLayout::bgr24:
        return {3, 2, 1, 0};
    case PixelLayout::rgbx32:
        return {4, 0, 1, 2};
    case PixelLayout::bgrx32:
        return {4, 2, 1, 0};
    case PixelLayout::xrgb32:
        return {4, 1, 2, 3};
    case PixelLayout::xbgr32:
        return {4, 3, 2, 1};
    default:
        return {1, 0, 0, 0}; // grey: one byte for all three
    }
}

bool isYuv(PixelLayout layout) {
    switch (layout) {
    case PixelLayout::yuyv:
    case PixelLayout::uyvy:
    case PixelLayout::nv12:
    case PixelLayout::nv21:
    case PixelLayout::i420:
    case PixelLayout::yv12:
        return true;
    default:
        return false;
    }
}

// Bytes of one row and number of rows that each plane must hold.
struct PlaneNeed {
    qsizetype rowBytes;
    qsizetype rows;
};

PlaneNeed planeNeed(const PixelBuffer& b, int plane) {
    const qsizetype w = b.width;
    const qsizetype h = b.height;
    switch (b.layout) {
    case PixelLayout::yuyv:
    case PixelLayout::uyvy:
        return {halfUp(b.width) * 4, h};
    case PixelLayout::nv12:
    case PixelLayout::nv21:
        return plane == 0 ? PlaneNeed{w, h} : PlaneNeed{halfUp(b.width) * 2, halfUp(b.height)};
    case PixelLayout::i420:
    case PixelLayout::yv12:
        return plane == 0 ? PlaneNeed{w, h} : PlaneNeed{halfUp(b.width), halfUp(b.height)};
    default:
        return {w * rgbOrder(b.layout).bytes, h};
    }
}

QString checkPlanes(const PixelBuffer& b) {
    for (int i = 0; i < planeCount(b.layout); ++i) {
        const PixelPlane& plane = b.planes[static_cast<std::size_t>(i)];
        const PlaneNeed need = planeNeed(b, i);
        if (plane.data == nullptr) {
            return QStringLiteral("The camera frame has no pixel data.");
        }
        if (plane.bytesPerLine < need.rowBytes ||
            plane.size < plane.bytesPerLine * (need.rows - 1) + need.rowBytes) {
            return QStringLiteral("The camera frame holds fewer bytes than its size needs (%1).")
                .arg(layoutName(b.layout));
        }
    }
    return {};
}

} // namespace

int planeCount(PixelLayout layout) {
    switch (layout) {
    case PixelLayout::nv12:
    case PixelLayout::nv21:
        return 2;
    case PixelLayout::i420:
    case PixelLayout::yv12:
        return 3;
    default:
        return 1;
    }
}

QString layoutName(PixelLayout layout) {
    static const std::array<const char*, 13> names = {"RGB",  "BGR",  "RGBx", "BGRx", "xRGB",
                                                      "xBGR", "grey", "YUYV", "UYVY", "NV12",
                                                      "NV21", "I420", "YV12"};
    return QString::fromLatin1(names.at(static_cast<std::size_t>(layout)));
}

Result<Image> convertToRgb(const PixelBuffer& buffer) {
    if (buffer.width <= 0 || buffer.height <= 0) {
        return Failure{QStringLiteral("The camera frame is empty.")};
    }
    if (buffer.width > maximumSide || buffer.height > maximumSide) {
        return Failure{QStringLiteral("The camera frame is too large (%1×%2).")
                           .arg(buffer.width)
                           .arg(buffer.height)};
    }
    if (QString problem = checkPlanes(buffer); !problem.isEmpty()) {
        return Failure{problem};
    }
    Image image(buffer.width, buffer.height);
    if (isYuv(buffer.layout)) {
        const Coefficients k = coefficientsFor(buffer.matrix, buffer.range);
        for (int y = 0; y < buffer.height; ++y) {
            convertYuvRow(yuvRow(buffer, y), buffer.width, k, image.row(y));
        }
        return image;
    }
    const RgbOrder order = rgbOrder(buffer.layout);
    for (int y = 0; y < buffer.height; ++y) {
        const std::uint8_t* in = rowOf(buffer.planes[0], y);
        std::uint8_t* out = image.row(y);
        for (int x = 0; x < buffer.width; ++x, in += order.bytes, out += 3) {
            out[0] = in[order.red];
            out[1] = in[order.green];
            out[2] = in[order.blue];
        }
    }
    return image;
}

} // namespace qv
