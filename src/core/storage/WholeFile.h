// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"

#include <QByteArray>
#include <QString>

namespace qv {

// Replaces the file at path with bytes, or leaves it exactly as it was. Each step is checked:
// a short write on a full disk reports no error of its own, and committing after one would
// put a cut-off file in place of a whole one. A symbolic link is written through to its
// target, so a file kept elsewhere by a dotfile manager stays there. The failure names the
// file and says why.
Status writeWholeFile(const QString& path, const QByteArray& bytes);

// Why a file at path cannot be written now, found by trying; empty when a trial write works.
// For writers that do not say why themselves.
QString whyUnwritable(const QString& path);

} // namespace qv
