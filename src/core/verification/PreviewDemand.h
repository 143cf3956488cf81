// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <algorithm>
#include <utility>
#include <vector>

namespace qv {

// The camera picture the views want now. Each view that shows one reports the longer side it
// draws, in device pixels, and 0 when it stops; the camera makes pictures at the largest size
// asked for, and none at all while no view shows one (the start value).
class PreviewDemand {
public:
    // Returns whether the side to make changed.
    bool report(const QObject* view, int longerSide) {
        const int before = this->longerSide();
        std::erase_if(sides_, [view](const auto& entry) { return entry.first == view; });
        if (longerSide > 0) {
            sides_.emplace_back(view, longerSide);
        }
        return this->longerSide() != before;
    }

    int longerSide() const {
        int side = 0;
        for (const auto& entry : sides_) {
            side = std::max(side, entry.second);
        }
        return side;
    }

private:
    std::vector<std::pair<const QObject*, int>> sides_;
};

} // namespace qv
