// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/SettingsFileStore.h"

#include "core/storage/OversizedFile.h"

#include <QStandardPaths>

namespace qv {

namespace {

const QString fileDescription = QStringLiteral("settings file");

} // namespace

SettingsFileStore::SettingsFileStore()
    : SettingsFileStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                        QStringLiteral("/Quorvantel/Quorvantel.ini")) {}

SettingsFileStore::SettingsFileStore(const QString& filePath)
    : setAsideNotice_(setAsideIfOversized(filePath, largestFileSize, fileDescription))
    , settings_(filePath, QSettings::IniFormat) {}

QString SettingsFileStore::fileKey(const QString& key) {
    QString flat = key;
    flat.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return flat;
}

std::optional<QVariant> SettingsFileStore::readRaw(const QString& key) const {
    const QVariant value = settings_.value(fileKey(key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // A list (a hand-edited "a, b") or another structure is no value of ours.
    if (value.typeId() != QMetaType::QString && value.typeId() != QMetaType::QByteArray) {
        return QVariant(QString());
    }
    return value;
}

// Stores write every value they hold back at start and after each change, mostly unchanged:
// each sync rewrites the whole file, so one that would change nothing is left out.
void SettingsFileStore::writeRaw(const QString& key, const QVariant& value) {
    if (persistent_ && settings_.value(fileKey(key)) == value) {
        return;
    }
    settings_.setValue(fileKey(key), value);
    flush();
}

void SettingsFileStore::removeRaw(const QString& key) {
    if (persistent_ && !settings_.contains(fileKey(key))) {
        return;
    }
    settings_.remove(fileKey(key));
    flush();
}

void SettingsFileStore::flush() {
    settings_.sync();
    persistent_ = settings_.status() == QSettings::NoError;
}

} // namespace qv
