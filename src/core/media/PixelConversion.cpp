// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/media/PixelConversion.h"

#include "core/media/PlanarShrink.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <jpeglib.h>
#include <libyuv/convert_argb.h>
#include <libyuv/convert_from_argb.h>
#include <libyuv/planar_functions.h>
#include <vector>

namespace qv {

namespace {

qsizetype halfUp(int value) {
    return (static_cast<qsizetype>(value) + 1) / 2;
}

// libyuv's "RGB24" is blue first in memory; the core's RGB is its "RAW". Its converters to
// RAW are the ones to RGB24 with U and V swapped and the matrix mirrored to match (the
// "Yvu" constants), which is how libyuv builds its own I420ToRAW.
const libyuv::YuvConstants* swappedConstants(YuvMatrix matrix, YuvRange range) {
    if (range == YuvRange::limited) {
        return matrix == YuvMatrix::bt601 ? &libyuv::kYvuI601Constants : &libyuv::kYvuH709Constants;
    }
    return matrix == YuvMatrix::bt601 ? &libyuv::kYvuJPEGConstants : &libyuv::kYvuF709Constants;
}

int bytesPerPixel(PixelLayout layout) {
    switch (layout) {
    case PixelLayout::rgb24:
    case PixelLayout::bgr24:
        return 3;
    case PixelLayout::grey8:
        return 1;
    default:
        return 4;
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
    case PixelLayout::i422:
        return plane == 0 ? PlaneNeed{w, h} : PlaneNeed{halfUp(b.width), h};
    default:
        return {w * bytesPerPixel(b.layout), h};
    }
}

QString checkPlanes(const PixelBuffer& b) {
    if (b.layout == PixelLayout::mjpeg) {
        return b.planes[0].data == nullptr || b.planes[0].size <= 0
                   ? QStringLiteral("The camera frame has no pixel data.")
                   : QString();
    }
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

using ToArgb = int (*)(const std::uint8_t*, int, std::uint8_t*, int, int, int);

// Layouts libyuv reads only into its ARGB go there a row at a time, so the intermediate
// stays in the cache.
void throughArgb(ToArgb toArgb, const PixelPlane& in, int width, int height, Image& out) {
    std::vector<std::uint8_t> argb(static_cast<std::size_t>(width) * 4);
    for (int y = 0; y < height; ++y) {
        toArgb(in.data + y * in.bytesPerLine, static_cast<int>(in.bytesPerLine), argb.data(),
               width * 4, width, 1);
        libyuv::ARGBToRAW(argb.data(), width * 4, out.row(y), width * 3, width, 1);
    }
}

using PackedToPlanar = int (*)(const std::uint8_t*, int, std::uint8_t*, int, std::uint8_t*, int,
                               std::uint8_t*, int, int, int);

// Packed 4:2:2 is split into planes a row at a time; the planar converter takes any matrix.
void throughI422(PackedToPlanar split, const PixelBuffer& b, Image& out) {
    const int chromaWidth = static_cast<int>(halfUp(b.width));
    std::vector<std::uint8_t> row(static_cast<std::size_t>(b.width + 2 * chromaWidth));
    std::uint8_t* y = row.data();
    std::uint8_t* u = y + b.width;
    std::uint8_t* v = u + chromaWidth;
    const libyuv::YuvConstants* k = swappedConstants(b.matrix, b.range);
    const PixelPlane& in = b.planes[0];
    for (int line = 0; line < b.height; ++line) {
        split(in.data + line * in.bytesPerLine, static_cast<int>(in.bytesPerLine), y, b.width, u,
              chromaWidth, v, chromaWidth, b.width, 1);
        libyuv::I422ToRGB24Matrix(y, b.width, v, chromaWidth, u, chromaWidth, out.row(line),
                                  b.width * 3, k, b.width, 1);
    }
}

int stride(const PixelPlane& plane) {
    return static_cast<int>(plane.bytesPerLine);
}

void convertPixels(const PixelBuffer& b, Image& out) {
    const auto& p = b.planes;
    const int w = b.width;
    const int h = b.height;
    std::uint8_t* dst = out.row(0);
    const int dstStride = w * 3;
    const libyuv::YuvConstants* k = swappedConstants(b.matrix, b.range);
    switch (b.layout) {
    case PixelLayout::rgb24:
        libyuv::CopyPlane(p[0].data, stride(p[0]), dst, dstStride, w * 3, h);
        return;
    case PixelLayout::bgr24: // swapping red and blue is its own inverse
        libyuv::RAWToRGB24(p[0].data, stride(p[0]), dst, dstStride, w, h);
        return;
    case PixelLayout::bgrx32:
        libyuv::ARGBToRAW(p[0].data, stride(p[0]), dst, dstStride, w, h);
        return;
    case PixelLayout::rgbx32:
        return throughArgb(libyuv::ABGRToARGB, p[0], w, h, out);
    case PixelLayout::xrgb32:
        return throughArgb(libyuv::BGRAToARGB, p[0], w, h, out);
    case PixelLayout::xbgr32:
        return throughArgb(libyuv::RGBAToARGB, p[0], w, h, out);
    case PixelLayout::grey8:
        return throughArgb(libyuv::J400ToARGB, p[0], w, h, out);
    case PixelLayout::yuyv:
        return throughI422(libyuv::YUY2ToI422, b, out);
    case PixelLayout::uyvy:
        return throughI422(libyuv::UYVYToI422, b, out);
    case PixelLayout::nv12:
        libyuv::NV21ToRGB24Matrix(p[0].data, stride(p[0]), p[1].data, stride(p[1]), dst, dstStride,
                                  k, w, h);
        return;
    case PixelLayout::nv21:
        libyuv::NV12ToRGB24Matrix(p[0].data, stride(p[0]), p[1].data, stride(p[1]), dst, dstStride,
                                  k, w, h);
        return;
    case PixelLayout::i420:
        libyuv::I420ToRGB24Matrix(p[0].data, stride(p[0]), p[2].data, stride(p[2]), p[1].data,
                                  stride(p[1]), dst, dstStride, k, w, h);
        return;
    case PixelLayout::yv12:
        libyuv::I420ToRGB24Matrix(p[0].data, stride(p[0]), p[1].data, stride(p[1]), p[2].data,
                                  stride(p[2]), dst, dstStride, k, w, h);
        return;
    case PixelLayout::i422:
        libyuv::I422ToRGB24Matrix(p[0].data, stride(p[0]), p[2].data, stride(p[2]), p[1].data,
                                  stride(p[1]), dst, dstStride, k, w, h);
        return;
    case PixelLayout::mjpeg: // decoded by decodeJpeg, which can fail
        return;
    }
}

struct JpegErrors {
    jpeg_error_mgr standard;
    std::jmp_buf abandon;
};

[[noreturn]] void abandonJpeg(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->abandon, 1);
}

// A damaged picture is decoded as far as it goes; what is lost is not worth a message.
void ignoreJpegMessage(j_common_ptr /*info*/, int /*level*/) {}

enum class JpegOutcome { decoded, unreadable, otherSize };

// libjpeg reports a fatal error by jumping back here, so nothing in this function may need
// its destructor run. The picture is decoded at 1/shrink of its size with the transform's own
// scaling, which leaves out most of the work; out is of that size.
JpegOutcome decodeJpegInto(const PixelBuffer& b, int shrink, Image& out) {
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    info.err = jpeg_std_error(&errors.standard);
    errors.standard.error_exit = abandonJpeg;
    errors.standard.emit_message = ignoreJpegMessage;
    if (setjmp(errors.abandon) != 0) {
        jpeg_destroy_decompress(&info);
        return JpegOutcome::unreadable;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, b.planes[0].data, static_cast<unsigned long>(b.planes[0].size));
    jpeg_read_header(&info, TRUE);
    if (info.image_width != JDIMENSION(b.width) || info.image_height != JDIMENSION(b.height)) {
        jpeg_destroy_decompress(&info);
        return JpegOutcome::otherSize;
    }
    info.out_color_space = JCS_RGB;
    info.scale_num = 1;
    info.scale_denom = static_cast<unsigned int>(shrink);
    // Chroma is spread over its pixels as the other layouts' converters do, in one pass with
    // the colour conversion; the smoother upsampling costs more and the model cannot tell.
    info.do_fancy_upsampling = FALSE;
    jpeg_start_decompress(&info);
    if (info.output_width != JDIMENSION(out.width()) ||
        info.output_height != JDIMENSION(out.height())) {
        jpeg_destroy_decompress(&info);
        return JpegOutcome::otherSize;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.row(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return JpegOutcome::decoded;
}

QString decodeJpeg(const PixelBuffer& b, int shrink, Image& out) {
    switch (decodeJpegInto(b, shrink, out)) {
    case JpegOutcome::decoded:
        return {};
    case JpegOutcome::otherSize:
        return QStringLiteral("The camera frame holds a picture of another size than %1×%2.")
            .arg(b.width)
            .arg(b.height);
    case JpegOutcome::unreadable:
        break;
    }
    return QStringLiteral("The camera frame is not a readable JPEG picture.");
}

} // namespace

int planeCount(PixelLayout layout) {
    switch (layout) {
    case PixelLayout::nv12:
    case PixelLayout::nv21:
        return 2;
    case PixelLayout::i420:
    case PixelLayout::yv12:
    case PixelLayout::i422:
        return 3;
    default:
        return 1;
    }
}

QString layoutName(PixelLayout layout) {
    static const std::array<const char*, 15> names = {"RGB",  "BGR",  "RGBx", "BGRx", "xRGB",
                                                      "xBGR", "grey", "YUYV", "UYVY", "NV12",
                                                      "NV21", "I420", "YV12", "I422", "MJPEG"};
    return QString::fromLatin1(names.at(static_cast<std::size_t>(layout)));
}

bool isCameraSized(qint64 width, qint64 height) {
    return width <= largestCameraSide && height <= largestCameraSide &&
           width * height <= largestCameraPixels;
}

QString tooLargeForACamera(qint64 width, qint64 height) {
    return QStringLiteral("The frames are %1 × %2 pixels, larger than any camera delivers "
                          "(4096 × 2160 at most).")
        .arg(width)
        .arg(height);
}

int shrunkSide(int side, int shrink) {
    return (side + shrink - 1) / shrink;
}

Result<Image> convertToRgb(const PixelBuffer& buffer, int shrink) {
    if (buffer.width <= 0 || buffer.height <= 0) {
        return Failure{QStringLiteral("The camera frame is empty.")};
    }
    if (!isCameraSized(buffer.width, buffer.height)) {
        return Failure{tooLargeForACamera(buffer.width, buffer.height)};
    }
    if (QString problem = checkPlanes(buffer); !problem.isEmpty()) {
        return Failure{problem};
    }
    const bool isShrinkable = buffer.layout == PixelLayout::mjpeg || isShrinkableYuv(buffer.layout);
    if (!isShrinkable || (shrink != 2 && shrink != 4 && shrink != 8)) {
        shrink = 1;
    }
    const int width = shrunkSide(buffer.width, shrink);
    const int height = shrunkSide(buffer.height, shrink);
    // Every byte is written by the conversion: no need to clear them first.
    Image image(width, height,
                QByteArray(static_cast<qsizetype>(width) * height * 3, Qt::Uninitialized));
    if (buffer.layout == PixelLayout::mjpeg) {
        if (QString problem = decodeJpeg(buffer, shrink, image); !problem.isEmpty()) {
            return Failure{problem};
        }
        return image;
    }
    if (shrink > 1) {
        shrinkYuvToRgb(buffer, swappedConstants(buffer.matrix, buffer.range), image);
        return image;
    }
    convertPixels(buffer, image);
    return image;
}

} // namespace qv
