// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace qv {

namespace {

const QString pseudoLanguage = QStringLiteral("pseudo");

void install(QCoreApplication& application, const QLocale& locale, const QString& name,
             const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace

QString chosenLanguage() {
    return qEnvironmentVariable("QUORVANTEL_LANGUAGE");
}

void installTranslations(QCoreApplication& application, const QString& language) {
    const QString wanted = language.isEmpty() ? chosenLanguage() : language;
    if (wanted == pseudoLanguage) {
        // Accented English keeps English formats, so only the words look foreign.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        auto* translator = new QTranslator(&application);
        if (translator->load(QStringLiteral(":/i18n/quorvantel_pseudo.qm"))) {
            QCoreApplication::installTranslator(translator);
        }
        return;
    }
    if (!wanted.isEmpty()) {
        QLocale::setDefault(QLocale(wanted));
    }
    const QLocale locale = wanted.isEmpty() ? QLocale::system() : QLocale(wanted);
    install(application, locale, QStringLiteral("quorvantel"), QStringLiteral(":/i18n"));
    install(application, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace qv
