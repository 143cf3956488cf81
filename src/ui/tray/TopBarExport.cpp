// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tray/TopBarExport.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace qv {

TopBarExport::TopBarExport(QDBusConnection bus, DBusMenuExporter::Describe describe,
                           std::function<void(TrayAction)> onAction, QObject* parent)
    : QObject(parent)
    , bus_(std::move(bus))
    , menu_(std::move(describe), std::move(onAction)) {}

TopBarExport::~TopBarExport() {
    if (published_) {
        bus_.unregisterObject(path);
        bus_.unregisterObject(menuPath);
    }
}

bool TopBarExport::publish() {
    if (published_) {
        return true;
    }
    const auto exported = QDBusConnection::ExportAllProperties | QDBusConnection::ExportAllSlots |
                          QDBusConnection::ExportAllSignals;
    if (!bus_.isConnected() || !bus_.registerObject(path, this, exported)) {
        return false;
    }
    if (!bus_.registerObject(menuPath, &menu_, exported)) {
        bus_.unregisterObject(path);
        return false;
    }
    published_ = true;
    return true;
}

void TopBarExport::setLabel(const QString& label) {
    if (label == label_) {
        return;
    }
    label_ = label;
    Q_EMIT LabelChanged(label_);
}

void TopBarExport::askIfShown(std::function<void(bool)> answer) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.Shell"), QStringLiteral("/com/tamsorek/Quorvantel/Shell"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("com.tamsorek.Quorvantel.Shell1") << QStringLiteral("ShowsPanelItem");
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [answer = std::move(answer)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<QDBusVariant> reply = *finished;
                answer(!reply.isError() && reply.value().variant().toBool());
            });
}

} // namespace qv
