// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/SettingsFileStore.h"

#include "core/storage/OversizedFile.h"
#include "core/storage/SaveProblems.h"
#include "core/storage/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

namespace qv {

namespace {

const QString fileDescription = QStringLiteral("settings file");

} // namespace

SettingsFileStore::SettingsFileStore(SaveProblems* problems)
    : SettingsFileStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                            QStringLiteral("/Quorvantel/Quorvantel.ini"),
                        problems) {}

SettingsFileStore::SettingsFileStore(const QString& filePath, SaveProblems* problems)
    : setAsideNotice_(setAsideIfOversized(filePath, largestFileSize, fileDescription))
    , settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
    , problems_(problems) {}

SettingsFileStore::~SettingsFileStore() = default;

QString SettingsFileStore::fileKey(const QString& key) {
    QString flat = key;
    flat.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return flat;
}

std::optional<QVariant> SettingsFileStore::readRaw(const QString& key) const {
    const QVariant value = settings_->value(fileKey(key));
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
    if (persistent_ && settings_->value(fileKey(key)) == value) {
        return;
    }
    settings_->setValue(fileKey(key), value);
    flush();
}

void SettingsFileStore::removeRaw(const QString& key) {
    if (persistent_ && !settings_->contains(fileKey(key))) {
        return;
    }
    settings_->remove(fileKey(key));
    flush();
}

void SettingsFileStore::flush() {
    const bool wasPersistent = persistent_;
    restoreVanishedFile();
    settings_->sync();
    persistent_ = settings_->status() == QSettings::NoError;
    if (!persistent_) {
        startOverKeepingValues();
    }
    if (problems_ && persistent_) {
        problems_->saved(filePath());
    } else if (problems_ && wasPersistent) {
        problems_->failed(filePath(), whyNotSaved());
    }
}

// QSettings says only that it failed; a trial write finds out why. Once per failure: the
// scheduler writes often, and a failing file is tried again at each of those writes.
QString SettingsFileStore::whyNotSaved() const {
    const QString why = whyUnwritable(filePath());
    if (!why.isEmpty()) {
        return why;
    }
    return QStringLiteral("%1: %2").arg(
        QDir::toNativeSeparators(filePath()),
        QCoreApplication::translate("Storage", "the file cannot be written"));
}

// QSettings keeps its first error for good, so only a fresh one can tell whether a later save
// works. It starts from the file as it is on disk; every value held here is set on it again,
// and so written whole at the next change.
void SettingsFileStore::startOverKeepingValues() {
    QHash<QString, QVariant> values;
    for (const QString& key : settings_->allKeys()) {
        values.insert(key, settings_->value(key));
    }
    const QString path = settings_->fileName();
    // Not beside the old one: the two would share its failed changes, and with them its error.
    settings_.reset();
    settings_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
    for (const QString& key : settings_->allKeys()) {
        if (!values.contains(key)) {
            settings_->remove(key);
        }
    }
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        settings_->setValue(it.key(), it.value());
    }
}

// A sync merges our changes into the file as it is on disk, so after the file was deleted it
// would keep only the latest change and every other setting would read as its default at the
// next start. Marking every value we hold as changed writes them all again.
void SettingsFileStore::restoreVanishedFile() {
    if (QFileInfo::exists(filePath())) {
        return;
    }
    for (const QString& key : settings_->allKeys()) {
        settings_->setValue(key, settings_->value(key));
    }
}

} // namespace qv
