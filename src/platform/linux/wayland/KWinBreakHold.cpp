// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/wayland/KWinBreakHold.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QFile>

namespace qv {

namespace {

const QString kwinService = QStringLiteral("org.kde.KWin");
const QString scriptingInterface = QStringLiteral("org.kde.kwin.Scripting");
// A fixed name lets a later run unload what a crashed run left behind.
const QString pluginName = QStringLiteral("quorvantel-break-hold");

QDBusMessage scriptingCall(const QString& method, const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(kwinService, QStringLiteral("/Scripting"),
                                                       scriptingInterface, method);
    call.setArguments(arguments);
    return call;
}

bool kwinIsThere() {
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus != nullptr && bus->isServiceRegistered(kwinService).value();
}

} // namespace

KWinBreakHold::KWinBreakHold()
    : WaylandBreakHold(BreakHoldGuarantee::held) {}

KWinBreakHold::~KWinBreakHold() {
    unloadScript();
}

BreakHoldStatus KWinBreakHold::status() const {
    if (!kwinIsThere()) {
        return {BreakHoldGuarantee::leavable, BreakHoldRemedy::none};
    }
    return {BreakHoldGuarantee::held, BreakHoldRemedy::none};
}

void KWinBreakHold::begin(const std::vector<QObject*>& windows) {
    WaylandBreakHold::begin(windows);
    if (!loaded_) {
        loaded_ = loadScript();
    }
}

void KWinBreakHold::end() {
    WaylandBreakHold::end();
    unloadScript();
}

bool KWinBreakHold::loadScript() {
    if (!folder_.isValid()) {
        return false;
    }
    const QString path = folder_.filePath(QStringLiteral("hold.js"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(script(QCoreApplication::applicationPid()).toUtf8()) < 0) {
        return false;
    }
    file.close();
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.call(scriptingCall(QStringLiteral("unloadScript"), {pluginName}));
    const QDBusReply<int> id =
        bus.call(scriptingCall(QStringLiteral("loadScript"), {path, pluginName}));
    if (!id.isValid() || id.value() < 0) {
        return false;
    }
    // KWin 5 puts each loaded script's object at its number; KWin 6 under /Scripting.
    for (const QString& object : {QStringLiteral("/%1").arg(id.value()),
                                  QStringLiteral("/Scripting/Script%1").arg(id.value())}) {
        const QDBusMessage reply = bus.call(QDBusMessage::createMethodCall(
            kwinService, object, QStringLiteral("org.kde.kwin.Script"), QStringLiteral("run")));
        if (reply.type() == QDBusMessage::ReplyMessage) {
            return true;
        }
    }
    return false;
}

void KWinBreakHold::unloadScript() {
    if (!loaded_) {
        return;
    }
    loaded_ = false;
    QDBusConnection::sessionBus().call(scriptingCall(QStringLiteral("unloadScript"), {pluginName}),
                                       QDBus::NoBlock);
}

QString KWinBreakHold::script(qint64 processId) {
    // KWin 5 calls windows clients; KWin 6 renamed them, so both names are tried.
    return QStringLiteral(R"(
const pid = %1;
const title = "Quorvantel Break";
function all() { return workspace.windowList ? workspace.windowList() : workspace.clientList(); }
function active() { return workspace.activeWindow !== undefined ? workspace.activeWindow : workspace.activeClient; }
function activate(w) { if (workspace.activeWindow !== undefined) workspace.activeWindow = w; else workspace.activeClient = w; }
function isBreak(w) { return !!w && w.pid === pid && w.caption === title; }
function hold() {
    const held = all().filter(isBreak);
    if (held.length === 0) return;
    for (const w of held) { w.keepAbove = true; if (!w.fullScreen) w.fullScreen = true; }
    if (!isBreak(active())) activate(held[0]);
}
// KWin ignores an activation asked for while it is still handing out another one.
const soon = new QTimer();
soon.singleShot = true;
soon.interval = 0;
soon.timeout.connect(hold);
for (const name of ["windowAdded", "clientAdded", "windowActivated", "clientActivated"]) {
    if (workspace[name]) workspace[name].connect(function () { soon.start(); });
}
hold();
)")
        .arg(processId);
}

} // namespace qv
