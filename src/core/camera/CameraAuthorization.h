// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace qv {

// Whether this program may use the camera, as the platform answers it.
enum class CameraAuthorization {
    notDetermined, // never asked
    restricted,    // the user may not change it
    denied,
    authorized,
    unknown, // an answer this program does not know
};

using CameraAuthorizationCheck = std::function<CameraAuthorization()>;

} // namespace qv
