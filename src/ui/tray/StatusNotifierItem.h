// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/tray/DBusTypes.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QPoint>
#include <functional>

class QDBusServiceWatcher;

namespace qv {

class DBusMenuExporter;

// The tray item as StatusNotifierItem hosts see it, written here rather than taken from Qt
// because Qt's item cannot carry the text label that AppIndicator hosts show beside the icon.
class StatusNotifierItem final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ emptyText)
    Q_PROPERTY(QList<qv::DBusImage> IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ emptyText)
    Q_PROPERTY(QList<qv::DBusImage> OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionIconName READ emptyText)
    Q_PROPERTY(QList<qv::DBusImage> AttentionIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionMovieName READ emptyText)
    Q_PROPERTY(qv::DBusToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(QString IconThemePath READ emptyText)
    Q_PROPERTY(QString XAyatanaLabel READ label)
    Q_PROPERTY(QString XAyatanaLabelGuide READ labelGuide)

public:
    static inline const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
    static inline const QString itemPath = QStringLiteral("/StatusNotifierItem");
    static inline const QString menuPath = QStringLiteral("/MenuBar");

    StatusNotifierItem(QDBusConnection bus, DBusMenuExporter& menu, QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    // A watcher runs on the bus: the item can be shown this way.
    static bool isWatcherPresent(const QDBusConnection& bus);

    // Publishes the item and registers it with the watcher (again whenever a watcher starts).
    bool publish();
    QString serviceName() const { return serviceName_; }

    void setIcon(const QList<QImage>& images);
    // The tooltip is read when the host shows it; announcing every second's new text would
    // wake the host each second for nothing, so only announced changes are signalled.
    void setToolTip(const QString& title, const QString& description, bool announce);
    void setLabel(const QString& label);

    std::function<void(QPoint)> onActivate;
    std::function<void(QPoint)> onContextMenu;

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("quorvantel"); }
    QString title() const { return QStringLiteral("Quorvantel"); }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString emptyText() const { return {}; }
    QList<DBusImage> iconPixmap() const { return icon_; }
    QList<DBusImage> noPixmaps() const { return {}; }
    DBusToolTip toolTip() const { return toolTip_; }
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const { return QDBusObjectPath(menuPath); }
    QString label() const { return label_; }
    QString labelGuide() const { return QStringLiteral("0:00:00"); }

public Q_SLOTS:
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString& orientation);

Q_SIGNALS:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString& status);
    void XAyatanaNewLabel(const QString& label, const QString& guide);

private:
    void registerWithWatcher();

    QDBusConnection bus_;
    DBusMenuExporter& menuExporter_;
    QString serviceName_;
    QDBusServiceWatcher* watcher_ = nullptr;
    QList<DBusImage> icon_;
    DBusToolTip toolTip_;
    QString label_;
};

} // namespace qv
