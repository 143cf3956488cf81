// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/storage/KeyValueStore.h"

#include <QSettings>
#include <memory>

namespace qv {

class SaveProblems;

// The persistent store: an INI file, written through at every change so that nothing is lost
// when the process dies. A file that cannot be written keeps the values readable in this
// process, is tried again at the next change and is reported to problems; isPersistent()
// says so meanwhile. A file that vanishes while we run is written anew from the values held
// here, never from the defaults.
class SettingsFileStore final : public KeyValueStore {
public:
    // The standard file, $XDG_CONFIG_HOME/Quorvantel/Quorvantel.ini.
    explicit SettingsFileStore(SaveProblems* problems = nullptr);
    explicit SettingsFileStore(const QString& filePath, SaveProblems* problems = nullptr);
    ~SettingsFileStore() override;
    SettingsFileStore(const SettingsFileStore&) = delete;
    SettingsFileStore& operator=(const SettingsFileStore&) = delete;

    QString filePath() const { return settings_->fileName(); }
    // Why the file found at start was not read (it was far too large), for the person; empty
    // when it was read.
    const QString& setAsideNotice() const { return setAsideNotice_; }

    // No settings come near this; a file beyond it is set aside unread.
    static constexpr qint64 largestFileSize = 1024 * 1024;
    bool isPersistent() const override { return persistent_; }

protected:
    std::optional<QVariant> readRaw(const QString& key) const override;
    void writeRaw(const QString& key, const QVariant& value) override;
    void removeRaw(const QString& key) override;

private:
    void flush();
    void restoreVanishedFile();
    void startOverKeepingValues();
    QString whyNotSaved() const;

    // QSettings treats '/' and '\' in keys as groups; keys here are flat dotted names.
    static QString fileKey(const QString& key);

    // Set before settings_, which reads the file as it is made.
    QString setAsideNotice_;
    std::unique_ptr<QSettings> settings_;
    SaveProblems* problems_;
    bool persistent_ = true;
};

} // namespace qv
