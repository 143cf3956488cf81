// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/tray/DBusMenuExporter.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <functional>

namespace qv {

// The countdown and the tray's menu, published under this process's own bus name for a
// desktop shell that draws them in its top bar when it has no tray host: Quorvantel's GNOME
// Shell extension does. Costs nothing where no shell reads it.
class TopBarExport final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.tamsorek.Quorvantel.Panel1")
    Q_PROPERTY(QString Label READ label)

public:
    static inline const QString path = QStringLiteral("/com/tamsorek/Quorvantel/Panel");
    static inline const QString menuPath = QStringLiteral("/com/tamsorek/Quorvantel/Menu");

    TopBarExport(QDBusConnection bus, DBusMenuExporter::Describe describe,
                 std::function<void(TrayAction)> onAction, QObject* parent = nullptr);
    ~TopBarExport() override;

    // False when the bus is gone or the paths are taken (another controller in this process).
    bool publish();

    QString label() const { return label_; }
    void setLabel(const QString& label);
    // The menu's state changed; shells that opened it are told when its layout did.
    void refreshMenu() { menu_.refresh(); }

    // Asks Quorvantel's GNOME Shell extension whether its top bar shows the countdown; the
    // answer is false wherever that cannot be known.
    void askIfShown(std::function<void(bool)> answer);

Q_SIGNALS:
    void LabelChanged(const QString& label);

private:
    QDBusConnection bus_;
    DBusMenuExporter menu_;
    QString label_;
    bool published_ = false;
};

} // namespace qv
