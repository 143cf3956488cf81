// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QMenu;
class QQuickItem;

namespace qv::gallery {

// Reads every text a view shows once it has come to rest, and counts two kinds of fault:
// - in the pseudo-language, words that did not pass through the catalogue (the pseudo
//   translation brackets every text it made, so letters outside brackets came from
//   somewhere else). Data is not copy: digits and signs, the product name, the names the
//   locale gives months, days and half-days, a lone letter (a key), and the gallery's own
//   stand-in data (a camera's name, an address) may stand outside.
// - in every language, a text wider or taller than its item, or cut short with an ellipsis.
// Each fault is printed with where it was seen.
class TextCheck {
public:
    explicit TextCheck(QStringList galleryData = {});

    void check(QQuickItem& root, const QString& where);
    void checkMenu(const QMenu& menu, const QString& where);

    // Faults seen by every check of this run.
    static int faults();

private:
    void checkItem(QQuickItem& item, const QString& where);
    void checkWording(const QString& text, const QString& where, const QQuickItem* item);
    bool isData(const QString& word) const;

    QStringList dataWords_;
    bool pseudo_ = false;
};

} // namespace qv::gallery
