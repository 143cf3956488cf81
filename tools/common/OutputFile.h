// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

namespace qv::tools {

// Where a tool writes what it made. A regular file, or a new one, is written beside its name
// and renamed over it by commit(), so a failed run leaves any earlier file as it was. A device
// or a pipe ("-" is standard output) is written to directly: renaming over it would replace
// the device. Every step is checked, so a tool never reports success for output that did not
// arrive; the failures name the file and say why.
class OutputFile {
public:
    explicit OutputFile(const QString& path);

    Status open();
    QFileDevice& device();
    // Whole, or a failure; call once, after the last write.
    Status commit();
    // After a write that did not go whole: leaves any earlier file as it was, and says why.
    Status abandon();

private:
    Status failure(const QString& reason) const;

    QString path_;
    bool isDirect_;
    QFile direct_;
    QSaveFile replaced_;
};

// open, one write of bytes, commit.
Status writeOutputFile(const QString& path, const QByteArray& bytes);

} // namespace qv::tools
