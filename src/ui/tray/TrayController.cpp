// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tray/TrayController.h"

#include "core/menubar/MenuBarActions.h"
#include "core/menubar/MenuBarSource.h"
#include "core/menubar/TrayIconText.h"
#include "ui/tray/ContextMenuWidget.h"
#include "ui/tray/DBusMenuExporter.h"
#include "ui/tray/StatusNotifierItem.h"
#include "ui/tray/TopBarExport.h"
#include "ui/tray/TrayIconPainter.h"
#include "ui/tray/TrayPopover.h"

#include <QCursor>
#include <QDBusConnection>
#include <QMenu>
#include <QSystemTrayIcon>

namespace qv {

namespace {
// Square sizes hosts ask for, at scales 1 and 2.
const QList<int> statusNotifierSizes = {16, 22, 24, 32, 44, 48, 64};
} // namespace

TrayController::TrayController(MenuBarSource& source, MenuBarActions& actions, QObject* parent)
    : QObject(parent)
    , source_(source)
    , actions_(actions)
    , menu_(std::make_unique<QMenu>())
    , popover_(std::make_unique<TrayPopover>(source, [this](TrayAction a) { perform(a); })) {
    menu_->setObjectName(QStringLiteral("trayContextMenu"));
    // Built at the moment it opens, so titles and enabled states are those of that moment.
    connect(menu_.get(), &QMenu::aboutToShow, this, [this] {
        fillMenu(*menu_, source_.contextMenu(), [this](TrayAction a) { perform(a); });
    });
    fillMenu(*menu_, source_.contextMenu(), [this](TrayAction a) { perform(a); });
    connect(&source_, &MenuBarSource::changed, this, &TrayController::update);
}

TrayController::~TrayController() {
    popover_->close();
}

TrayController::Kind TrayController::show() {
    if (kind_ != Kind::none) {
        return kind_;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!topBar_) {
        topBar_ = std::make_unique<TopBarExport>(
            bus, [this] { return source_.contextMenu(); }, [this](TrayAction a) { perform(a); });
        if (!topBar_->publish()) {
            topBar_.reset();
        }
    }
    if (StatusNotifierItem::isWatcherPresent(bus)) {
        menuExporter_ = std::make_unique<DBusMenuExporter>([this] { return source_.contextMenu(); },
                                                           [this](TrayAction a) { perform(a); });
        item_ = std::make_unique<StatusNotifierItem>(bus, *menuExporter_);
        item_->onActivate = [this](QPoint at) { openPopover(at); };
        item_->onContextMenu = [this](QPoint at) { menu_->popup(at); };
        if (item_->publish()) {
            kind_ = Kind::statusNotifier;
        } else {
            item_.reset();
            menuExporter_.reset();
        }
    }
    if (kind_ == Kind::none && QSystemTrayIcon::isSystemTrayAvailable()) {
        trayIcon_ = std::make_unique<QSystemTrayIcon>();
        trayIcon_->setContextMenu(menu_.get());
        connect(trayIcon_.get(), &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::Trigger) {
                        openPopover(QCursor::pos());
                    }
                });
        kind_ = Kind::xembed;
    }
    iconShown_ = false;
    update();
    if (trayIcon_) {
        trayIcon_->show();
    }
    return kind_;
}

void TrayController::openPopover(const QPoint& pointer) {
    const QRect icon = trayIcon_ ? trayIcon_->geometry() : QRect();
    // Hosts that do not know where the click was send 0,0.
    popover_->open(icon, pointer.isNull() ? QCursor::pos() : pointer);
}

void TrayController::perform(TrayAction action) {
    actions_.perform(action);
}

void TrayController::askIfShownInTopBar(std::function<void(bool)> answer) {
    if (topBar_) {
        topBar_->askIfShown(std::move(answer));
    } else {
        answer(false);
    }
}

void TrayController::update() {
    if (topBar_) {
        topBar_->setLabel(source_.title());
        topBar_->refreshMenu();
    }
    if (item_) {
        updateStatusNotifier();
    }
    if (trayIcon_) {
        updateSystemTray();
    }
}

void TrayController::updateStatusNotifier() {
    // Hosts give the item a square slot: the minutes go into the icon, the whole countdown
    // into the label beside it.
    const QString title = source_.title();
    const QString iconText = compactIconText(title);
    const bool redraw = !iconShown_ || iconText != shownIconText_;
    if (redraw) {
        QList<QImage> images;
        for (const int size : statusNotifierSizes) {
            images << TrayIconPainter::compact(iconText, size);
        }
        item_->setIcon(images);
        shownIconText_ = iconText;
        iconShown_ = true;
        ++iconRenders_;
    }
    item_->setToolTip(QStringLiteral("Quorvantel"), source_.statusText(), redraw);
    item_->setLabel(title);
    menuExporter_->refresh();
}

void TrayController::updateSystemTray() {
    const QString title = source_.title();
    const QString iconTitle = trayIconTitle(title);
    if (!iconShown_ || iconTitle != shownIconText_) {
        trayIcon_->setIcon(QIcon(new TrayIconEngine(iconTitle, compactIconText(title))));
        shownIconText_ = iconTitle;
        iconShown_ = true;
        ++iconRenders_;
    }
    trayIcon_->setToolTip(source_.accessibleName());
}

} // namespace qv
