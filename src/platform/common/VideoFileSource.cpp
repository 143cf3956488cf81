#include "platform/common/VideoFileSource.h"

#include "platform/common/GstSupport.h"

#include <QFileInfo>
#include <condition_variable>
#include <gst/app/gstappsink.h>
#include <gst/video/video.h>
#include <mutex>

namespace qv {

struct VideoFileSource::Pipeline {
    gst::ObjectPtr<GstElement> pipeline;
    GstElement* sink = nullptr; // owned by the pipeline
    gst::ObjectPtr<GstBus> bus;

    ~Pipeline() {
        if (pipeline) {
            gst_element_set_state(pipeline.get(), GST_STATE_NULL);
        }
    }
};

// Lets a consumer-paced decoder wait until the frame it delivered has been let go of.
struct VideoFileSource::Gate {
    std::mutex mutex;
    std::condition_variable changed;
    bool isHeld = false;
    bool isStopping = false;
};

namespace {

constexpr GstClockTime pullTimeout = 100 * GST_MSECOND;
constexpr GstClockTime prerollTimeout = 20 * GST_SECOND;

void linkVideoPad(GstElement* /*decoder*/, GstPad* pad, gpointer downstream) {
    GstCaps* caps = gst_pad_get_current_caps(pad);
    if (caps == nullptr) {
        caps = gst_pad_query_caps(pad, nullptr);
    }
    const gchar* kind = gst_structure_get_name(gst_caps_get_structure(caps, 0));
    const bool isVideo = g_str_has_prefix(kind, "video/");
    gst_caps_unref(caps);
    gst::ObjectPtr<GstPad> target(
        gst_element_get_static_pad(static_cast<GstElement*>(downstream), "sink"));
    if (isVideo && !gst_pad_is_linked(target.get())) {
        gst_pad_link(pad, target.get());
    }
}

// Without this a file with no video would keep the pipeline waiting for a picture that
// never comes; turned into an error, it fails at once with a reason.
void requireVideo(GstElement* decoder, gpointer downstream) {
    gst::ObjectPtr<GstPad> target(
        gst_element_get_static_pad(static_cast<GstElement*>(downstream), "sink"));
    if (gst_pad_is_linked(target.get())) {
        return;
    }
    GError* error = g_error_new_literal(GST_STREAM_ERROR, GST_STREAM_ERROR_WRONG_TYPE,
                                        "The file holds no video.");
    gst_element_post_message(decoder, gst_message_new_error(GST_OBJECT(decoder), error, nullptr));
    g_error_free(error);
}

QString missingElement(const char* name) {
    return QStringLiteral("The video decoder is incomplete (GStreamer element %1 is missing).")
        .arg(QLatin1String(name));
}

Result<Image> pictureOf(GstSample* sample, const GstVideoInfo& info) {
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    GstMapInfo map;
    if (buffer == nullptr || !gst_buffer_map(buffer, &map, GST_MAP_READ)) {
        return Failure{QStringLiteral("A video frame could not be read.")};
    }
    const auto offset = static_cast<qsizetype>(GST_VIDEO_INFO_PLANE_OFFSET(&info, 0));
    PixelBuffer pixels;
    pixels.layout = PixelLayout::rgb24;
    pixels.width = GST_VIDEO_INFO_WIDTH(&info);
    pixels.height = GST_VIDEO_INFO_HEIGHT(&info);
    const auto size = static_cast<qsizetype>(map.size);
    pixels.planes[0] = {map.data + std::min(offset, size), GST_VIDEO_INFO_PLANE_STRIDE(&info, 0),
                        std::max<qsizetype>(0, size - offset)};
    Result<Image> result = convertToRgb(pixels);
    gst_buffer_unmap(buffer, &map);
    return result;
}

} // namespace

VideoFileSource::VideoFileSource(QString path, VideoFileOptions options)
    : path_(std::move(path))
    , options_(std::move(options))
    , gate_(std::make_shared<Gate>()) {}

VideoFileSource::~VideoFileSource() {
    stop();
}

Status VideoFileSource::start(FrameSourceCallbacks callbacks) {
    if (pipeline_) {
        return Failure{QStringLiteral("The video is already playing.")};
    }
    const QFileInfo file(path_);
    if (!file.isFile() || !file.isReadable()) {
        return Failure{QStringLiteral("The video file %1 cannot be opened.").arg(path_)};
    }
    gst::ensureInitialised();
    auto pipeline = std::make_unique<Pipeline>();
    pipeline->pipeline.reset(gst_pipeline_new(nullptr));
    gst_object_ref_sink(pipeline->pipeline.get());
    const char* names[] = {"filesrc", "decodebin", "videoflip", "videoconvert", "appsink"};
    GstElement* elements[5] = {};
    for (int i = 0; i < 5; ++i) {
        elements[i] = gst_element_factory_make(names[i], nullptr);
        if (elements[i] == nullptr) {
            return Failure{missingElement(names[i])};
        }
        gst_bin_add(GST_BIN(pipeline->pipeline.get()), elements[i]);
    }
    auto [fileSource, decoder, flip, convert, sink] = elements;
    g_object_set(fileSource, "location", QFile::encodeName(path_).constData(), nullptr);
    gst_util_set_object_arg(G_OBJECT(flip), "video-direction", "auto");
    GstCaps* rgb = gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "RGB", nullptr);
    const bool isRealTime = options_.pace == VideoFileOptions::Pace::realTime;
    g_object_set(sink, "caps", rgb, "sync", gboolean(isRealTime), "max-buffers", 1u, "drop", FALSE,
                 "emit-signals", FALSE, nullptr);
    gst_caps_unref(rgb);
    gst_element_link(fileSource, decoder);
    gst_element_link_many(flip, convert, sink, nullptr);
    g_signal_connect(decoder, "pad-added", G_CALLBACK(linkVideoPad), flip);
    g_signal_connect(decoder, "no-more-pads", G_CALLBACK(requireVideo), flip);
    pipeline->sink = sink;
    pipeline->bus.reset(gst_element_get_bus(pipeline->pipeline.get()));

