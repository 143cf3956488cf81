// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/CameraSelection.h"

#include <gtest/gtest.h>

using qv::CameraSelection;
using Outcome = CameraSelection::Outcome;

namespace {

const CameraSelection::DeviceInfo external{"usb-cam", "USB Camera", false};
const CameraSelection::DeviceInfo external2{"usb-cam-2", "Desk Camera", false};
const CameraSelection::DeviceInfo builtIn{"integrated", "Integrated Camera", true};

} // namespace

TEST(CameraSelection, ResolvesRequestAgainstPresentDevices) {
    struct Case {
        const char* name;
        std::optional<QString> requested;
        std::vector<CameraSelection::DeviceInfo> devices;
        CameraSelection::Resolution expected;
    };
    const Case cases[] = {
        {"no request prefers the built-in camera",
         std::nullopt,
         {external, builtIn},
         {"integrated", Outcome::exact()}},
        {"an empty request is no request",
         QString(),
         {external, builtIn},
         {"integrated", Outcome::exact()}},
        {"a present request wins over the built-in camera",
         "usb-cam",
         {builtIn, external},
         {"usb-cam", Outcome::exact()}},
        {"a stale request falls back to the built-in camera",
         "gone",
         {external, builtIn},
         {"integrated", Outcome::substituted("gone", "Integrated Camera")}},
        {"without a built-in camera the first device stands in",
         "gone",
         {external2, external},
         {"usb-cam-2", Outcome::substituted("gone", "Desk Camera")}},
        {"no devices", "usb-cam", {}, {std::nullopt, Outcome::unavailable()}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CameraSelection::resolve(c.requested, c.devices), c.expected) << c.name;
    }
}
