// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tray/TrayIconPainter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qv {

namespace {

// The application icon's colours: a deep navy tile reads on light panels by itself and on dark
// ones through its white digits and blue ring.
const QColor tile(0x15, 0x1e, 0x36);
const QColor ink(0xf2, 0xf5, 0xfa);
const QColor accent(0x5c, 0xc8, 0xff);
const QColor track(0x2a, 0x35, 0x50);

QFont digitsFont(qreal pixelSize) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// The application icon's mark: the countdown ring most of the way round and a person at the
// bottom of a squat, on its 128-unit grid. Strokes keep at least 1.4 device pixels so the
// figure survives at 16 px.
void paintMark(QPainter& p, const QRectF& box) {
    p.save();
    p.translate(box.topLeft());
    const qreal scale = box.width() / 128.0;
    p.scale(scale, box.height() / 128.0);
    const auto stroke = [scale](qreal units) { return std::max(units, 1.4 / scale); };
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(track, stroke(10), Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QPointF(64, 64), 44, 44);
    p.setPen(QPen(accent, stroke(10), Qt::SolidLine, Qt::RoundCap));
    // From twelve o'clock clockwise round to nine.
    p.drawArc(QRectF(20, 20, 88, 88), 90 * 16, -270 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(58, 40), 9, 9);
    QPainterPath body;
    body.moveTo(58, 53);
    body.lineTo(52, 72);
    body.lineTo(72, 74);
    body.lineTo(70, 91);
    body.moveTo(57, 58);
    body.lineTo(82, 59);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, stroke(8), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(body);
    p.restore();
}

void paintTile(QPainter& p, const QRectF& rect) {
    const qreal radius = rect.height() * 0.28;
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

qreal wideTextSize(qreal height) {
    return height * 0.6;
}

void paintCompact(QPainter& p, const QRectF& rect, const QString& text) {
    paintTile(p, rect);
    if (text.isEmpty()) {
        paintMark(p, rect);
        return;
    }
    qreal size = rect.height() * 0.66;
    QFont font = digitsFont(size);
    // Shrink until the text fits the tile with a margin.
    while (size > 6 && QFontMetricsF(font).horizontalAdvance(text) > rect.width() * 0.86) {
        size -= 0.5;
        font = digitsFont(size);
    }
    p.setFont(font);
    p.setPen(ink);
    p.drawText(rect, Qt::AlignCenter, text);
}

void paintWide(QPainter& p, const QRectF& rect, const QString& title) {
    paintTile(p, rect);
    const qreal h = rect.height();
    paintMark(p, QRectF(rect.left() + h * 0.06, rect.top() + h * 0.04, h * 0.92, h * 0.92));
    p.setFont(digitsFont(wideTextSize(h)));
    p.setPen(ink);
    const QRectF textRect(rect.left() + h * 1.08, rect.top(), rect.width() - h * 1.08 - h * 0.3,
                          rect.height());
    p.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, title);
}

QImage canvas(QSize logical, qreal dpr) {
    QImage image(logical * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QSize TrayIconPainter::wideSize(const QString& title, int height) {
    const qreal text = QFontMetricsF(digitsFont(wideTextSize(height))).horizontalAdvance(title);
    return {qCeil(height * 1.08 + text + height * 0.32), height};
}

QImage TrayIconPainter::compact(const QString& compactText, int size, qreal dpr) {
    QImage image = canvas({size, size}, dpr);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintCompact(p, QRectF(0, 0, size, size), compactText);
    return image;
}

QImage TrayIconPainter::wide(const QString& title, int height, qreal dpr) {
    QImage image = canvas(wideSize(title, height), dpr);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintWide(p, QRectF(QPointF(0, 0), QSizeF(wideSize(title, height))), title);
    return image;
}

void TrayIconPainter::paint(QPainter& p, const QRectF& rect, const QString& title,
                            const QString& compactText) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int height = qFloor(std::min(rect.height(), rect.width()));
    const QSize wideNeeds = wideSize(title, height);
    if (rect.width() >= wideNeeds.width()) {
        const QRectF r(rect.left(), rect.center().y() - height / 2.0, wideNeeds.width(), height);
        paintWide(p, r, title);
    } else {
        const QRectF r(rect.center().x() - height / 2.0, rect.center().y() - height / 2.0, height,
                       height);
        paintCompact(p, r, compactText);
    }
    p.restore();
}

TrayIconEngine::TrayIconEngine(QString title, QString compactText)
    : title_(std::move(title))
    , compactText_(std::move(compactText)) {}

void TrayIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) {
    TrayIconPainter::paint(*painter, rect, title_, compactText_);
}

QPixmap TrayIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap TrayIconEngine::scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) {
    QImage image = canvas(size, scale);
    QPainter p(&image);
    TrayIconPainter::paint(p, QRectF(QPointF(0, 0), QSizeF(size)), title_, compactText_);
    p.end();
    return QPixmap::fromImage(image);
}

QSize TrayIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    return size;
}

QList<QSize> TrayIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    return {{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}};
}

QIconEngine* TrayIconEngine::clone() const {
    return new TrayIconEngine(title_, compactText_);
}

} // namespace qv
