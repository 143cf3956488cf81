// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

namespace qv {

// One release announced by the update feed.
struct AppcastItem {
    QString version;
    QString title;
    // As the feed gives them (may be HTML); show as text, never as markup from the network.
    QString releaseNotes;
    // Empty unless the feed gives an https address.
    QUrl downloadUrl;
};

// The update feed is RSS 2.0; each release is an <item> whose version sits in an element of
// the application's own namespace:
//   <rss version="2.0" xmlns:qv="urn:quorvantel:appcast:1"><channel>
//     <item><title>…</title><qv:version>1.2.0</qv:version><description>…</description>
//           <link>https://…</link> or <enclosure url="https://…"/></item>
//   </channel></rss>
inline const QString appcastNamespace = QStringLiteral("urn:quorvantel:appcast:1");

// Every item with a version; empty when the document is not such a feed.
std::optional<QList<AppcastItem>> parseAppcast(const QByteArray& document);

} // namespace qv
