// SPDX-License-Identifier: GPL-3.0-or-later
// quorvantel-gallery-settings OUTDIR: draws every pane of the settings window, and the
// statistics pane empty and with two weeks of breaks, in light and dark, as PNG files.
#include "app/Translations.h"
#include "core/camera/CameraBackend.h"
#include "core/services/LaunchAtLoginController.h"
#include "core/services/LoginItemService.h"
#include "core/services/UpdateFeed.h"
#include "core/services/UpdaterService.h"
#include "core/settings/SettingsStore.h"
#include "core/settingsui/BreakHoldNotice.h"
#include "core/stats/StatsStore.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/storage/SaveProblems.h"
#include "core/storage/WholeFile.h"
#include "core/time/VirtualTimeSource.h"
#include "tools/gallery/support/SettableBreakHold.h"
#include "tools/gallery/support/SettledPicture.h"
#include "tools/gallery/support/TextCheck.h"
#include "ui/settings/SettingsWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

using Pane = qv::SettingsViewModel::Pane;

// A warning while drawing means a broken binding somewhere: the run fails on it.
bool sawWarning = false;
void reportMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    sawWarning = sawWarning || (type != QtDebugMsg && type != QtInfoMsg);
}

const QTimeZone zone("Europe/Berlin");
const QString cameraName = QStringLiteral("Desk Camera HD");
const QString version = QStringLiteral("0.1.0");
const QString homepage = QStringLiteral("https://quorvantel.invalid");
const QString support = QStringLiteral("support@quorvantel.invalid");
// US English unless QUORVANTEL_LANGUAGE asks for another language, whose formats then show.
QLocale galleryLocale() {
    return qv::chosenLanguage().isEmpty() ? QLocale(QLocale::English, QLocale::UnitedStates)
                                          : QLocale();
}

class StaticCameras final : public qv::CameraBackend {
public:
    QList<qv::CameraDevice> devices() const override {
        return {{QStringLiteral("usb-desk"), cameraName, false}};
    }
    qv::Result<std::unique_ptr<qv::FrameSource>> open(const QString&) override {
        return qv::Failure{QStringLiteral("The gallery has no camera.")};
    }
    bool isInUseByAnotherProcess(const QString&) const override { return false; }
    std::shared_ptr<void> watchDevices(DevicesChanged) override { return {}; }
};

class AbsentLoginItem final : public qv::LoginItemService {
public:
    qv::LoginItemStatus status() const override { return qv::LoginItemStatus::notRegistered; }
    std::optional<QString> registerItem() override { return std::nullopt; }
    std::optional<QString> unregisterItem() override { return std::nullopt; }
};

class SilentFeed final : public qv::UpdateFeed {
public:
    void fetch(std::function<void(qv::Result<QByteArray>)>) override {}
};

// Two weeks of breaks, a rest day and a few skips, ending today with a streak running.
void recordTwoWeeks(qv::StatsStore& stats, qv::VirtualTimeSource& time, const QDate& today) {
    const int repetitions[14] = {10, 12, 0, 10, 20, 30, 10, 0, 10, 22, 30, 18, 24, 10};
    for (int day = 0; day < 14; ++day) {
        time.setWallClock(QDateTime(today.addDays(day - 13), QTime(11, 0), zone));
        for (int done = 0; done < repetitions[day]; done += 10) {
            stats.recordVerifiedBreak(qv::ExerciseKind::squat,
                                      std::min(10, repetitions[day] - done));
        }
        if (day % 5 == 1) {
            stats.recordSkippedBreak(qv::ExerciseKind::squat, 3);
        }
    }
}

QPalette darkPalette() {
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x1b, 0x1f, 0x27));
    palette.setColor(QPalette::WindowText, QColor(0xee, 0xf1, 0xf6));
    palette.setColor(QPalette::Base, QColor(0x24, 0x2a, 0x35));
    palette.setColor(QPalette::Text, QColor(0xee, 0xf1, 0xf6));
    palette.setColor(QPalette::Button, QColor(0x24, 0x2a, 0x35));
    palette.setColor(QPalette::ButtonText, QColor(0xee, 0xf1, 0xf6));
    return palette;
}