    GstElement* bin = pipeline->pipeline.get();
    if (gst_element_set_state(bin, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE ||
        gst_element_get_state(bin, nullptr, nullptr, prerollTimeout) != GST_STATE_CHANGE_SUCCESS) {
        QString reason = gst::takeError(pipeline->bus.get());
        return Failure{QStringLiteral("The video file %1 cannot be played: %2")
                           .arg(file.fileName(), reason.isEmpty()
                                                     ? QStringLiteral("it did not start in time.")
                                                     : reason)};
    }
    gst_element_set_state(bin, GST_STATE_PLAYING);
    pipeline_ = std::move(pipeline);
    stopping_ = false;
    {
        std::lock_guard lock(gate_->mutex);
        gate_->isStopping = false;
        gate_->isHeld = false;
    }
    thread_ = std::thread([this, callbacks = std::move(callbacks)] { run(callbacks); });
    return {};
}

void VideoFileSource::stop() {
    stopping_ = true;
    {
        std::lock_guard lock(gate_->mutex);
        gate_->isStopping = true;
    }
    gate_->changed.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
    pipeline_.reset();
}

void VideoFileSource::run(FrameSourceCallbacks callbacks) {
    while (!stopping_ && deliverNext(callbacks)) {
    }
}

// Delivers one frame if one is ready; false once the stream has ended or failed.
bool VideoFileSource::deliverNext(const FrameSourceCallbacks& callbacks) {
    GstSample* pulled = gst_app_sink_try_pull_sample(GST_APP_SINK(pipeline_->sink), pullTimeout);
    if (pulled == nullptr) {
        if (QString error = gst::takeError(pipeline_->bus.get()); !error.isEmpty()) {
            if (callbacks.onError) {
                callbacks.onError(QStringLiteral("The video stopped: %1").arg(error));
            }
            return false;
        }
        if (gst_app_sink_is_eos(GST_APP_SINK(pipeline_->sink))) {
            if (options_.onFinished) {
                options_.onFinished();
            }
            return false;
        }
        return true;
    }
    std::shared_ptr<GstSample> sample(pulled, gst_sample_unref);
    GstVideoInfo info;
    if (!gst_video_info_from_caps(&info, gst_sample_get_caps(pulled))) {
        return true;
    }
    const GstClockTime pts = GST_BUFFER_PTS(gst_sample_get_buffer(pulled));
    const guint64 position =
        gst_segment_to_stream_time(gst_sample_get_segment(pulled), GST_FORMAT_TIME, pts);
    const bool isPaced = options_.pace == VideoFileOptions::Pace::asConsumed;
    Frame frame;
    frame.capturedAt =
        isPaced ? options_.timestampOrigin +
                      (GST_CLOCK_TIME_IS_VALID(position) ? double(position) / GST_SECOND : 0.0)
                : options_.clock();
    frame.picture = [sample, info] { return pictureOf(sample.get(), info); };
    if (isPaced) {
        std::lock_guard lock(gate_->mutex);
        gate_->isHeld = true;
        frame.hold = std::shared_ptr<const void>(gate_.get(), [gate = gate_](const void*) {
            {
                std::lock_guard released(gate->mutex);
                gate->isHeld = false;
            }
            gate->changed.notify_all();
        });
    }
    if (options_.onFrameTimestamp) {
        options_.onFrameTimestamp(frame.capturedAt);
    }
    if (callbacks.onFrame) {
        callbacks.onFrame(std::move(frame));
    }
    frame = {};
    std::unique_lock lock(gate_->mutex);
    gate_->changed.wait(lock, [this] { return !gate_->isHeld || gate_->isStopping; });
    return true;
}

} // namespace qv
