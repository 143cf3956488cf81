// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qv {

// The environment variable QV_MODEL_DIR when set; else the installation's own copy
// (share/quorvantel/models beside the executable's bin/); else the folder the build was
// configured with (QV_MODEL_DIR). A library of its own: the application tells the camera
// helper where the model is without linking the engine that runs it.
QString defaultPoseModelDir();

} // namespace qv
