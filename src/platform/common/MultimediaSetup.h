// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace qv {

// Sets GStreamer up for Qt Multimedia before Qt first starts it; call it before any Qt
// Multimedia object exists. Idempotent.
void prepareQtMultimedia();

} // namespace qv
