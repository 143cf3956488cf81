// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace qv {

// Why an operation failed, in words a user can be shown. Converts to any Result, so a
// failing function can simply `return Failure{message};`.
struct Failure {
    QString message;
};

// A value, or the sentence that says why there is none. Failures never travel as exceptions
// between layers; this is the one way they travel instead.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value)
        : value_(std::move(value)) {}
    Result(Failure failure)
        : error_(std::move(failure.message)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }

    // Only on success.
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }
    const T& operator*() const& { return *value_; }
    T& operator*() & { return *value_; }

    // Empty on success.
    const QString& error() const { return error_; }

private:
    std::optional<T> value_;
    QString error_;
};

// Success carries nothing; a failure carries its sentence.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure)
        : failed_(true)
        , error_(std::move(failure.message)) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return error_; }

private:
    bool failed_ = false;
    QString error_;
};

using Status = Result<void>;

} // namespace qv
