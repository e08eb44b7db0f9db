#pragma once

#include <QString>

namespace vm {

// The outcome of an operation that can fail: success, or a German message
// for the user that names what failed and carries the system's error text.
class Status {
public:
    static Status success() { return Status(); }
    static Status failure(const QString& message) { return Status(message); }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString& message() const { return m_message; }

private:
    Status() = default;
    explicit Status(const QString& message)
        : m_failed(true)
        , m_message(message)
    {}

    bool m_failed = false;
    QString m_message;
};

} // namespace vm
