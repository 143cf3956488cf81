// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qv {

// One camera as the settings window lists it; identified by its stable id.
struct CameraChoice {
    QString id;
    QString name;
    bool operator==(const CameraChoice&) const = default;
};

} // namespace qv
