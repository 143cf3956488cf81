// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/DesktopEntry.h"

#include <QStringList>

namespace qv::desktopEntry {

namespace {

// Inside a double-quoted argument these four are preceded by a backslash.
bool needsEscapeInQuotes(QChar c) {
    return c == u'"' || c == u'`' || c == u'$' || c == u'\\';
}

// String values escape the backslash itself and a few controls; applied before the
// argument quoting is read.
QString unescapeString(const QString& value) {
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != u'\\' || i + 1 == value.size()) {
            result.append(c);
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's':
            result.append(u' ');
            break;
        case 'n':
            result.append(u'\n');
            break;
        case 't':
            result.append(u'\t');
            break;
        case 'r':
            result.append(u'\r');
            break;
        case '\\':
            result.append(u'\\');
            break;
        default:
            result.append(c).append(next);
            break;
        }
    }
    return result;
}

} // namespace

std::optional<QHash<QString, QString>> parseMainGroup(const QString& text) {
    QHash<QString, QString> values;
    bool inMain = false;
    bool sawMain = false;
    const QStringList lines = text.split(u'\n');
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        if (line.startsWith(u'[')) {
            inMain = line == QLatin1String("[Desktop Entry]");
            sawMain = sawMain || inMain;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inMain && equals > 0) {
            values.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
        }
    }
    if (!sawMain) {
        return std::nullopt;
    }
    return values;
}

QString execValueFor(const QString& program) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : program) {
        if (needsEscapeInQuotes(c)) {
            quoted.append(u'\\');
        }
        quoted.append(c);
    }
    quoted.append(u'"');
    // Then the string-value layer: every backslash doubled, and a percent sign is a field code
    // unless doubled.
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    quoted.replace(u'%', QStringLiteral("%%"));
    return quoted;
}

std::optional<QString> programOfExec(const QString& execValue) {
    const QString value = unescapeString(execValue).trimmed();
    QString program;
    if (!value.startsWith(u'"')) {
        program = value.section(u' ', 0, 0);
    } else {
        bool closed = false;
        for (qsizetype i = 1; i < value.size() && !closed; ++i) {
            const QChar c = value.at(i);
            if (c == u'\\' && i + 1 < value.size() && needsEscapeInQuotes(value.at(i + 1))) {
                program.append(value.at(++i));
            } else if (c == u'"') {
                closed = true;
            } else {
                program.append(c);
            }
        }
        if (!closed) {
            return std::nullopt;
        }
    }
    program.replace(QStringLiteral("%%"), QStringLiteral("%"));
    if (program.isEmpty()) {
        return std::nullopt;
    }
    return program;
}

bool isTrue(const QString& value) {
    return value == QLatin1String("true") || value == QLatin1String("1");
}

bool isFalse(const QString& value) {
    return value == QLatin1String("false") || value == QLatin1String("0");
}

} // namespace qv::desktopEntry
