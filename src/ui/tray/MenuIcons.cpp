// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tray/MenuIcons.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace qv {

namespace {

QString resourcePath(const QString& name) {
    return QStringLiteral(":/quorvantel/tray/icons/") + name + QStringLiteral(".svg");
}

QImage tinted(const QString& name, const QColor& ink, int size, qreal dpr) {
    QImage image = QIcon(resourcePath(name)).pixmap(QSize(size, size), dpr).toImage();
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(image.rect(), ink);
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
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    tinted(name, ink, size, 1.0).save(&buffer, "PNG");
    return png;
}

} // namespace qv
