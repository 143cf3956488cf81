// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaType>
#include <QtGlobal>
#include <algorithm>

namespace qv {

// The values a number setting allows, both ends included. The store keeps values inside it
// and the views draw their steppers' ends from it, so the range is written once.
struct SettingRange {
    Q_GADGET
    Q_PROPERTY(int lowest MEMBER lowest)
    Q_PROPERTY(int highest MEMBER highest)

public:
    int lowest = 0;
    int highest = 0;

    constexpr qint64 clamp(qint64 value) const {
        return std::clamp<qint64>(value, lowest, highest);
    }
};

} // namespace qv
