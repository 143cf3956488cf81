// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/menubar/ContextMenuDescription.h"

#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace qv {

class DBusMenuExporter;
class MenuBarActions;
class MenuBarSource;
class StatusNotifierItem;
class TopBarExport;
class TrayPopover;

// The tray item with its countdown, popover and context menu. Over StatusNotifierItem when a
// watcher runs on the session bus, otherwise as an XEmbed icon through QSystemTrayIcon; and
// always on the session bus for a shell that draws the countdown in its own top bar.
class TrayController final : public QObject {
    Q_OBJECT

public:
    enum class Kind { none, statusNotifier, xembed };

    TrayController(MenuBarSource& source, MenuBarActions& actions, QObject* parent = nullptr);
    ~TrayController() override;

    // Shows the item the way the desktop supports; none when it has no tray at all.
    Kind show();
    // Whether the desktop's shell shows the countdown in its top bar instead (told later,
    // once); only meaningful where show() found no tray.
    void askIfShownInTopBar(std::function<void(bool)> answer);
    Kind kind() const { return kind_; }

    void openPopover(const QPoint& pointer);
    TrayPopover& popover() { return *popover_; }
    QMenu& contextMenu() { return *menu_; }
    StatusNotifierItem* statusNotifierItem() const { return item_.get(); }
    QSystemTrayIcon* systemTrayIcon() const { return trayIcon_.get(); }
    // How often the icon has been drawn; it is drawn only when what it shows changes.
    int iconRenderCount() const { return iconRenders_; }

private:
    void perform(TrayAction action);
    void update();
    void updateStatusNotifier();
    void updateSystemTray();

    MenuBarSource& source_;
    MenuBarActions& actions_;
    Kind kind_ = Kind::none;
    std::unique_ptr<QMenu> menu_;
    std::unique_ptr<TrayPopover> popover_;
    std::unique_ptr<DBusMenuExporter> menuExporter_;
    std::unique_ptr<StatusNotifierItem> item_;
    std::unique_ptr<QSystemTrayIcon> trayIcon_;
    std::unique_ptr<TopBarExport> topBar_;
    QString shownIconText_;
    bool iconShown_ = false;
    int iconRenders_ = 0;
};

} // namespace qv
