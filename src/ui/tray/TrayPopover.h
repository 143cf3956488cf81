// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/menubar/ContextMenuDescription.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QQuickWindow>
#include <QRect>
#include <functional>
#include <memory>

class QQmlEngine;

namespace qv {

class MenuBarSource;
class MenuPopoverModel;

// The popover beside the tray icon. Its QML engine and window exist only while it is open:
// the tray idles all day and should not carry a scene graph it rarely shows.
class TrayPopover final : public QObject {
    Q_OBJECT

public:
    TrayPopover(MenuBarSource& source, std::function<void(TrayAction)> onAction,
                QObject* parent = nullptr);
    ~TrayPopover() override;

    // iconGeometry when the tray reports it, otherwise the pointer places the popover.
    void open(const QRect& iconGeometry, const QPoint& pointer);
    void close();
    bool isOpen() const { return window_ != nullptr; }
    QQuickWindow* window() const { return window_; }
    // Text of the first QML warning or error met while building the view, empty if none.
    const QString& loadError() const { return loadError_; }

Q_SIGNALS:
    void openedChanged(bool open);

private:
    void refresh();
    bool build();
    void place(const QRect& iconGeometry, const QPoint& pointer);

    MenuBarSource& source_;
    std::function<void(TrayAction)> onAction_;
    std::unique_ptr<QQmlEngine> engine_;
    std::unique_ptr<MenuPopoverModel> model_;
    QPointer<QQuickWindow> window_;
    QString loadError_;
};

} // namespace qv
