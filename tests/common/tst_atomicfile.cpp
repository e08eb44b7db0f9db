#include "common/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "support/testfiles.h"

using vm::test::readBytes;
using vm::test::writeBytes;

using namespace Qt::StringLiterals;

namespace {

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Data files hold CR LF, bare LF, NUL and high bytes; none may be translated.
const QByteArray kBinary("a\r\nb\nc\rd\0\xE4\x80\xFF", 12);

} // namespace

class TestAtomicFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writes_data();
    void writes();
    void failedWriterKeepsOldFile_data();
    void failedWriterKeepsOldFile();
    void writeFailures_data();
    void writeFailures();
    void readsWholeFile_data();
    void readsWholeFile();
    void readFailures_data();
    void readFailures();
};

void TestAtomicFile::writes_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("old");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("create") << false << QByteArray() << kBinary;
    QTest::newRow("create empty") << false << QByteArray() << QByteArray();
    QTest::newRow("replace longer by shorter") << true << QByteArray(5000, 'x') << "neu"_ba;
    QTest::newRow("replace by empty") << true << "alt"_ba << QByteArray();
    QTest::newRow("replace by binary") << true << "alt"_ba << kBinary;
}

void TestAtomicFile::writes()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, old);
    QFETCH(QByteArray, content);

    for (const bool useWriter : {false, true}) {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(u"Bahn.txt"_s);
        if (exists) {
            writeBytes(path, old);
        }

        vm::Status status = vm::Status::success();
        if (useWriter) {
            // Two writes, to show the pieces end up in one file.
            status = vm::writeFileAtomically(path, [&content](QIODevice& device) {
                const QByteArray first = content.left(content.size() / 2);
                const QByteArray rest = content.mid(first.size());
                return device.write(first) == first.size() && device.write(rest) == rest.size();
            });
        } else {
            status = vm::writeFileAtomically(path, content);
        }
        QVERIFY2(status.ok(), qPrintable(status.message()));
        QCOMPARE(readBytes(path), content);
        QCOMPARE(entriesOf(dir.path()), QStringList{u"Bahn.txt"_s});
    }
}

void TestAtomicFile::failedWriterKeepsOldFile_data()
{
    QTest::addColumn<bool>("exists");

    QTest::newRow("old file") << true;
    QTest::newRow("no old file") << false;
}

void TestAtomicFile::failedWriterKeepsOldFile()
{
    QFETCH(bool, exists);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Bahn.txt"_s);
    if (exists) {
        writeBytes(path, kBinary);
    }

    const vm::Status status = vm::writeFileAtomically(path, [](QIODevice& device) {
        device.write("halb geschrieben");
        return false;
    });

    QVERIFY(!status.ok());
    QVERIFY2(status.message().contains(QDir::toNativeSeparators(path)),
             qPrintable(status.message()));
    if (exists) {
        QCOMPARE(readBytes(path), kBinary);
        QCOMPARE(entriesOf(dir.path()), QStringList{u"Bahn.txt"_s});
    } else {
        QVERIFY(!QFile::exists(path));
        QCOMPARE(entriesOf(dir.path()), QStringList());
    }
}

void TestAtomicFile::writeFailures_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<bool>("useWriter");

    QTest::newRow("missing folder") << u"fehlt/Bahn.txt"_s << false;
    QTest::newRow("missing folder, writer") << u"fehlt/Bahn.txt"_s << true;
    QTest::newRow("target is a folder") << u"ordner"_s << false;
    QTest::newRow("target is a folder, writer") << u"ordner"_s << true;
}

void TestAtomicFile::writeFailures()
{
    QFETCH(QString, relativePath);
    QFETCH(bool, useWriter);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(u"ordner"_s));
    const QString path = dir.filePath(relativePath);

    bool writerCalled = false;
    const vm::Status status = useWriter
                                  ? vm::writeFileAtomically(path,
                                                            [&writerCalled](QIODevice& device) {
                                                                writerCalled = true;
                                                                return device.write("x") == 1;
                                                            })
                                  : vm::writeFileAtomically(path, "x"_ba);

    QVERIFY(!status.ok());
    QVERIFY(!writerCalled);
    QVERIFY2(status.message().contains(u"konnte nicht geschrieben werden"_s),
             qPrintable(status.message()));
    QVERIFY2(status.message().contains(QDir::toNativeSeparators(path)),
             qPrintable(status.message()));
    QVERIFY(!QDir(dir.filePath(u"fehlt"_s)).exists());
    QVERIFY(QFileInfo(dir.filePath(u"ordner"_s)).isDir());
    QCOMPARE(entriesOf(dir.path()), QStringList{u"ordner"_s});
    QCOMPARE(entriesOf(dir.filePath(u"ordner"_s)), QStringList());
}

void TestAtomicFile::readsWholeFile_data()
{
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("binary") << kBinary;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("large") << QByteArray(1 << 20, '\x9D');
}

void TestAtomicFile::readsWholeFile()
{
    QFETCH(QByteArray, content);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Bahn.txt"_s);
    writeBytes(path, content);

    QByteArray read("vorher");
    const vm::Status status = vm::readWholeFile(path, read);
    QVERIFY2(status.ok(), qPrintable(status.message()));
    QCOMPARE(read, content);
}

void TestAtomicFile::readFailures_data()
{
    QTest::addColumn<QString>("relativePath");

    QTest::newRow("missing file") << u"fehlt.txt"_s;
    QTest::newRow("missing folder") << u"fehlt/Bahn.txt"_s;
    // Tests run as root, so a folder stands in for a file that cannot be read.
    QTest::newRow("folder") << u"ordner"_s;
}

void TestAtomicFile::readFailures()
{
    QFETCH(QString, relativePath);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(u"ordner"_s));
    const QString path = dir.filePath(relativePath);

    QByteArray content;
    const vm::Status status = vm::readWholeFile(path, content);
    QVERIFY(!status.ok());
    QVERIFY2(status.message().contains(u"konnte nicht gelesen werden"_s),
             qPrintable(status.message()));
    QVERIFY2(status.message().contains(QDir::toNativeSeparators(path)),
             qPrintable(status.message()));
    QVERIFY(content.isEmpty());
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
