// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/PacketReader.h"
#include "core/base/PacketWriter.h"
#include "core/verification/PoseSnapshot.h"

namespace qv {

// A pose as the messages between the application's processes carry it: the time, a mask of
// the joints present, then each present joint's position and confidence.
void writePose(PacketWriter& writer, const PoseSnapshot& pose);
// Refuses a time or a position that is not a number, or lies absurdly far outside every
// picture, and a confidence outside 0…1.
PoseSnapshot readPose(PacketReader& reader);

} // namespace qv
