// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/base/CountedText.h"

#include <QCoreApplication>

namespace qv {

QString countedText(const char* context, const char* singular, const char* plural, int n) {
    const QString number = QString::number(n);
    const QString translated = QCoreApplication::translate(context, plural, nullptr, n);
    const bool untranslated =
        translated == QString::fromUtf8(plural).replace(QStringLiteral("%n"), number);
    if (untranslated && n == 1) {
        return QString::fromUtf8(singular).replace(QStringLiteral("%n"), number);
    }
    return translated;
}

} // namespace qv
