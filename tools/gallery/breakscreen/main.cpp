// SPDX-License-Identifier: GPL-3.0-or-later
// quorvantel-gallery-breakscreen OUTDIR: renders every state of the break screen to PNG, at
// 1920x1080 and at 1000x600, with a real pose and preview taken from a recorded clip
// (QV_TESTDATA_DIR). Exits non-zero on any QML warning or error, so a test can run it.

#include "ClipFrame.h"
#include "GalleryStates.h"
#include "app/Translations.h"
#include "core/time/VirtualTimeSource.h"
#include "tools/gallery/support/GalleryRun.h"
#include "tools/gallery/support/TextCheck.h"
#include "ui/breakscreen/OverlayWindow.h"

#include <QDir>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Quorvantel_ThemePlugin)
Q_IMPORT_QML_PLUGIN(Quorvantel_BreakScreenPlugin)

namespace {

using qv::gallery::GalleryRun;

bool render(const qv::gallery::State& state, const QSize& size, const qv::gallery::Frames& frames,
            const QDir& out) {
    qv::VirtualTimeSource time;
    qv::BreakOverlayModel model(state.initial, nullptr);
    state.setUp(model, frames);
    qv::OverlayWindow window(model, time, state.reduceMotion);
    if (const QString errors = window.loadErrors(); !errors.isEmpty()) {
        GalleryRun::err() << errors << "\n";
        return false;
    }
    if (state.holdSeconds > 0) {
        window.escapeHold().pressPointer();
        time.advance(state.holdSeconds);
    }
    window.resize(size);
    window.show();
    QSignalSpy swapped(&window, &QQuickWindow::frameSwapped);
    // Let the confetti and the first frames settle.
    swapped.wait(2000);
    QTest::qWait(400);
    const QImage picture = window.grabWindow();
    const QString name =
        QStringLiteral("%1-%2x%3.png").arg(state.name).arg(size.width()).arg(size.height());
    qv::gallery::TextCheck().check(*window.contentItem(), name);
    if (picture.isNull() || !picture.save(out.filePath(name))) {
        GalleryRun::err() << "cannot render " << name << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    const GalleryRun run;
    QGuiApplication app(argc, argv);
    qv::installTranslations(app);
    const std::optional<QDir> out = GalleryRun::outputFolder(app.arguments());
    if (!out) {
        return 2;
    }
    const auto frames = qv::gallery::loadFrames();
    if (!frames) {
        GalleryRun::err() << frames.error() << "\n";
        return 1;
    }
    bool ok = true;
    for (const auto& state : qv::gallery::states()) {
        for (const QSize size : {QSize(1920, 1080), QSize(1000, 600)}) {
            ok = render(state, size, *frames, *out) && ok;
        }
    }
    return GalleryRun::exitCode(ok);
}
