// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/media/Image.h"

#include <QImage>

namespace qv::tools {

// A picture in any of Qt's formats as the engine's tightly packed RGB image.
Image toImage(const QImage& picture);

} // namespace qv::tools
