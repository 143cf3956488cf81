// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivateBus.h"

#include <QFile>

namespace qv::test {

PrivateBus::PrivateBus() {
    const QString config = folder_.filePath("bus.conf");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) {
        return;
    }
    file.write(
        QStringLiteral(
            R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)")
            .arg(folder_.filePath("bus"))
            .toUtf8());
    file.close();
    daemon_.start("dbus-daemon",
                  {"--nofork", "--print-address", QStringLiteral("--config-file=") + config});
    if (daemon_.waitForStarted() && daemon_.waitForReadyRead(10'000)) {
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    }
}

PrivateBus::~PrivateBus() {
    daemon_.terminate();
    daemon_.waitForFinished();
}

} // namespace qv::test
