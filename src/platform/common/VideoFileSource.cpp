// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/VideoFileSource.h"

#include "core/media/PixelConversion.h"
#include "platform/common/GstSupport.h"
#include "platform/common/VideoSamplePictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <condition_variable>
#include <gst/app/gstappsink.h>
#include <gst/base/gstbasetransform.h>
#include <mutex>

namespace qv {

namespace {

// Where a decoded stream goes: through the converter and the flip for pictures, straight to
// the sink for motion JPEG. Only one of them is linked to the sink, once the stream is known.
struct Downstream {
    GstElement* convert;
    GstElement* flip;
    GstElement* sink;
};

} // namespace

struct VideoFileSource::Pipeline {
    gst::ObjectPtr<GstElement> pipeline;
    GstElement* sink = nullptr;             // owned by the pipeline
    std::unique_ptr<Downstream> downstream; // for the decoder's signals
    gst::ObjectPtr<GstBus> bus;
    GstClockTime duration = GST_CLOCK_TIME_NONE;     // as the file states it
    GstClockTime lastPosition = GST_CLOCK_TIME_NONE; // of the last frame delivered

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
// A last frame this far before the stated end means the file was cut short; a track of sound
// running on a little past the picture does not.
constexpr GstClockTime earlyEndMargin = GST_SECOND;
constexpr GstClockTime errorArrival = GST_SECOND;

void postStreamError(GstElement* element, const QString& message) {
    GError* error = g_error_new_literal(GST_STREAM_ERROR, GST_STREAM_ERROR_WRONG_TYPE,
                                        message.toUtf8().constData());
    gst_element_post_message(element, gst_message_new_error(GST_OBJECT(element), error, nullptr));
    g_error_free(error);
}

// The decoder exposes a stream as it stands once this says not to go on. A stream whose
// frames are larger than a camera's is stopped here, while still compressed: decoders keep
// several frames, and at 8000 × 8000 pixels that was over a gigabyte.
gboolean continueDecoding(GstElement* decoder, GstPad* /*pad*/, GstCaps* caps,
                          gpointer /*unused*/) {
    const GstStructure* stream = gst_caps_get_structure(caps, 0);
    gint width = 0;
    gint height = 0;
    if (stream != nullptr && gst_structure_get_int(stream, "width", &width) &&
        gst_structure_get_int(stream, "height", &height) && !isCameraSized(width, height)) {
        postStreamError(decoder, tooLargeForACamera(width, height));
        return FALSE;
    }
    return isMotionJpeg(caps) ? FALSE : TRUE;
}

gst::ObjectPtr<GstPad> sinkPadOf(GstElement* element) {
    return gst::ObjectPtr<GstPad>(gst_element_get_static_pad(element, "sink"));
}

// The flip copies every picture, even unturned, until it is told to let them pass, and while
// it follows the stream's orientation tags. So it lets them pass from the start, and follows
// the tags from the first that asks for a turn, which reaches it (just after this) before the
// pictures it applies to; the turn ends the passing on.
GstPadProbeReturn followOrientationTags(GstPad* /*pad*/, GstPadProbeInfo* info, gpointer flip) {
    GstEvent* event = GST_PAD_PROBE_INFO_EVENT(info);
    if (GST_EVENT_TYPE(event) != GST_EVENT_TAG) {
        return GST_PAD_PROBE_OK;
    }
    GstTagList* tags = nullptr;
    gst_event_parse_tag(event, &tags);
    gchar* orientation = nullptr;
    if (gst_tag_list_get_string(tags, GST_TAG_IMAGE_ORIENTATION, &orientation)) {
        if (g_strcmp0(orientation, "rotate-0") != 0) {
            gst_util_set_object_arg(static_cast<GObject*>(flip), "video-direction", "auto");
        }
        g_free(orientation);
    }
    return GST_PAD_PROBE_OK;
}

void linkVideoPad(GstElement* /*decoder*/, GstPad* pad, gpointer data) {
    const auto* downstream = static_cast<const Downstream*>(data);
    GstCaps* caps = gst_pad_get_current_caps(pad);
    if (caps == nullptr) {
        caps = gst_pad_query_caps(pad, nullptr);
    }
    const gchar* kind = gst_structure_get_name(gst_caps_get_structure(caps, 0));
    const bool isVideo = g_str_has_prefix(kind, "video/");
    const bool isJpeg = isMotionJpeg(caps);
    gst_caps_unref(caps);
    gst::ObjectPtr<GstPad> sink = sinkPadOf(downstream->sink);
    if (gst_pad_is_linked(sink.get()) || !(isVideo || isJpeg)) {
        return;
    }
    if (isJpeg) {
        gst_pad_link(pad, sink.get());
        return;
    }
    gst_element_link(downstream->flip, downstream->sink);
    gst::ObjectPtr<GstPad> convert = sinkPadOf(downstream->convert);
    gst_pad_link(pad, convert.get());
}

// Without this a file with no video would keep the pipeline waiting for a picture that
// never comes; turned into an error, it fails at once with a reason.
void requireVideo(GstElement* decoder, gpointer data) {
    const auto* downstream = static_cast<const Downstream*>(data);
    if (gst_pad_is_linked(sinkPadOf(downstream->sink).get())) {
        return;
    }
    postStreamError(decoder, QStringLiteral("The file holds no video."));
}

QString missingElement(const char* name) {
    return QStringLiteral("The video decoder is incomplete (GStreamer element %1 is missing).")
        .arg(QLatin1String(name));
}

// GStreamer decodes a picture given as a video whole, however large its header says it is;
// Qt's image allocation limit, which every picture read through Qt keeps to, refuses it first,
// and then the size of a camera's frame.
Status checkPictureSize(const QString& path) {
    QImageReader reader(path);
    static const QList<QByteArray> pictureFormats{"bmp", "gif", "jpeg", "png", "tiff", "webp"};
    if (!reader.canRead() || !pictureFormats.contains(reader.format())) {
        return {};
    }
    const QSize size = reader.size();
    const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    if (limit > 0 && size.isValid() && qint64(size.width()) * size.height() * 4 > limit) {
        return Failure{QStringLiteral("The picture %1 is too large to be read (%2 × %3 pixels).")
                           .arg(QFileInfo(path).fileName())
                           .arg(size.width())
                           .arg(size.height())};
    }
    if (size.isValid() && !isCameraSized(size.width(), size.height())) {
        return Failure{tooLargeForACamera(size.width(), size.height())};
    }
    return {};
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
    if (Status picture = checkPictureSize(path_); !picture) {
        return picture;
    }
    gst::ensureInitialised();
    auto pipeline = std::make_unique<Pipeline>();
    pipeline->pipeline.reset(gst_pipeline_new(nullptr));
    gst_object_ref_sink(pipeline->pipeline.get());
    // The converter sits before the flip so that a rotated picture is turned in a layout the
    // flip takes; an upright one passes both untouched.
    const char* names[] = {"filesrc", "decodebin", "videoconvert", "videoflip", "appsink"};
    GstElement* elements[5] = {};
    for (int i = 0; i < 5; ++i) {
        elements[i] = gst_element_factory_make(names[i], nullptr);
        if (elements[i] == nullptr) {
            return Failure{missingElement(names[i])};
        }
        gst_bin_add(GST_BIN(pipeline->pipeline.get()), elements[i]);
    }
    auto [fileSource, decoder, convert, flip, sink] = elements;
    g_object_set(fileSource, "location", QFile::encodeName(path_).constData(), nullptr);
    gst_base_transform_set_passthrough(GST_BASE_TRANSFORM(flip), TRUE);
    gst_pad_add_probe(sinkPadOf(flip).get(), GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM,
                      followOrientationTags, flip, nullptr);
    GstCaps* raw = gst_caps_from_string(deliveredFormats);
    const bool isRealTime = options_.pace == VideoFileOptions::Pace::realTime;
    g_object_set(sink, "caps", raw, "sync", gboolean(isRealTime), "max-buffers", 1u, "drop", FALSE,
                 "emit-signals", FALSE, nullptr);
    gst_caps_unref(raw);
    gst_element_link(fileSource, decoder);
    gst_element_link(convert, flip);
    pipeline->downstream = std::make_unique<Downstream>(Downstream{convert, flip, sink});
    g_signal_connect(decoder, "autoplug-continue", G_CALLBACK(continueDecoding), nullptr);
    g_signal_connect(decoder, "pad-added", G_CALLBACK(linkVideoPad), pipeline->downstream.get());
    g_signal_connect(decoder, "no-more-pads", G_CALLBACK(requireVideo), pipeline->downstream.get());
    pipeline->sink = sink;
    pipeline->bus.reset(gst_element_get_bus(pipeline->pipeline.get()));

    GstElement* bin = pipeline->pipeline.get();
    if (gst_element_set_state(bin, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE ||
        gst_element_get_state(bin, nullptr, nullptr, prerollTimeout) != GST_STATE_CHANGE_SUCCESS) {
        // The bin fails the state change as soon as an element reports an error, and only
        // then passes the report on to the bus.
        QString reason = gst::takeError(pipeline->bus.get(), errorArrival);
        return Failure{QStringLiteral("The video file %1 cannot be played: %2")
                           .arg(file.fileName(), reason.isEmpty()
                                                     ? QStringLiteral("it did not start in time.")
                                                     : reason)};
    }
    if (gint64 duration = 0; gst_element_query_duration(bin, GST_FORMAT_TIME, &duration)) {
        pipeline->duration = static_cast<GstClockTime>(duration);
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
            const GstClockTime stated = pipeline_->duration;
            const GstClockTime reached = pipeline_->lastPosition;
            if (GST_CLOCK_TIME_IS_VALID(stated) && GST_CLOCK_TIME_IS_VALID(reached) &&
                reached + earlyEndMargin < stated) {
                if (callbacks.onError) {
                    callbacks.onError(
                        QStringLiteral("The video %1 ended early, at %2 s of %3 s: it could not "
                                       "be read to the end.")
                            .arg(QFileInfo(path_).fileName())
                            .arg(double(reached) / GST_SECOND, 0, 'f', 1)
                            .arg(double(stated) / GST_SECOND, 0, 'f', 1));
                }
            } else if (options_.onFinished) {
                options_.onFinished();
            }
            return false;
        }
        return true;
    }
    std::shared_ptr<GstSample> sample(pulled, gst_sample_unref);
    SamplePicture picture = pictureReader(sample);
    if (!picture.read) {
        return true;
    }
    const GstClockTime pts = GST_BUFFER_PTS(gst_sample_get_buffer(pulled));
    const guint64 position =
        gst_segment_to_stream_time(gst_sample_get_segment(pulled), GST_FORMAT_TIME, pts);
    if (GST_CLOCK_TIME_IS_VALID(position)) {
        pipeline_->lastPosition = position;
    }
    const bool isPaced = options_.pace == VideoFileOptions::Pace::asConsumed;
    Frame frame;
    frame.capturedAt =
        isPaced ? options_.timestampOrigin +
                      (GST_CLOCK_TIME_IS_VALID(position) ? double(position) / GST_SECOND : 0.0)
                : options_.clock();
    frame.picture = [read = picture.read] { return read(1); };
    frame.shrunkPicture = std::move(picture.read);
    frame.width = picture.width;
    frame.height = picture.height;
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
