// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/PulseMicrophoneProbe.h"

#include <QElapsedTimer>
#include <memory>
#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
#include <pulse/proplist.h>
#include <set>
#include <unistd.h>
#include <vector>

namespace qv {

namespace {

struct CaptureStream {
    uint32_t source = 0;
    long pid = -1; // -1 when the stream does not say
};

// What the three introspection lists say, collected as they arrive.
struct Census {
    std::set<uint32_t> monitors;
    std::vector<CaptureStream> streams;
    int listsLeft = 0;
    bool failed = false;
};

long processIdOf(const pa_proplist* properties) {
    const char* value = pa_proplist_gets(properties, PA_PROP_APPLICATION_PROCESS_ID);
    if (value == nullptr) {
        return -1;
    }
    bool ok = false;
    const long pid = QString::fromUtf8(value).toLong(&ok);
    return ok ? pid : -1;
}

void sourceListed(pa_context*, const pa_source_info* info, int eol, void* data) {
    auto* census = static_cast<Census*>(data);
    if (eol != 0) {
        census->failed |= eol < 0;
        --census->listsLeft;
    } else if (info->monitor_of_sink != PA_INVALID_INDEX) {
        census->monitors.insert(info->index);
    }
}

void streamListed(pa_context*, const pa_source_output_info* info, int eol, void* data) {
    auto* census = static_cast<Census*>(data);
    if (eol != 0) {
        census->failed |= eol < 0;
        --census->listsLeft;
    } else if (info->corked == 0) {
        census->streams.push_back({info->source, processIdOf(info->proplist)});
    }
}

struct ContextDeleter {
    void operator()(pa_context* context) const {
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
};
struct MainloopDeleter {
    void operator()(pa_mainloop* loop) const { pa_mainloop_free(loop); }
};

} // namespace

PulseMicrophoneProbe::PulseMicrophoneProbe(QString server)
    : server_(std::move(server)) {}

bool PulseMicrophoneProbe::isInUse() const {
    QElapsedTimer elapsed;
    elapsed.start();
    std::unique_ptr<pa_mainloop, MainloopDeleter> loop(pa_mainloop_new());
    if (!loop) {
        return false;
    }
    std::unique_ptr<pa_context, ContextDeleter> context(
        pa_context_new(pa_mainloop_get_api(loop.get()), "Quorvantel smart pause"));
    const QByteArray server = server_.toUtf8();
    // Never start a sound server just to ask whether one is in use.
    if (!context ||
        pa_context_connect(context.get(), server.isEmpty() ? nullptr : server.constData(),
                           PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        return false;
    }
    // Each turn waits at most for what is left of the budget.
    auto turn = [&]() {
        const qint64 left = budget.count() - elapsed.elapsed();
        if (left <= 0) {
            return false;
        }
        if (pa_mainloop_prepare(loop.get(), static_cast<int>(left * 1000)) < 0 ||
            pa_mainloop_poll(loop.get()) < 0 || pa_mainloop_dispatch(loop.get()) < 0) {
            return false;
        }
        return true;
    };
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(context.get());
        if (state == PA_CONTEXT_READY) {
            break;
        }
        if (!PA_CONTEXT_IS_GOOD(state) || !turn()) {
            return false;
        }
    }
    Census census;
    census.listsLeft = 2;
    // Streams carry their client's properties, the process identifier among them.
    pa_operation* operations[] = {
        pa_context_get_source_info_list(context.get(), sourceListed, &census),
        pa_context_get_source_output_info_list(context.get(), streamListed, &census)};
    bool answered = true;
    while (census.listsLeft > 0 && answered) {
        answered = turn();
    }
    for (pa_operation* operation : operations) {
        if (operation == nullptr) {
            answered = false;
            continue;
        }
        if (pa_operation_get_state(operation) == PA_OPERATION_RUNNING) {
            pa_operation_cancel(operation);
        }
        pa_operation_unref(operation);
    }
    if (!answered || census.failed) {
        return false;
    }
    const long self = static_cast<long>(getpid());
    for (const CaptureStream& stream : census.streams) {
        if (census.monitors.count(stream.source) == 0 && stream.pid != self) {
            return true;
        }
    }
    return false;
}

} // namespace qv
