// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/services/VersionNumber.h"

#include <QRegularExpression>

namespace qv {

namespace {

std::optional<qint64> numericIdentifier(const QString& identifier) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,18}$"));
    if (!digits.match(identifier).hasMatch()) {
        return std::nullopt;
    }
    return identifier.toLongLong();
}

// Numeric identifiers sort below text ones and among themselves by value.
std::strong_ordering compareIdentifiers(const QString& a, const QString& b) {
    const auto na = numericIdentifier(a);
    const auto nb = numericIdentifier(b);
    if (na && nb) {
        return *na <=> *nb;
    }
    if (na || nb) {
        return na ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    return QString::compare(a, b, Qt::CaseSensitive) <=> 0;
}

} // namespace

std::optional<VersionNumber> VersionNumber::parse(const QString& text) {
    static const QRegularExpression form(QStringLiteral(
        R"(^v?([0-9]{1,18}(?:\.[0-9]{1,18})*)(?:-([0-9A-Za-z-]+(?:\.[0-9A-Za-z-]+)*))?)"
        R"((?:\+[0-9A-Za-z.-]*)?$)"));
    const auto match = form.match(text.trimmed());
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    VersionNumber version;
    for (const QString& part : match.captured(1).split(u'.')) {
        version.release_.append(part.toLongLong());
    }
    if (match.hasCaptured(2)) {
        version.preRelease_ = match.captured(2).split(u'.');
    }
    return version;
}

std::strong_ordering operator<=>(const VersionNumber& a, const VersionNumber& b) {
    const qsizetype parts = std::max(a.release_.size(), b.release_.size());
    for (qsizetype i = 0; i < parts; ++i) {
        const auto order = a.release_.value(i, 0) <=> b.release_.value(i, 0);
        if (order != 0) {
            return order;
        }
    }
    // A pre-release comes before its release.
    if (a.preRelease_.isEmpty() != b.preRelease_.isEmpty()) {
        return a.preRelease_.isEmpty() ? std::strong_ordering::greater : std::strong_ordering::less;
    }
    const qsizetype common = std::min(a.preRelease_.size(), b.preRelease_.size());
    for (qsizetype i = 0; i < common; ++i) {
        const auto order = compareIdentifiers(a.preRelease_.at(i), b.preRelease_.at(i));
        if (order != 0) {
            return order;
        }
    }
    return a.preRelease_.size() <=> b.preRelease_.size();
}

} // namespace qv
