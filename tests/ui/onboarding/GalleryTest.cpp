// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestSupport.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The gallery renders every act and practice-run state in both looks and fails on any QML
// warning; a look that does not reach the window would give the same picture twice.
TEST(OnboardingGallery, RendersEveryStateInBothLooksWithoutWarnings) {
    QTemporaryDir out;
    QProcess gallery;
    gallery.setProcessChannelMode(QProcess::ForwardedChannels);
    gallery.start(QStringLiteral(QV_GALLERY_ONBOARDING), {out.path()});
    ASSERT_TRUE(gallery.waitForFinished(180000));
    ASSERT_EQ(gallery.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(gallery.exitCode(), 0);

    const QStringList light = QDir(out.path()).entryList({"*-light.png"});
    const QStringList dark = QDir(out.path()).entryList({"*-dark.png"});
    EXPECT_GE(light.size(), 17);
    EXPECT_EQ(light.size(), dark.size());
    for (const QString& name : light) {
        const QImage lightPicture(out.filePath(name));
        QString darkName = name;
        darkName.replace("-light", "-dark");
        const QImage darkPicture(out.filePath(darkName));
        ASSERT_EQ(lightPicture.size(), QSize(880, 620)) << name.toStdString();
        // The window's corner shows the desktop's look.
        EXPECT_GT(qGray(lightPicture.pixel(870, 610)), 200) << name.toStdString();
        EXPECT_LT(qGray(darkPicture.pixel(870, 610)), 60) << darkName.toStdString();
    }
}

} // namespace
