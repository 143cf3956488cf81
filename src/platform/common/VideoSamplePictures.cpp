// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/VideoSamplePictures.h"

#include "core/media/PixelConversion.h"

#include <gst/video/video.h>
#include <optional>

namespace qv {

const char* const deliveredFormats =
    "video/x-raw, format=(string){ YUY2, UYVY, NV12, NV21, I420, YV12, Y42B, RGB, BGR, RGBx, "
    "BGRx, xRGB, xBGR, RGBA, BGRA, ARGB, ABGR, GRAY8 }; image/jpeg";

bool isMotionJpeg(const GstCaps* caps) {
    if (caps == nullptr || gst_caps_get_size(caps) != 1) {
        return false;
    }
    const GstStructure* kind = gst_caps_get_structure(caps, 0);
    int width = 0;
    int height = 0;
    int rate = 0;
    int perSeconds = 0;
    return gst_structure_has_name(kind, "image/jpeg") &&
           gst_structure_get_int(kind, "width", &width) && width > 0 &&
           gst_structure_get_int(kind, "height", &height) && height > 0 &&
           gst_structure_get_fraction(kind, "framerate", &rate, &perSeconds) && rate > 0;
}

namespace {

std::optional<PixelLayout> layoutOf(GstVideoFormat format) {
    switch (format) {
    case GST_VIDEO_FORMAT_YUY2:
        return PixelLayout::yuyv;
    case GST_VIDEO_FORMAT_UYVY:
        return PixelLayout::uyvy;
    case GST_VIDEO_FORMAT_NV12:
        return PixelLayout::nv12;
    case GST_VIDEO_FORMAT_NV21:
        return PixelLayout::nv21;
    case GST_VIDEO_FORMAT_I420:
        return PixelLayout::i420;
    case GST_VIDEO_FORMAT_YV12: // GStreamer's plane 1 is V here, as the core expects
        return PixelLayout::yv12;
    case GST_VIDEO_FORMAT_Y42B:
        return PixelLayout::i422;
    case GST_VIDEO_FORMAT_RGB:
        return PixelLayout::rgb24;
    case GST_VIDEO_FORMAT_BGR:
        return PixelLayout::bgr24;
    case GST_VIDEO_FORMAT_RGBx:
    case GST_VIDEO_FORMAT_RGBA:
        return PixelLayout::rgbx32;
    case GST_VIDEO_FORMAT_BGRx:
    case GST_VIDEO_FORMAT_BGRA:
        return PixelLayout::bgrx32;
    case GST_VIDEO_FORMAT_xRGB:
    case GST_VIDEO_FORMAT_ARGB:
        return PixelLayout::xrgb32;
    case GST_VIDEO_FORMAT_xBGR:
    case GST_VIDEO_FORMAT_ABGR:
        return PixelLayout::xbgr32;
    case GST_VIDEO_FORMAT_GRAY8:
        return PixelLayout::grey8;
    default:
        return std::nullopt;
    }
}

Result<Image> pictureOf(GstSample* sample, const GstVideoInfo& info, int shrink) {
    const auto layout = layoutOf(GST_VIDEO_INFO_FORMAT(&info));
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    GstVideoFrame frame;
    if (!layout || buffer == nullptr ||
        !gst_video_frame_map(&frame, const_cast<GstVideoInfo*>(&info), buffer, GST_MAP_READ)) {
        return Failure{QStringLiteral("A video frame could not be read.")};
    }
    PixelBuffer pixels;
    pixels.layout = *layout;
    pixels.width = GST_VIDEO_INFO_WIDTH(&info);
    pixels.height = GST_VIDEO_INFO_HEIGHT(&info);
    pixels.matrix = info.colorimetry.matrix == GST_VIDEO_COLOR_MATRIX_BT709 ? YuvMatrix::bt709
                                                                            : YuvMatrix::bt601;
    pixels.range =
        info.colorimetry.range == GST_VIDEO_COLOR_RANGE_0_255 ? YuvRange::full : YuvRange::limited;
    const int planes = std::min<int>(GST_VIDEO_FRAME_N_PLANES(&frame), 3);
    // With a layout of its own (a video meta) each plane is mapped by itself; otherwise the
    // buffer is mapped once, whole, and only the first map is filled in.
    const bool isMappedByPlane = gst_buffer_get_video_meta(buffer) != nullptr;
    for (int i = 0; i < planes; ++i) {
        // A plane may be read up to the end of the memory it was mapped from.
        const auto* data = static_cast<const std::uint8_t*>(GST_VIDEO_FRAME_PLANE_DATA(&frame, i));
        const GstMapInfo& map = frame.map[isMappedByPlane ? i : 0];
        const auto size = static_cast<qsizetype>(map.size) - (data - map.data);
        pixels.planes[static_cast<std::size_t>(i)] = {data, GST_VIDEO_FRAME_PLANE_STRIDE(&frame, i),
                                                      std::max<qsizetype>(0, size)};
    }
    Result<Image> result = convertToRgb(pixels, shrink);
    gst_video_frame_unmap(&frame);
    return result;
}

Result<Image> jpegPictureOf(GstSample* sample, int width, int height, int shrink) {
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    GstMapInfo map;
    if (buffer == nullptr || !gst_buffer_map(buffer, &map, GST_MAP_READ)) {
        return Failure{QStringLiteral("A video frame could not be read.")};
    }
    PixelBuffer pixels;
    pixels.layout = PixelLayout::mjpeg;
    pixels.width = width;
    pixels.height = height;
    pixels.planes[0] = {map.data, 0, static_cast<qsizetype>(map.size)};
    Result<Image> result = convertToRgb(pixels, shrink);
    gst_buffer_unmap(buffer, &map);
    return result;
}

} // namespace

SamplePicture pictureReader(std::shared_ptr<GstSample> sample) {
    const GstCaps* caps = gst_sample_get_caps(sample.get());
    if (isMotionJpeg(caps)) {
        const GstStructure* kind = gst_caps_get_structure(caps, 0);
        int width = 0;
        int height = 0;
        gst_structure_get_int(kind, "width", &width);
        gst_structure_get_int(kind, "height", &height);
        return {[sample, width, height](int shrink) {
                    return jpegPictureOf(sample.get(), width, height, shrink);
                },
                width, height};
    }
    GstVideoInfo info;
    if (caps == nullptr || !gst_video_info_from_caps(&info, caps)) {
        return {};
    }
    return {[sample, info](int shrink) { return pictureOf(sample.get(), info, shrink); },
            GST_VIDEO_INFO_WIDTH(&info), GST_VIDEO_INFO_HEIGHT(&info)};
}

} // namespace qv
