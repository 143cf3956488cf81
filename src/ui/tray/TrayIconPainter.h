// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIconEngine>
#include <QImage>
#include <QString>

namespace qv {

// Draws the tray icon: the product mark on a tile of the brand colour, with the countdown
// beside it when the slot is wide enough, or the minutes alone in a square slot. White on a
// mid-dark blue tile reads on light and dark panels alike.
class TrayIconPainter {
public:
    // The size, in device-independent pixels, a wide icon of this height needs for the title.
    static QSize wideSize(const QString& title, int height);
    // Square tile: compactText (from compactIconText) or, when empty, the mark alone.
    static QImage compact(const QString& compactText, int size, qreal devicePixelRatio = 1.0);
    // Mark and title side by side.
    static QImage wide(const QString& title, int height, qreal devicePixelRatio = 1.0);
    static void paint(QPainter& painter, const QRectF& rect, const QString& title,
                      const QString& compactText);
};

// Lets a QIcon draw itself for whatever rectangle the tray hands it: the wide form when the
// slot is wide, the compact one when it is square.
class TrayIconEngine final : public QIconEngine {
public:
    TrayIconEngine(QString title, QString compactText);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override { return QStringLiteral("quorvantel-tray"); }

private:
    QString title_;
    QString compactText_;
};

} // namespace qv
