// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/PulseConnection.h"

#include <algorithm>
#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>

namespace qv {

struct PulseConnection::Stream {
    QString name;
    QByteArray samples;
    qsizetype written = 0;
    pa_stream* stream = nullptr;
    pa_operation* drain = nullptr;
    bool finished = false;
    Clock::time_point deadline;

    ~Stream() {
        if (drain != nullptr) {
            if (pa_operation_get_state(drain) == PA_OPERATION_RUNNING) {
                pa_operation_cancel(drain);
            }
            pa_operation_unref(drain);
        }
        if (stream != nullptr) {
            pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa_stream_set_write_callback(stream, nullptr, nullptr);
            pa_stream_disconnect(stream);
            pa_stream_unref(stream);
        }
    }
};

namespace {

void logProblem(const QString& sentence) {
    qWarning("quorvantel: %s", qPrintable(sentence));
}

QString lastError(pa_context* context) {
    return QString::fromUtf8(pa_strerror(pa_context_errno(context)));
}

using Stream = PulseConnection::Stream;

constexpr pa_usec_t latencyUs = 25'000;
constexpr pa_usec_t leadUs = 50'000;

void drained(pa_stream*, int, void* data) {
    static_cast<Stream*>(data)->finished = true;
}

// The server asks for as much as its buffer takes; once the clip is all there, draining
// both starts a clip shorter than the buffer and says when it has been heard.
void writable(pa_stream* stream, size_t requested, void* data) {
    auto* playing = static_cast<Stream*>(data);
    const auto count =
        std::min(static_cast<qsizetype>(requested), playing->samples.size() - playing->written);
    if (count > 0 &&
        pa_stream_write(stream, playing->samples.constData() + playing->written,
                        static_cast<size_t>(count), nullptr, 0, PA_SEEK_RELATIVE) < 0) {
        logProblem(QStringLiteral("The sound \"%1\" could not be handed to the sound server: %2.")
                       .arg(playing->name, lastError(pa_stream_get_context(stream))));
        playing->finished = true;
        return;
    }
    playing->written += count;
    if (playing->written == playing->samples.size() && playing->drain == nullptr) {
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        playing->drain = pa_stream_drain(stream, drained, playing);
    }
}

void streamStateChanged(pa_stream* stream, void* data) {
    auto* playing = static_cast<Stream*>(data);
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_FAILED) {
        logProblem(QStringLiteral("The sound server refused the sound \"%1\": %2.")
                       .arg(playing->name, lastError(pa_stream_get_context(stream))));
    }
    if (!PA_STREAM_IS_GOOD(state)) {
        playing->finished = true;
    }
}

} // namespace

PulseConnection::PulseConnection(pa_mainloop* loop, const QByteArray& server) {
    context_ = pa_context_new(pa_mainloop_get_api(loop), "Quorvantel");
    // A sound is not worth starting a sound server for.
    if (context_ != nullptr) {
        pa_context_connect(context_, server.isEmpty() ? nullptr : server.constData(),
                           PA_CONTEXT_NOAUTOSPAWN, nullptr);
    }
}

PulseConnection::~PulseConnection() {
    streams_.clear();
    if (context_ != nullptr) {
        pa_context_disconnect(context_);
        pa_context_unref(context_);
    }
}

PulseConnection::State PulseConnection::state() const {
    if (context_ == nullptr) {
        return State::failed;
    }
    const pa_context_state_t state = pa_context_get_state(context_);
    if (state == PA_CONTEXT_READY) {
        return State::ready;
    }
    return PA_CONTEXT_IS_GOOD(state) || state == PA_CONTEXT_UNCONNECTED ? State::connecting
                                                                        : State::failed;
}

QString PulseConnection::failure() const {
    return context_ == nullptr ? QStringLiteral("out of memory") : lastError(context_);
}

void PulseConnection::start(PlaybackClip clip, Clock::duration slack) {
    const pa_sample_spec format{PA_SAMPLE_S16LE, static_cast<uint32_t>(clip.sampleRate),
                                static_cast<uint8_t>(clip.channels)};
    auto playing = std::make_unique<Stream>();
    playing->name = clip.name;
    // A sink that cannot rewind starts a new stream only past what it has already mixed,
    // and what the stream would have played until then is lost: on a sink running 200 ms
    // ahead, a whole short sound. A low latency asked for keeps that short, and a lead of
    // silence gives it up instead of the sound's attack.
    playing->samples =
        QByteArray(static_cast<qsizetype>(pa_usec_to_bytes(leadUs, &format)), '\0') + clip.samples;
    playing->deadline = Clock::now() + slack +
                        std::chrono::microseconds(pa_bytes_to_usec(
                            static_cast<uint64_t>(playing->samples.size()), &format));

    pa_proplist* properties = pa_proplist_new();
    // An event sound: servers route, duck and restore such streams as notification sounds.
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "event");
    pa_proplist_sets(properties, PA_PROP_MEDIA_NAME, qPrintable(clip.name));
    playing->stream = pa_stream_new_with_proplist(context_, "sound", &format, nullptr, properties);
    pa_proplist_free(properties);
    if (playing->stream == nullptr) {
        logProblem(QStringLiteral("The sound \"%1\" could not be played: %2.")
                       .arg(clip.name, lastError(context_)));
        return;
    }
    pa_stream_set_state_callback(playing->stream, streamStateChanged, playing.get());
    pa_stream_set_write_callback(playing->stream, writable, playing.get());
    constexpr uint32_t serverDefault = static_cast<uint32_t>(-1);
    const pa_buffer_attr buffer{serverDefault,
                                static_cast<uint32_t>(pa_usec_to_bytes(latencyUs, &format)),
                                serverDefault, serverDefault, serverDefault};
    // No device named: the server's default sink, as it is at this moment.
    if (pa_stream_connect_playback(playing->stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY,
                                   nullptr, nullptr) < 0) {
        logProblem(QStringLiteral("The sound \"%1\" could not be played: %2.")
                       .arg(clip.name, lastError(context_)));
        return;
    }
    streams_.push_back(std::move(playing));
}

void PulseConnection::sweep(Clock::time_point now) {
    std::erase_if(streams_, [now](const std::unique_ptr<Stream>& playing) {
        if (!playing->finished && now >= playing->deadline) {
            logProblem(QStringLiteral("The sound server did not finish the sound \"%1\" in "
                                      "time; it was stopped.")
                           .arg(playing->name));
            return true;
        }
        return playing->finished;
    });
}

bool PulseConnection::isPlaying() const {
    return !streams_.empty();
}

std::optional<PulseConnection::Clock::time_point> PulseConnection::nextDeadline() const {
    std::optional<Clock::time_point> next;
    for (const auto& playing : streams_) {
        next = next ? std::min(*next, playing->deadline) : playing->deadline;
    }
    return next;
}

} // namespace qv
