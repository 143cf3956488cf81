// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

class QQuickWindow;

namespace qv::gallery {

// The window's picture once what it shows has stopped changing: fades and transitions run on
// the wall clock, so on a loaded machine a fixed wait can catch one half done. Pictures are
// taken until two in a row are alike; a view that never rests (a spinner) is taken as it is
// after a few seconds.
QImage settledPicture(QQuickWindow& window, int firstWaitMs);

} // namespace qv::gallery
