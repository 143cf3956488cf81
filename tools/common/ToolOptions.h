// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"

#include <QString>

namespace qv::tools {

// A command-line value read strictly: the whole text is the number, finite and within the
// range, or the failure names the option and the range. "--fps" and "30" give 30.
Result<int> wholeNumberOption(const QString& option, const QString& text, int lowest, int highest);
Result<double> numberOption(const QString& option, const QString& text, double lowest,
                            double highest);

// More threads than cores only make the cores take turns.
int threadsForThisMachine(int requested);

// An output that is the input would destroy it before it has been read.
Status differentFromInput(const QString& option, const QString& output, const QString& input);

} // namespace qv::tools
