// SPDX-License-Identifier: GPL-3.0-or-later
// qv_render_icons SVG OUTDIR SIZE...: writes OUTDIR/<SIZE>x<SIZE>.png for every size.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char* argv[]) {
    // Rendering needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QTextStream error(stderr);
    if (arguments.size() < 4) {
        error << "usage: qv_render_icons SVG OUTDIR SIZE...\n";
        return 2;
    }
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid()) {
        error << "qv_render_icons: " << arguments.at(1) << " is not a valid SVG file\n";
        return 1;
    }
    for (qsizetype i = 3; i < arguments.size(); ++i) {
        bool ok = false;
        const int size = arguments.at(i).toInt(&ok);
        if (!ok || size < 8 || size > 1024) {
            error << "qv_render_icons: a size must be a whole number from 8 to 1024, not "
                  << arguments.at(i) << '\n';
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString path = QStringLiteral("%1/%2x%2.png").arg(arguments.at(2)).arg(size);
        if (!image.save(path)) {
            error << "qv_render_icons: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
