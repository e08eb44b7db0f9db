#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

namespace vm::test {

// The bytes of a file, or "<unreadable>" when it cannot be opened, so that a
// missing file never compares equal to an empty one.
inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "<unreadable>";
    }
    return file.readAll();
}

// Writes bytes to a file as a fixture; fails the running test when it cannot.
inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace vm::test
