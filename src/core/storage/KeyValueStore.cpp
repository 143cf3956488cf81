// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/KeyValueStore.h"

#include <QRegularExpression>

namespace qv {

namespace {

QString asText(const QVariant& value) {
    // Byte arrays are data, never text; everything else is stored as text already.
    if (value.typeId() == QMetaType::QByteArray) {
        return {};
    }
    return value.toString();
}

std::optional<QString> decodeText(const QVariant& value) {
    if (value.typeId() == QMetaType::QByteArray || !value.canConvert<QString>()) {
        return std::nullopt;
    }
    return value.toString();
}

std::optional<QByteArray> decodeData(const QVariant& value) {
    if (value.typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    return value.toByteArray();
}

// Registered defaults may be given as native values; bring them to the stored form.
QVariant normalise(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::QDateTime:
        return KeyValueStore::encodeDate(value.toDateTime());
    case QMetaType::QByteArray:
        return value;
    default:
        return value.toString();
    }
}

} // namespace

void KeyValueStore::registerDefaults(const QVariantMap& defaults) {
    for (auto it = defaults.begin(); it != defaults.end(); ++it) {
        defaults_.insert(it.key(), normalise(it.value()));
    }
}

template <typename T, typename Decode>
std::optional<T> KeyValueStore::read(const QString& key, Decode decode) const {
    // A stored value of the wrong type is treated as no value, so the default serves.
    if (const auto stored = readRaw(key)) {
        if (auto value = decode(*stored)) {
            return value;
        }
    }
    const auto fallback = defaults_.constFind(key);
    if (fallback == defaults_.constEnd()) {
        return std::nullopt;
    }
    return decode(*fallback);
}

std::optional<qint64> KeyValueStore::integer(const QString& key) const {
    return read<qint64>(key, [](const QVariant& v) { return decodeInteger(asText(v)); });
}

std::optional<bool> KeyValueStore::boolean(const QString& key) const {
    return read<bool>(key, [](const QVariant& v) { return decodeBoolean(asText(v)); });
}

std::optional<QString> KeyValueStore::text(const QString& key) const {
    return read<QString>(key, decodeText);
}

std::optional<QDateTime> KeyValueStore::date(const QString& key) const {
    return read<QDateTime>(key, [](const QVariant& v) { return decodeDate(asText(v)); });
}

std::optional<QByteArray> KeyValueStore::data(const QString& key) const {
    return read<QByteArray>(key, decodeData);
}

void KeyValueStore::setInteger(const QString& key, qint64 value) {
    writeRaw(key, QString::number(value));
}

void KeyValueStore::setBoolean(const QString& key, bool value) {
    writeRaw(key, value ? QStringLiteral("true") : QStringLiteral("false"));
}

void KeyValueStore::setText(const QString& key, const QString& value) {
    writeRaw(key, value);
}

void KeyValueStore::setDate(const QString& key, const QDateTime& value) {
    if (!value.isValid()) {
        remove(key);
        return;
    }
    writeRaw(key, encodeDate(value));
}

void KeyValueStore::setData(const QString& key, const QByteArray& value) {
    writeRaw(key, value);
}

void KeyValueStore::remove(const QString& key) {
    removeRaw(key);
}

QString KeyValueStore::encodeDate(const QDateTime& date) {
    return date.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"));
}

std::optional<QDateTime> KeyValueStore::decodeDate(const QString& text) {
    // Only the exact form written above: a date without its zone would be ambiguous.
    static const QRegularExpression form(
        QStringLiteral(R"(^\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}\.\d{3}Z$)"));
    if (!form.match(text).hasMatch()) {
        return std::nullopt;
    }
    QDateTime date = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!date.isValid()) {
        return std::nullopt;
    }
    return date.toUTC();
}

std::optional<qint64> KeyValueStore::decodeInteger(const QString& text) {
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

std::optional<bool> KeyValueStore::decodeBoolean(const QString& text) {
    const QString word = text.trimmed().toLower();
    if (word == QLatin1String("true") || word == QLatin1String("1")) {
        return true;
    }
    if (word == QLatin1String("false") || word == QLatin1String("0")) {
        return false;
    }
    return std::nullopt;
}

} // namespace qv
