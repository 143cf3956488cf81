// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menubar/TrayIconText.h"

#include <QRegularExpression>
#include <algorithm>

namespace qv {

QString trayIconTitle(const QString& title) {
    static const QRegularExpression hours(QStringLiteral("^(\\d+):(\\d\\d):(\\d\\d)$"));
    const auto match = hours.match(title);
    if (!match.hasMatch()) {
        return title;
    }
    const qint64 seconds = match.captured(1).toLongLong() * 3600 +
                           match.captured(2).toLongLong() * 60 + match.captured(3).toLongLong();
    const qint64 minutes = (seconds + 59) / 60;
    return QString::asprintf("%lld:%02lld", minutes / 60, minutes % 60);
}

QString compactIconText(const QString& title) {
    static const QRegularExpression countdown(QStringLiteral("^(?:(\\d+):)?(\\d\\d):(\\d\\d)$"));
    const auto match = countdown.match(title);
    if (!match.hasMatch()) {
        return {};
    }
    const qint64 seconds = match.captured(1).toLongLong() * 3600 +
                           match.captured(2).toLongLong() * 60 + match.captured(3).toLongLong();
    if (seconds >= 3600) {
        return QString::number(seconds / 3600) + QLatin1Char('h');
    }
    return QString::number((seconds + 59) / 60);
}

QPoint popoverPosition(const QRect& icon, const QPoint& pointer, const QSize& popover,
                       const QRect& available) {
    constexpr int gap = 6;
    QPoint position;
    // XEmbed trays report the icon's geometry inside the tray rather than on the screen; only
    // a geometry around the pointer that clicked it is where the icon really is.
    if (icon.isValid() && !icon.isEmpty() && (pointer.isNull() || icon.contains(pointer))) {
        // Panels sit at an edge: open away from it, centred on the icon.
        const bool roomBelow = icon.bottom() + gap + popover.height() <= available.bottom() + 1;
        position = {icon.center().x() - popover.width() / 2,
                    roomBelow ? icon.bottom() + 1 + gap : icon.top() - gap - popover.height()};
    } else {
        const bool roomBelow = pointer.y() + gap + popover.height() <= available.bottom() + 1;
        position = {pointer.x() - popover.width() / 2,
                    roomBelow ? pointer.y() + gap : pointer.y() - gap - popover.height()};
    }
    const int maxX = std::max(available.left(), available.right() + 1 - popover.width());
    const int maxY = std::max(available.top(), available.bottom() + 1 - popover.height());
    return {std::clamp(position.x(), available.left(), maxX),
            std::clamp(position.y(), available.top(), maxY)};
}

} // namespace qv
