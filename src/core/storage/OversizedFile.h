// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qv {

// A file far larger than anything written to it is not ours to read: a 50 MB settings file
// took 39 s and half a gigabyte to read at start. Such a file is renamed aside, kept for the
// person to look at, and the notice that says so is returned ("" when the file is fine).
// what names the file for people ("settings file").
QString setAsideIfOversized(const QString& path, qint64 largestSize, const QString& what);

} // namespace qv
