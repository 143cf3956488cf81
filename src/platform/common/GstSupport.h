// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <gst/gst.h>
#include <memory>

namespace qv::gst {

// GStreamer is set up once per process, on first use, from whichever thread gets there.
void ensureInitialised();

struct ObjectUnref {
    void operator()(gpointer object) const {
        if (object != nullptr) {
            gst_object_unref(object);
        }
    }
};
template <typename T> using ObjectPtr = std::unique_ptr<T, ObjectUnref>;

// The first error (or warning that stopped the stream) waiting on the bus, for a user; waits
// up to wait for one to arrive.
QString takeError(GstBus* bus, GstClockTime wait = 0);

} // namespace qv::gst
