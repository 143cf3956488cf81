// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tray/MenuIcons.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace qv {

namespace {

QString resourcePath(const QString& name) {
    return QStringLiteral(":/quorvantel/tray/icons/") + name + QStringLiteral(".svg");
}

QString keyOf(const QString& name, const QColor& ink, int size, qreal dpr) {
    return QStringLiteral("%1 %2 %3 %4").arg(name).arg(ink.rgba()).arg(size).arg(dpr);
}

// Every QIcon made from a file is an icon engine of its own, and Qt keeps each engine's
// drawings in its pixmap cache under that engine's key: drawing afresh at every menu request
// (hosts ask at every opening) grew the process by about 1.4 kB a request. So each icon is
// drawn once per ink, size and scale. The menus live on the GUI thread, and so do these.
QImage tinted(const QString& name, const QColor& ink, int size, qreal dpr) {
    static QHash<QString, QImage> drawn;
    const QString key = keyOf(name, ink, size, dpr);
    if (const auto found = drawn.constFind(key); found != drawn.cend()) {
        return *found;
    }
    QImage image = QIcon(resourcePath(name)).pixmap(QSize(size, size), dpr).toImage();
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(image.rect(), ink);
    p.end();
    drawn.insert(key, image);
    return image;
}

} // namespace

bool hasOwnMenuIcon(const QString& name) {
    return QFile::exists(resourcePath(name));
}

QIcon menuIcon(const QString& name, const QColor& ink) {
    if (QIcon::hasThemeIcon(name)) {
        return QIcon::fromTheme(name);
    }
    if (!hasOwnMenuIcon(name)) {
        return {};
    }
    QIcon icon;
    for (const qreal dpr : {1.0, 2.0}) {
        icon.addPixmap(QPixmap::fromImage(tinted(name, ink, 16, dpr)));
    }
    return icon;
}

QByteArray ownMenuIconPng(const QString& name, const QColor& ink, int size) {
    if (!hasOwnMenuIcon(name)) {
        return {};
    }
    static QHash<QString, QByteArray> encoded;
    const QString key = keyOf(name, ink, size, 1.0);
    if (const auto found = encoded.constFind(key); found != encoded.cend()) {
        return *found;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    tinted(name, ink, size, 1.0).save(&buffer, "PNG");
    encoded.insert(key, png);
    return png;
}

} // namespace qv
