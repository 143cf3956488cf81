// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/CameraFormatChoice.h"

#include <gtest/gtest.h>

using qv::CameraFormatOffer;

namespace {

CameraFormatOffer raw(int w, int h, double maxRate, double minRate = 5) {
    return {w, h, minRate, maxRate, false};
}
CameraFormatOffer mjpeg(int w, int h, double maxRate) {
    return {w, h, 5, maxRate, true};
}

} // namespace

TEST(CameraFormatChoice, TakesTheCheapestOfferThatServesTheAnalysis) {
    struct Case {
        const char* what;
        std::vector<CameraFormatOffer> offers;
        std::optional<std::size_t> want;
    };
    const Case cases[] = {
        {"nothing offered", {}, std::nullopt},
        {"a typical webcam: the smallest large enough size, uncompressed",
         {mjpeg(1920, 1080, 30), mjpeg(1280, 720, 30), mjpeg(640, 480, 30), raw(1920, 1080, 5),
          raw(1280, 720, 10), raw(640, 480, 30), raw(320, 240, 30)},
         5},
        {"compressed only where raw is too slow at that size",
         {raw(1280, 720, 10), mjpeg(1280, 720, 30), raw(640, 360, 30)},
         1},
        {"wide camera without 4:3: the smallest picture at least 480 high",
         {raw(640, 360, 30), raw(848, 480, 30), raw(1280, 720, 30)},
         1},
        {"portrait camera", {raw(1080, 1920, 30), raw(480, 640, 30), raw(360, 640, 30)}, 1},
        {"the lowest rate that is fast enough",
         {raw(640, 480, 30), raw(640, 480, 15), raw(640, 480, 10), raw(640, 480, 60)},
         1},
        {"size comes before rate", {raw(800, 600, 15), raw(640, 480, 30)}, 1},
        {"a small camera gives its largest picture",
         {raw(320, 240, 30), raw(352, 288, 30), raw(176, 144, 30)},
         1},
        {"a slow camera gives its fastest rate, large enough first",
         {raw(1280, 720, 8), raw(640, 480, 10), raw(320, 240, 12)},
         1},
        {"too slow never wins over fast enough, however large",
         {raw(1920, 1080, 10), raw(320, 240, 30)},
         1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(qv::chooseCameraFormat(c.offers), c.want) << c.what;
    }
}
