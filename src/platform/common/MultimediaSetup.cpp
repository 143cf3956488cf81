// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/MultimediaSetup.h"

#include "platform/common/GstSupport.h"

#include <mutex>

namespace qv {

void prepareQtMultimedia() {
    static std::once_flag once;
    std::call_once(once, [] {
        gst::ensureInitialised();
        // Qt 6.4 watches the devices of every device provider GStreamer has, for as long as
        // the program runs. Vulkan's lists display adapters, of no use to a camera or a sound,
        // and starting it loads every Vulkan driver and LLVM: half the resident memory of a
        // program that waits in the tray all day, and a quarter of its start-up. Providers
        // ranked below "marginal" are left out.
        if (GstPluginFeature* vulkan =
                gst_registry_lookup_feature(gst_registry_get(), "vulkandeviceprovider")) {
            gst_plugin_feature_set_rank(vulkan, GST_RANK_NONE);
            gst_object_unref(vulkan);
        }
    });
}

} // namespace qv
