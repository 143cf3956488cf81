// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextCheck.h"

#include "app/Translations.h"

#include <QLocale>
#include <QMenu>
#include <QQmlContext>
#include <QQuickItem>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>

namespace qv::gallery {

namespace {

int faultCount = 0;

// Words the locale makes for dates and times: data, whatever the language of the copy.
QStringList localeWords() {
    const QLocale locale;
    QStringList words{locale.amText(), locale.pmText()};
    for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat, QLocale::NarrowFormat}) {
        for (int month = 1; month <= 12; ++month) {
            words << locale.monthName(month, format) << locale.standaloneMonthName(month, format);
        }
        for (int day = 1; day <= 7; ++day) {
            words << locale.dayName(day, format) << locale.standaloneDayName(day, format);
        }
    }
    return words;
}

QStringList wordsOf(const QString& text) {
    static const QRegularExpression notLetters(QStringLiteral("[^\\p{L}]+"));
    return text.split(notLetters, Qt::SkipEmptyParts);
}

// What the pseudo-language did not bracket: markup and character references are never copy.
QString outsideBrackets(QString text) {
    static const QRegularExpression markup(QStringLiteral("<[^>]*>|&\\w+;"));
    text.remove(markup);
    QString outside;
    int depth = 0;
    for (const QChar ch : text) {
        if (ch == u'[') {
            ++depth;
        } else if (ch == u']') {
            depth = std::max(0, depth - 1);
        } else if (depth == 0) {
            outside += ch;
        }
    }
    return outside;
}

double shownOpacity(const QQuickItem& item) {
    double opacity = 1;
    for (const QQuickItem* at = &item; at; at = at->parentItem()) {
        opacity *= at->opacity();
    }
    return opacity;
}

QString describe(const QQuickItem* item) {
    if (!item) {
        return QStringLiteral("menu item");
    }
    QString name = QString::fromLatin1(item->metaObject()->className());
    if (!item->objectName().isEmpty()) {
        name += u' ' + item->objectName();
    }
    if (const QQmlContext* context = qmlContext(item)) {
        name += QStringLiteral(" in ") + context->baseUrl().fileName();
    }
    return name;
}

void report(const QString& where, const QString& fault, const QString& text,
            const QQuickItem* item) {
    ++faultCount;
    QTextStream(stderr) << where << ": " << fault << " \"" << text << "\" (" << describe(item)
                        << ")\n";
}

} // namespace

TextCheck::TextCheck(QStringList galleryData)
    : pseudo_(chosenLanguage() == QStringLiteral("pseudo")) {
    galleryData << QStringLiteral("Quorvantel") << localeWords();
    for (const QString& entry : galleryData) {
        dataWords_ << wordsOf(entry);
    }
}

int TextCheck::faults() {
    return faultCount;
}

void TextCheck::check(QQuickItem& root, const QString& where) {
    if (root.isVisible() && shownOpacity(root) > 0.01) {
        checkItem(root, where);
    }
}

void TextCheck::checkItem(QQuickItem& item, const QString& where) {
    const QVariant text = item.property("text");
    // An editable field shows what the user typed.
    const bool editable =
        item.property("readOnly").isValid() && !item.property("readOnly").toBool();
    if (text.typeId() == QMetaType::QString && !text.toString().isEmpty() && !editable) {
        checkWording(text.toString(), where, &item);
        const auto length = [&item](const char* name) { return item.property(name).toDouble(); };
        if (item.property("truncated").toBool()) {
            report(where, QStringLiteral("cut short"), text.toString(), &item);
        } else if (item.property("truncated").isValid() &&
                   (length("contentWidth") > item.width() + 1 ||
                    // One line a little taller than a tight control is the font's leading;
                    // lines more than fit run into what lies below.
                    (length("contentHeight") > item.height() + 1 &&
                     item.property("lineCount").toInt() > 1))) {
            report(where,
                   QStringLiteral("%1x%2 in %3x%4")
                       .arg(length("contentWidth"))
                       .arg(length("contentHeight"))
                       .arg(item.width())
                       .arg(item.height()),
                   text.toString(), &item);
        }
    }
    for (QQuickItem* child : item.childItems()) {
        check(*child, where);
    }
}

void TextCheck::checkMenu(const QMenu& menu, const QString& where) {
    for (const QAction* action : menu.actions()) {
        if (!action->isVisible() || action->isSeparator()) {
            continue;
        }
        checkWording(action->text().section(u'\t', 0, 0).remove(u'&'), where, nullptr);
        if (const QMenu* submenu = action->menu()) {
            checkMenu(*submenu, where);
        }
    }
}

void TextCheck::checkWording(const QString& text, const QString& where, const QQuickItem* item) {
    // A lone letter names a key or stands for a word; it is the same in every language.
    if (!pseudo_ || text.trimmed().size() == 1) {
        return;
    }
    for (const QString& word : wordsOf(outsideBrackets(text))) {
        if (!isData(word)) {
            report(where, QStringLiteral("not translated"), text, item);
            return;
        }
    }
}

bool TextCheck::isData(const QString& word) const {
    return dataWords_.contains(word, Qt::CaseInsensitive);
}

} // namespace qv::gallery
