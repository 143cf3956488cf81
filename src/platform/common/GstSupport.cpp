// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/GstSupport.h"

#include <mutex>

namespace qv::gst {

void ensureInitialised() {
    static std::once_flag once;
    std::call_once(once, [] { gst_init(nullptr, nullptr); });
}

QString takeError(GstBus* bus, GstClockTime wait) {
    GstMessage* message = gst_bus_timed_pop_filtered(bus, wait, GST_MESSAGE_ERROR);
    if (message == nullptr) {
        return {};
    }
    GError* error = nullptr;
    gst_message_parse_error(message, &error, nullptr);
    QString text =
        error != nullptr ? QString::fromUtf8(error->message) : QStringLiteral("unknown error");
    g_clear_error(&error);
    gst_message_unref(message);
    return text;
}

} // namespace qv::gst
