// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/CameraFormatChoice.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <tuple>

namespace qv {

namespace {

std::int64_t area(const CameraFormatOffer& offer) {
    return static_cast<std::int64_t>(offer.width) * offer.height;
}

bool isLargeEnough(const CameraFormatOffer& offer, const CameraFormatNeeds& needs) {
    return std::max(offer.width, offer.height) >= needs.longerSide &&
           std::min(offer.width, offer.height) >= needs.shorterSide;
}

} // namespace

std::optional<std::size_t> chooseCameraFormat(const std::vector<CameraFormatOffer>& offers,
                                              const CameraFormatNeeds& needs) {
    if (offers.empty()) {
        return std::nullopt;
    }
    const bool anyFastEnough = std::any_of(
        offers.begin(), offers.end(), [&](const auto& o) { return o.maximumRate >= needs.rate; });
    const bool anyLargeEnough = std::any_of(offers.begin(), offers.end(), [&](const auto& o) {
        return (!anyFastEnough || o.maximumRate >= needs.rate) && isLargeEnough(o, needs);
    });
    // Lower ranks better; the first offer of the best rank wins.
    auto rank = [&](const CameraFormatOffer& o) {
        const bool isFastEnough = o.maximumRate >= needs.rate;
        const bool isEligible = isFastEnough || !anyFastEnough;
        const std::int64_t size =
            anyLargeEnough
                ? (isLargeEnough(o, needs) ? area(o) : std::numeric_limits<std::int64_t>::max())
                : -area(o);
        // Past the size, a slow camera is best at its fastest and a fast one at its slowest.
        const double rate = anyFastEnough ? o.maximumRate : -o.maximumRate;
        return std::make_tuple(!isEligible, size, o.isCompressed, rate);
    };
    const auto best =
        std::min_element(offers.begin(), offers.end(),
                         [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
    return static_cast<std::size_t>(best - offers.begin());
}

} // namespace qv
