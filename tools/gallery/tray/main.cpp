// SPDX-License-Identifier: GPL-3.0-or-later
// quorvantel-gallery-tray OUTDIR: draws the tray popover in every state of the cycle, the
// context menu and the tray icon on light and dark panels into PNG files, and fails on any
// warning Qt or QML reports on the way.
#include "TrayIconSheet.h"
#include "TrayScenario.h"
#include "app/Translations.h"
#include "tools/gallery/support/TextCheck.h"
#include "ui/tray/ContextMenuWidget.h"
#include "ui/tray/TrayPopover.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QQuickWindow>
#include <QTextStream>
#include <cstdio>
#include <functional>

namespace {

int problems = 0;

void countWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    // What the offscreen platform says about itself is no fault of the views.
    const bool platformNote = message.startsWith(QLatin1String("This plugin does not support")) ||
                              message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR"));
    if (type != QtDebugMsg && type != QtInfoMsg && !platformNote) {
        ++problems;
    }
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

bool waitUntil(const std::function<bool()>& ready) {
    for (int i = 0; i < 200 && !ready(); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return ready();
}

bool savePopover(const QString& state, const QString& path, bool pauseMenuOpen = false) {
    qv::TrayScenario scenario;
    scenario.recordSampleDays();
    if (!scenario.enter(state)) {
        qWarning("unknown state %s", qPrintable(state));
        return false;
    }
    qv::TrayPopover popover(scenario.source, [](qv::TrayAction) {});
    popover.open({}, {400, 30});
    QQuickWindow* window = popover.window();
    if (!window || !waitUntil([window] { return window->isExposed(); })) {
        qWarning("popover for %s did not show: %s", qPrintable(state),
                 qPrintable(popover.loadError()));
        return false;
    }
    if (pauseMenuOpen) {
        QObject* menu = window->findChild<QObject*>(QStringLiteral("pauseMenu"));
        if (!menu || !QMetaObject::invokeMethod(menu, "open")) {
            qWarning("the popover for %s has no pause menu to open", qPrintable(state));
            return false;
        }
    }
    QCoreApplication::processEvents();
    qv::gallery::TextCheck().check(*window->contentItem(), QFileInfo(path).fileName());
    return window->grabWindow().save(path);
}

bool saveMenu(const QString& state, const QString& path) {
    qv::TrayScenario scenario;
    if (!scenario.enter(state)) {
        return false;
    }
    QMenu menu;
    qv::fillMenu(menu, scenario.source.contextMenu(), [](qv::TrayAction) {});
    menu.ensurePolished();
    menu.resize(menu.sizeHint());
    qv::gallery::TextCheck().checkMenu(menu, QFileInfo(path).fileName());
    QImage picture = menu.grab().toImage();
    // The pause submenu beside its parent, as it opens.
    for (QAction* action : menu.actions()) {
        if (QMenu* submenu = action->menu(); submenu && action->isEnabled()) {
            submenu->ensurePolished();
            submenu->resize(submenu->sizeHint());
            const QImage sub = submenu->grab().toImage();
            QImage both(
                picture.width() + sub.width() + 6,
                std::max(picture.height(), menu.actionGeometry(action).top() + sub.height()),
                QImage::Format_ARGB32);
            both.fill(Qt::transparent);
            QPainter p(&both);
            p.drawImage(0, 0, picture);
            p.drawImage(picture.width() + 6, menu.actionGeometry(action).top(), sub);
            p.end();
            picture = both;
        }
    }
    return picture.save(path);
}

// A dark desktop as the popover sees it: through the application palette.
QPalette darkPalette() {
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x2b, 0x2d, 0x31));
    palette.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    palette.setColor(QPalette::Base, QColor(0x1e, 0x1f, 0x22));
    palette.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    palette.setColor(QPalette::Button, QColor(0x3a, 0x3c, 0x41));
    palette.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    return palette;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    qInstallMessageHandler(countWarnings);
    QApplication app(argc, argv);
    qv::installTranslations(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvantel-gallery-tray OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 2;
    }
    bool saved = true;
    const QPalette light = QApplication::palette();
    for (const auto& [scheme, palette] :
         {std::pair{"light", light}, std::pair{"dark", darkPalette()}}) {
        QApplication::setPalette(palette);
        for (const QString& state : qv::TrayScenario::states()) {
            saved &= savePopover(
                state, out.filePath(
                           QStringLiteral("popover-%1-%2.png").arg(state, QLatin1String(scheme))));
        }
        saved &= savePopover(
            QStringLiteral("working"),
            out.filePath(QStringLiteral("popover-pause-menu-%1.png").arg(QLatin1String(scheme))),
            true);
    }
    QApplication::setPalette(light);
    for (const char* state : {"snooze", "paused", "break"}) {
        saved &= saveMenu(QString::fromLatin1(state),
                          out.filePath(QStringLiteral("menu-%1.png").arg(QLatin1String(state))));
    }
    saved &= qv::trayIconSheet().save(out.filePath(QStringLiteral("icons.png")));
    const int textFaults = qv::gallery::TextCheck::faults();
    if (!saved || problems > 0 || textFaults > 0) {
        std::fprintf(stderr, "gallery failed: %d warning(s), %d text fault(s)%s\n", problems,
                     textFaults, saved ? "" : ", some pictures not written");
        return 1;
    }
    return 0;
}
