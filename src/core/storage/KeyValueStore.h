// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <optional>

namespace qv {

// The user-defaults store: typed values under dotted keys, with registered defaults.
//
// Every value is kept in one text form whatever the backing store, so a value reads the same
// in this process as after a restart. A typed read returns the stored value when it has that
// type, else the registered default when that has the type, else nothing: a wrong type never
// crashes and never reads as something it is not.
class KeyValueStore {
public:
    virtual ~KeyValueStore() = default;

    // Defaults are kept in memory only and serve keys that hold no value.
    void registerDefaults(const QVariantMap& defaults);

    std::optional<qint64> integer(const QString& key) const;
    std::optional<bool> boolean(const QString& key) const;
    std::optional<QString> text(const QString& key) const;
    std::optional<QDateTime> date(const QString& key) const;
    std::optional<QByteArray> data(const QString& key) const;
    bool contains(const QString& key) const { return readRaw(key).has_value(); }

    void setInteger(const QString& key, qint64 value);
    void setBoolean(const QString& key, bool value);
    void setText(const QString& key, const QString& value);
    void setDate(const QString& key, const QDateTime& value);
    void setData(const QString& key, const QByteArray& value);
    void remove(const QString& key);

    // False when the last write could not be made lasting (the values stay readable here).
    virtual bool isPersistent() const { return true; }

    // Text forms, shared with anything that must read a stored value the same way.
    static QString encodeDate(const QDateTime& date);
    static std::optional<QDateTime> decodeDate(const QString& text);
    static std::optional<qint64> decodeInteger(const QString& text);
    static std::optional<bool> decodeBoolean(const QString& text);

protected:
    // A stored value as text, or as a byte array for data; empty when the key holds nothing.
    virtual std::optional<QVariant> readRaw(const QString& key) const = 0;
    virtual void writeRaw(const QString& key, const QVariant& value) = 0;
    virtual void removeRaw(const QString& key) = 0;

private:
    template <typename T, typename Decode>
    std::optional<T> read(const QString& key, Decode decode) const;

    QVariantMap defaults_;
};

} // namespace qv
