// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/services/Appcast.h"

#include <QXmlStreamReader>

namespace qv {

namespace {

QUrl secureUrl(const QString& text) {
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    return url.isValid() && url.scheme() == QLatin1String("https") && !url.host().isEmpty()
               ? url
               : QUrl();
}

AppcastItem readItem(QXmlStreamReader& xml) {
    AppcastItem item;
    QUrl link;
    QUrl enclosure;
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (xml.namespaceUri() == appcastNamespace && name == QLatin1String("version")) {
            item.version = xml.readElementText().trimmed();
        } else if (!xml.namespaceUri().isEmpty()) {
            xml.skipCurrentElement();
        } else if (name == QLatin1String("title")) {
            item.title = xml.readElementText().trimmed();
        } else if (name == QLatin1String("description")) {
            item.releaseNotes = xml.readElementText().trimmed();
        } else if (name == QLatin1String("link")) {
            link = secureUrl(xml.readElementText());
        } else if (name == QLatin1String("enclosure")) {
            enclosure = secureUrl(xml.attributes().value(QLatin1String("url")).toString());
            xml.skipCurrentElement();
        } else {
            xml.skipCurrentElement();
        }
    }
    item.downloadUrl = enclosure.isValid() ? enclosure : link;
    return item;
}

void readChannel(QXmlStreamReader& xml, QList<AppcastItem>& items) {
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("item") && xml.namespaceUri().isEmpty()) {
            AppcastItem item = readItem(xml);
            if (!item.version.isEmpty()) {
                items.append(std::move(item));
            }
        } else {
            xml.skipCurrentElement();
        }
    }
}

} // namespace

std::optional<QList<AppcastItem>> parseAppcast(const QByteArray& document) {
    QXmlStreamReader xml(document);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("rss")) {
        return std::nullopt;
    }
    QList<AppcastItem> items;
    bool sawChannel = false;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("channel")) {
            sawChannel = true;
            readChannel(xml, items);
        } else {
            xml.skipCurrentElement();
        }
    }
    // Reads to the end, so a second document glued on is an error too.
    while (!xml.atEnd()) {
        xml.readNext();
    }
    // Reading stops at the first error; a feed cut off halfway must not look complete.
    if (xml.hasError() || !sawChannel) {
        return std::nullopt;
    }
    return items;
}

} // namespace qv
