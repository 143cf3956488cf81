// SPDX-License-Identifier: GPL-3.0-or-later
// quorvantel-gallery-onboarding OUTDIR: renders every act of the first-launch window and
// every state of its practice run to PNG, in the desktop's light and dark looks. Exits
// non-zero on any QML warning or error, so a test can run it.

#include "GalleryScenes.h"
#include "app/Translations.h"
#include "core/services/LaunchAtLoginController.h"
#include "core/settings/SettingsStore.h"
#include "core/settingsui/BreakHoldNotice.h"
#include "core/storage/SettingsFileStore.h"
#include "core/time/VirtualTimeSource.h"
#include "platform/linux/XdgAutostartLoginItem.h"
#include "tools/gallery/support/GalleryRun.h"
#include "tools/gallery/support/SettledPicture.h"
#include "tools/gallery/support/TextCheck.h"
#include "ui/onboarding/OnboardingController.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <QQuickView>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Quorvantel_ThemePlugin)
Q_IMPORT_QML_PLUGIN(Quorvantel_OnboardingPlugin)

namespace {

using qv::gallery::GalleryRun;

// The desktop's look as Qt reports it: only the window colour decides light or dark.
void useDesktopLook(bool dark) {
    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::Window, dark ? QColor(0x24, 0x24, 0x24) : QColor(0xef, 0xef, 0xef));
    palette.setColor(QPalette::WindowText, dark ? Qt::white : Qt::black);
    QGuiApplication::setPalette(palette);
}

bool renderLook(const QString& look, const QDir& out) {
    useDesktopLook(look == QStringLiteral("dark"));
    // Settings and the autostart entry go to a folder of their own, never the user's.
    QTemporaryDir home;
    // An installed program, so launch at login can be switched on.
    QDir(home.path()).mkpath(QStringLiteral("bin"));
    QFile program(home.filePath(QStringLiteral("bin/quorvantel")));
    if (program.open(QIODevice::WriteOnly)) {
        program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
        program.close();
    }
    qv::SettingsFileStore file(home.filePath(QStringLiteral("Quorvantel.conf")));
    qv::SettingsStore settings(file);
    qv::XdgAutostartLoginItem loginItem(home.filePath(QStringLiteral("autostart")),
                                        home.filePath(QStringLiteral("bin/quorvantel")));
    qv::LaunchAtLoginController launchAtLogin(loginItem);
    qv::VirtualTimeSource time;
    qv::gallery::Camera camera;
    qv::BreakHoldNotice notice(&camera.desktop);
    qv::OnboardingController controller(settings, launchAtLogin, time, camera.platform(), nullptr,
                                        [] {});
    controller.setBreakHoldNotice(&notice);
    if (!controller.show()) {
        GalleryRun::err() << controller.errorText() << "\n";
        return false;
    }
    QQuickView* window = controller.window();
    if (!QTest::qWaitForWindowExposed(window)) {
        GalleryRun::err() << "the onboarding window was never shown\n";
        return false;
    }
    bool ok = true;
    for (const qv::gallery::Scene& scene : qv::gallery::scenes()) {
        scene.setUp(controller, camera);
        const QImage picture = qv::gallery::settledPicture(*window, 250);
        const QString name = QStringLiteral("%1-%2.png").arg(scene.name, look);
        qv::gallery::TextCheck().check(*window->contentItem(), name);
        if (picture.isNull() || !picture.save(out.filePath(name))) {
            GalleryRun::err() << "cannot render " << name << "\n";
            ok = false;
        }
    }
    return ok;
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
    bool ok = true;
    for (const QString& look : {QStringLiteral("light"), QStringLiteral("dark")}) {
        ok = renderLook(look, *out) && ok;
    }
    return GalleryRun::exitCode(ok);
}
