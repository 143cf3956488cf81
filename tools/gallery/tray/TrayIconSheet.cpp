// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayIconSheet.h"

#include "core/menubar/TrayIconText.h"
#include "ui/tray/TrayIconPainter.h"

#include <QPainter>

namespace qv {

QImage trayIconSheet() {
    const QStringList titles = {QStringLiteral("49:59"), QStringLiteral("1:23:45"),
                                QStringLiteral("00:40"), QStringLiteral("Paused"),
                                QStringLiteral("Break due")};
    const QList<QColor> panels = {QColor(0xf2, 0xf2, 0xf2), QColor(0x20, 0x21, 0x24)};
    constexpr int zoom = 3;
    constexpr int rowHeight = 56;
    QImage sheet(1000 * zoom / 3, rowHeight * int(titles.size()) * 2 * 2, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    int y = 0;
    for (const QColor& panel : panels) {
        for (const qreal scale : {1.0, 2.0}) {
            for (const QString& title : titles) {
                p.fillRect(0, y, sheet.width(), rowHeight, panel);
                int x = 8;
                for (const int size : {16, 22, 24}) {
                    const QImage compact =
                        TrayIconPainter::compact(compactIconText(title), size, scale);
                    p.drawImage(QPoint(x, y + 4), compact);
                    x += compact.width() + 8;
                }
                for (const int height : {22, 24}) {
                    const QImage wide = TrayIconPainter::wide(trayIconTitle(title), height, scale);
                    p.drawImage(QPoint(x, y + 4), wide);
                    x += wide.width() + 12;
                }
                y += rowHeight;
            }
        }
    }
    p.end();
    return sheet;
}

} // namespace qv
