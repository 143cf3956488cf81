// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace qv {

// The tray icon at the sizes panels use, compact and wide, at scales 1 and 2, on a light and a
// dark panel, enlarged so each pixel can be judged.
QImage trayIconSheet();

} // namespace qv
