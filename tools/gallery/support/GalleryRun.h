// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace qv::gallery {

// What every gallery command does around its pictures: it renders off screen unless a display
// platform is chosen, counts every Qt warning (a QML warning fails the gallery, so a test can
// run it), and writes into the folder named on its command line.
class GalleryRun {
public:
    // Before the application object exists.
    GalleryRun();

    // The folder of "PROGRAM OUTDIR", made when missing; none, after saying why, otherwise.
    static std::optional<QDir> outputFolder(const QStringList& arguments);
    // 0 when every picture was saved and nothing warned or failed the text check; 1, after saying
    // why, otherwise.
    static int exitCode(bool everyPictureSaved);
    static QTextStream& err();
};

} // namespace qv::gallery