bool save(qv::SettingsWindow& window, const QString& path, const QString& blockedFile) {
    QQuickWindow* shown = window.window();
    const QImage image = qv::gallery::settledPicture(*shown, 150);
    // What the gallery stands in for the machine and the build: names, addresses and paths,
    // not copy.
    qv::gallery::TextCheck(
        {cameraName, QStringLiteral("usb-travel"), version, homepage, support, blockedFile})
        .check(*shown->contentItem(), QFileInfo(path).fileName());
    if (image.isNull() || !image.save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

struct Shot {
    QString name;
    Pane pane;
    bool withHistory = false;
    bool missingCamera = false;
    bool scrolled = false;
    // A desktop where switching windows leaves a break, and turning an extension on would help.
    bool leavable = false;
    // The settings cannot be saved: a file stands where their folder should be.
    bool saveFailing = false;
};

// Fails to save into a folder of its own the way a real store fails, and says so.
QString failSaving(qv::SaveProblems& problems, const QTemporaryDir& home) {
    QFile blocker(home.filePath(QStringLiteral("config")));
    if (!blocker.open(QIODevice::WriteOnly)) {
        return {};
    }
    const QString file = blocker.fileName() + QStringLiteral("/Quorvantel.ini");
    problems.failed(file, qv::whyUnwritable(file));
    return file;
}

bool render(const Shot& shot, bool dark, const QDir& out) {
    qv::MemoryKeyValueStore defaults;
    qv::VirtualTimeSource time;
    const QDate today(2026, 3, 7);
    qv::SettingsStore settings(defaults);
    settings.setActiveHoursStartMinute(22 * 60);
    settings.setActiveHoursEndMinute(6 * 60);
    if (shot.missingCamera) {
        settings.setSelectedCameraID(QStringLiteral("usb-travel"));
    }
    AbsentLoginItem loginItem;
    qv::LaunchAtLoginController launchAtLogin(loginItem);
    qv::UpdaterService updater(defaults, time, std::make_unique<SilentFeed>(), version);
    qv::MemoryKeyValueStore statsDefaults;
    qv::StatsStore stats(
        statsDefaults, [] { return qv::Calendar(zone, galleryLocale()); }, time, std::nullopt);
    if (shot.withHistory) {
        recordTwoWeeks(stats, time, today);
    }
    time.setWallClock(QDateTime(today, QTime(16, 0), zone));
    StaticCameras cameras;
    qv::gallery::SettableBreakHold hold;
    if (shot.leavable) {
        hold.set({qv::BreakHoldGuarantee::leavable, qv::BreakHoldRemedy::enable});
    }
    qv::BreakHoldNotice notice(&hold);
    qv::SaveProblems saveProblems;
    const QTemporaryDir home;
    const QString blockedFile = shot.saveFailing ? failSaving(saveProblems, home) : QString();
    qv::SettingsWindow window({settings,
                               &launchAtLogin,
                               &updater,
                               &stats,
                               &cameras,
                               [] { return qv::CameraAuthorization::authorized; },
                               {version, QUrl(homepage), support},
                               galleryLocale(),
                               &saveProblems,
                               &notice});
    window.onOpenSystemSettings = [](auto) {};
    window.setNotificationStatus(qv::NotificationStatus::authorized);
    QGuiApplication::setPalette(dark ? darkPalette() : QPalette());
    QObject::connect(&window, &qv::SettingsWindow::failedToOpen, [](const QString& reason) {
        std::fprintf(stderr, "the settings window could not open: %s\n", qPrintable(reason));
    });
    window.openOrRaise();
    if (!window.window()) {
        return false;
    }
    window.viewModel()->setPane(static_cast<int>(shot.pane));
    if (shot.scrolled) {
        QTest::qWait(100);
        const auto panes = window.window()->findChildren<QQuickItem*>();
        for (QQuickItem* item : panes) {
            if (item->isVisible() && item->property("contentHeight").isValid() &&
                item->objectName().endsWith(QStringLiteral("Pane"))) {
                item->setProperty("contentY",
                                  item->property("contentHeight").toDouble() - item->height());
            }
        }
    }
    const QString file =
        shot.name + (dark ? QStringLiteral("-dark.png") : QStringLiteral("-light.png"));
    const bool saved = save(window, out.filePath(file), blockedFile);
    window.close();
    QCoreApplication::processEvents();
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }
    qInstallMessageHandler(reportMessages);
    QGuiApplication app(argc, argv);
    qv::installTranslations(app);
    QGuiApplication::setQuitOnLastWindowClosed(false);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvantel-gallery-settings OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const QList<Shot> shots = {
        {QStringLiteral("general"), Pane::general},
        {QStringLiteral("general-end"), Pane::general, false, false, true},
        {QStringLiteral("breaks"), Pane::breaks},
        {QStringLiteral("breaks-end"), Pane::breaks, false, false, true},
        {QStringLiteral("breaks-leavable"), Pane::breaks, false, false, true, true},
        {QStringLiteral("movement"), Pane::movement},
        {QStringLiteral("movement-missing-camera"), Pane::movement, false, true, true},
        {QStringLiteral("stats-empty"), Pane::stats},
        {QStringLiteral("stats-14-days"), Pane::stats, true},
        {QStringLiteral("stats-14-days-end"), Pane::stats, true, false, true},
        {QStringLiteral("about"), Pane::about},
        {QStringLiteral("general-save-failing"), Pane::general, false, false, false, false, true},
    };
    bool ok = true;
    for (const bool dark : {false, true}) {
        for (const Shot& shot : shots) {
            ok = render(shot, dark, out) && ok;
        }
    }
    return ok && !sawWarning && qv::gallery::TextCheck::faults() == 0 ? 0 : 1;
}
