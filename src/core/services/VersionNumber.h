// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <compare>
#include <optional>

namespace qv {

// A release version such as "1.4", "1.4.2" or "2.0.0-beta.3": numeric parts compared as
// numbers with missing parts reading as 0, and a pre-release below its release. A leading "v"
// and build metadata after "+" are ignored.
class VersionNumber {
public:
    static std::optional<VersionNumber> parse(const QString& text);

    const QList<qint64>& release() const { return release_; }
    const QStringList& preRelease() const { return preRelease_; }

    friend std::strong_ordering operator<=>(const VersionNumber& a, const VersionNumber& b);
    friend bool operator==(const VersionNumber& a, const VersionNumber& b) {
        return (a <=> b) == std::strong_ordering::equal;
    }

private:
    QList<qint64> release_;
    QStringList preRelease_;
};

} // namespace qv
