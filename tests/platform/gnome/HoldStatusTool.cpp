// SPDX-License-Identifier: GPL-3.0-or-later
// Test helper run inside the headless GNOME session: waits until the break-screen hold reports
// the expected status and says what it saw. With --through-settings it first turns the
// extension on as a user does, with the settings window's button, and waits until the
// settings window's sentence agrees with the hold.
//
// usage: gnome_hold_status EXPECTED [--through-settings] [--uuid UUID --folder DIR]
// EXPECTED is "guarantee/remedy", e.g. "held/none" or "leavable/logInAgain".
#include "core/settings/SettingsStore.h"
#include "core/settingsui/BreakHoldNotice.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "platform/linux/gnome/GnomeShellBreakHold.h"
#include "ui/settings/SettingsWindow.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <cstdio>

namespace {

QString describe(const qv::BreakHoldStatus& status) {
    const QString guarantee = status.guarantee == qv::BreakHoldGuarantee::held
                                  ? QStringLiteral("held")
                                  : QStringLiteral("leavable");
    switch (status.remedy) {
    case qv::BreakHoldRemedy::enable:
        return guarantee + QStringLiteral("/enable");
    case qv::BreakHoldRemedy::logInAgain:
        return guarantee + QStringLiteral("/logInAgain");
    case qv::BreakHoldRemedy::none:
        break;
    }
    return guarantee + QStringLiteral("/none");
}

// The settings window's break-screen section, open on the Breaks pane.
class SettingsSection {
public:
    explicit SettingsSection(qv::BreakHoldNotice& notice)
        : settings_(defaults_)
        , window_({settings_,
                   nullptr,
                   nullptr,
                   nullptr,
                   nullptr,
                   {},
                   {},
                   QLocale(),
                   nullptr,
                   &notice}) {
        window_.openOrRaise();
        if (window_.viewModel()) {
            window_.viewModel()->setPane(static_cast<int>(qv::SettingsViewModel::Pane::breaks));
        }
    }

    QQuickItem* item(const char* name) const {
        return window_.window() ? window_.window()->findChild<QQuickItem*>(QLatin1String(name))
                                : nullptr;
    }
    QString sentence() const {
        QQuickItem* note = item("breakHoldNote");
        return note ? note->property("text").toString() : QStringLiteral("(no sentence)");
    }
    // What a click does; false while the button is not offered.
    bool pressEnable() const {
        QQuickItem* button = item("breakHoldEnable");
        return button && button->isVisible() && QMetaObject::invokeMethod(button, "clicked");
    }

private:
    qv::MemoryKeyValueStore defaults_;
    qv::SettingsStore settings_;
    qv::SettingsWindow window_;
};

} // namespace

int main(int argc, char** argv) {
    // The settings window is drawn off screen: only its state is read.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: gnome_hold_status EXPECTED [--through-settings] "
                             "[--uuid UUID --folder DIR]\n");
        return 2;
    }
    const QString expected = arguments.takeFirst();
    qv::GnomeShellBreakHold::Options options;
    bool throughSettings = false;
    while (!arguments.isEmpty()) {
        const QString option = arguments.takeFirst();
        if (option == u"--through-settings") {
            throughSettings = true;
        } else if (option == u"--uuid" && !arguments.isEmpty()) {
            options.uuid = arguments.takeFirst();
        } else if (option == u"--folder" && !arguments.isEmpty()) {
            options.extensionFolders = {arguments.takeFirst()};
        }
    }
    qv::GnomeShellBreakHold hold(QDBusConnection::sessionBus(), options);
    qv::BreakHoldNotice notice(&hold);
    std::unique_ptr<SettingsSection> section;
    if (throughSettings) {
        section = std::make_unique<SettingsSection>(notice);
    }
    bool pressed = false;
    QObject::connect(&notice, &qv::BreakHoldNotice::changed, &app, [&] {
        if (section && !pressed && hold.status().remedy == qv::BreakHoldRemedy::enable) {
            pressed = section->pressEnable();
            std::printf("before: %s\n", qPrintable(section->sentence()));
        }
        // Where the sentence is read, the hold only counts once the window says the same.
        const bool agreed = !section || section->sentence() == notice.sentence();
        if (describe(hold.status()) == expected && agreed) {
            app.quit();
        }
    });
    QTimer::singleShot(10000, &app, [&] { app.exit(1); });
    const int code = app.exec();
    std::printf("%s\n", qPrintable(describe(hold.status())));
    if (section) {
        std::printf("after: %s\n", qPrintable(section->sentence()));
    }
    return code;
}
