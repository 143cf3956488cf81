// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qv {

// Where one of Quorvantel's own helper programs is: in the installed layout the folder for
// programs no user runs by hand (libexec/quorvantel, found from this executable's folder so a
// staged or relocated installation works too), in a build tree beside this executable.
QString helperProgram(const QString& name);
// The same for an executable in programFolder.
QString helperProgram(const QString& name, const QString& programFolder);

} // namespace qv
