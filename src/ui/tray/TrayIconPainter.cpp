#include "ui/tray/TrayIconPainter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qv {

namespace {

const QColor tile(0x1a, 0x6c, 0xc0);
const QColor ink(Qt::white);

QFont digitsFont(qreal pixelSize) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// A chair seen from the side and an arrow rising beside it: get up. On a 16-unit grid.
void paintMark(QPainter& p, const QRectF& box) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 16.0, box.height() / 16.0);
    p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath chair;
    chair.moveTo(2.6, 2.5);
    chair.lineTo(3.6, 9.0);
    chair.lineTo(9.4, 9.0);
    chair.moveTo(3.6, 9.0);
    chair.lineTo(3.0, 14.0);
    chair.moveTo(8.8, 9.0);
    chair.lineTo(9.6, 14.0);
    QPainterPath arrow;
    arrow.moveTo(13.0, 11.5);
    arrow.lineTo(13.0, 2.8);
    arrow.moveTo(10.9, 4.9);
    arrow.lineTo(13.0, 2.8);
    arrow.lineTo(15.1, 4.9);
    p.drawPath(chair);
    p.drawPath(arrow);
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
        paintMark(p, rect.adjusted(rect.width() * 0.12, rect.height() * 0.12, -rect.width() * 0.12,
                                   -rect.height() * 0.12));
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
    paintMark(p, QRectF(rect.left() + h * 0.16, rect.top() + h * 0.14, h * 0.72, h * 0.72));
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
