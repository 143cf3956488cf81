// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsWindowParts.h"
#include "tools/gallery/tray/TrayScenario.h"
#include "ui/onboarding/OnboardingController.h"
#include "ui/tray/TrayPopover.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWindow>
#include <QSet>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>
#include <gtest/gtest.h>

Q_IMPORT_QML_PLUGIN(Quorvantel_ThemePlugin)
Q_IMPORT_QML_PLUGIN(Quorvantel_OnboardingPlugin)

namespace qv {
namespace {

class IdleEngine final : public VerificationEngine {
public:
    void start() override {}
    void stop() override {}
};

bool isShown(const QQuickItem* item) {
    return item->isVisible() && item->isEnabled() && item->width() > 0 && item->height() > 0;
}

QAccessible::Role roleOf(QQuickItem* item) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(item);
    return accessible ? accessible->role() : QAccessible::NoRole;
}

QString nameOf(QQuickItem* item) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(item);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

bool isIgnored(const QQuickItem* item) {
    for (const QObject* child : item->children()) {
        if (qstrcmp(child->metaObject()->className(), "QQuickAccessibleAttached") == 0) {
            return child->property("ignored").toBool();
        }
    }
    return false;
}

// What a user can act on: a control by its kind or its role, or whatever a pointer handler
// answers for.
bool isControl(QQuickItem* item) {
    static const QSet<QAccessible::Role> roles{
        QAccessible::Button,       QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::SpinBox,      QAccessible::Slider,   QAccessible::ComboBox,
        QAccessible::EditableText, QAccessible::Link,     QAccessible::PageTab};
    for (const char* kind : {"QQuickAbstractButton", "QQuickComboBox", "QQuickTextInput",
                             "QQuickTextEdit", "QQuickSlider", "QQuickSpinBox"}) {
        if (item->inherits(kind)) {
            return true;
        }
    }
    return !isIgnored(item) && roles.contains(roleOf(item));
}

bool handlesPointer(const QQuickItem* item) {
    for (const QObject* child : item->children()) {
        const auto* handler = qobject_cast<const QQuickItem*>(child);
        const bool isHandler =
            child->inherits("QQuickTapHandler") ||
            (handler && handler->inherits("QQuickMouseArea") && isShown(handler));
        if (isHandler) {
            return true;
        }
    }
    return false;
}

// The item that takes the keyboard for this one: itself, or the control it is a part of
// (a stepper's buttons, a list's entries).
QQuickItem* keyboardOwner(QQuickItem* item) {
    for (QQuickItem* at = item; at; at = at->parentItem()) {
        if (at->activeFocusOnTab()) {
            return at;
        }
    }
    return nullptr;
}

// The window's items as drawn, parents before children.
QList<QQuickItem*> visualTree(QQuickItem* root) {
    QList<QQuickItem*> items{root};
    for (qsizetype i = 0; i < items.size(); ++i) {
        items += items[i]->childItems();
    }
    return items;
}

QSet<QQuickItem*> tabChain(QQuickWindow& window) {
    QSet<QQuickItem*> reached;
    QQuickItem* item = window.contentItem()->nextItemInFocusChain(true);
    while (item && !reached.contains(item)) {
        reached.insert(item);
        item = item->nextItemInFocusChain(true);
    }
    return reached;
}

// One line for each control that Tab does not reach or that has no accessible name.
QStringList unreachableOrNameless(QQuickWindow& window) {
    QCoreApplication::processEvents();
    const QSet<QQuickItem*> chain = tabChain(window);
    QStringList faults;
    const auto describe = [](QQuickItem* item) {
        return QStringLiteral("%1 \"%2\" (%3)")
            .arg(QString::fromLatin1(item->metaObject()->className()), nameOf(item),
                 item->objectName());
    };
    for (QQuickItem* item : visualTree(window.contentItem())) {
        if (!isShown(item) || !(isControl(item) || handlesPointer(item))) {
            continue;
        }
        QQuickItem* owner = isIgnored(item) || !isControl(item) ? keyboardOwner(item) : item;
        if (!owner || !chain.contains(owner)) {
            faults << QStringLiteral("not reached by Tab: ") + describe(item);
        } else if (nameOf(owner).trimmed().isEmpty()) {
            faults << QStringLiteral("no accessible name: ") + describe(owner);
        }
    }
    return faults;
}

TEST(KeyboardReachTest, EveryControlOfEveryWindowIsNamedAndReachableByTab) {
    test::SettingsWindowParts desktop;
    desktop.cameras.setDevices({{"usb-desk", "Desk Camera", false}});

    SettingsWindow settings(desktop.services(CameraAuthorization::denied));
    settings.onOpenSystemSettings = [](SettingsViewModel::SystemSettingsPage) {};
    QString failure;
    QObject::connect(&settings, &SettingsWindow::failedToOpen,
                     [&failure](const QString& reason) { failure = reason; });
    settings.openOrRaise();
    ASSERT_TRUE(settings.window() && QTest::qWaitForWindowExposed(settings.window()))
        << failure.toStdString();
    for (int pane = 0; pane < settings.viewModel()->paneTitles().size(); ++pane) {
        settings.viewModel()->setPane(pane);
        EXPECT_EQ(unreachableOrNameless(*settings.window()), QStringList())
            << "settings pane " << pane;
    }
    settings.close();

    OnboardingModel::Platform platform;
    platform.authorizationStatus = [] { return CameraAuthorization::denied; };
    platform.makeTrialProvider = [](const std::optional<QString>&) {
        return std::make_unique<IdleEngine>();
    };
    OnboardingController onboarding(desktop.settings, desktop.launchAtLogin, desktop.time, platform,
                                    nullptr, {});
    ASSERT_TRUE(onboarding.show()) << onboarding.errorText().toStdString();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(onboarding.window()));
    for (int act = 0; act <= OnboardingModel::lastStep; ++act) {
        onboarding.model().goToStep(act);
        EXPECT_EQ(unreachableOrNameless(*onboarding.window()), QStringList())
            << "onboarding act " << act;
    }

    TrayScenario tray;
    ASSERT_TRUE(tray.enter(QStringLiteral("working")));
    TrayPopover popover(tray.source, {});
    popover.open(QRect(), QPoint(200, 200));
    ASSERT_TRUE(popover.window() && QTest::qWaitForWindowExposed(popover.window()));
    EXPECT_EQ(unreachableOrNameless(*popover.window()), QStringList()) << "tray popover";
}

} // namespace
} // namespace qv
