// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QCoreApplication;

namespace qv {

// The language the texts come in: the user's locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
// unless QUORVANTEL_LANGUAGE names another one, such as "de" or "pseudo" (accented and
// longer English, for finding texts that are not translated or do not fit).
QString chosenLanguage();

// Loads Quorvantel's catalogue and Qt's own for the language (empty: the chosen one) and makes
// that language's formats the default for times, dates and numbers. English needs nothing:
// it is the source language. Must run before any text is made; the catalogues live as long
// as the application object.
void installTranslations(QCoreApplication& application, const QString& language = {});

} // namespace qv
