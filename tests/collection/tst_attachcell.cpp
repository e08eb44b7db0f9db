#include "collection/attachcell.h"

#include <QTest>

using namespace vm;

Q_DECLARE_METATYPE(vm::AttachCell)

class TestAttachCell : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void read_data();
    void read();
    void writeThenRead_data();
    void writeThenRead();
};

void TestAttachCell::read_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<AttachCell>("expected");

    QTest::newRow("empty cell") << QString() << AttachCell{};
    QTest::newRow("description only")
        << "DESC-20240101-101010.txt," << AttachCell{"DESC-20240101-101010.txt", {}, {}};
    QTest::newRow("picture, two commas, spare part")
        << R"(DESC-1.txt,pic1.jpg,,@C:\Teile\liste.pdf)"
        << AttachCell{"DESC-1.txt", {"pic1.jpg"}, R"(C:\Teile\liste.pdf)"};
    QTest::newRow("no description, pictures in order")
        << ",b.jpg,a.jpg," << AttachCell{"", {"b.jpg", "a.jpg"}, {}};
    QTest::newRow("quoted picture with blank")
        << R"(D.txt,"Bild 1.jpg",)" << AttachCell{"D.txt", {"Bild 1.jpg"}, {}};
    QTest::newRow("last spare part counts, every @ removed")
        << "D.txt,@first.pdf,x@@y.pdf" << AttachCell{"D.txt", {}, "xy.pdf"};
    QTest::newRow("blanks between items")
        << "  D.txt ,  p.jpg " << AttachCell{"D.txt", {"p.jpg"}, {}};
}

void TestAttachCell::read()
{
    QFETCH(QString, cell);
    QFETCH(AttachCell, expected);
    const AttachCell got = readAttachCell(cell);
    QCOMPARE(got.descriptionFile, expected.descriptionFile);
    QCOMPARE(got.pictures, expected.pictures);
    QCOMPARE(got.sparePartPath, expected.sparePartPath);
}

void TestAttachCell::writeThenRead_data()
{
    QTest::addColumn<AttachCell>("attach");
    QTest::addColumn<QString>("cell");

    QTest::newRow("nothing") << AttachCell{} << ",";
    QTest::newRow("two pictures and a spare part")
        << AttachCell{"DESC-1.txt", {"a.jpg", "b.jpg"}, "/home/x/teile.pdf"}
        << "DESC-1.txt,a.jpg,b.jpg,,@/home/x/teile.pdf";
    QTest::newRow("names that need quotes")
        << AttachCell{"DESC-1.txt",
                      {"Bild 1.jpg", "a,b.jpg", "sag \"hi\".png"},
                      R"(C:\Eigene Dateien\t.pdf)"}
        << R"(DESC-1.txt,"Bild 1.jpg","a,b.jpg","sag ""hi"".png",,"@C:\Eigene Dateien\t.pdf")";
}

void TestAttachCell::writeThenRead()
{
    QFETCH(AttachCell, attach);
    QFETCH(QString, cell);
    QCOMPARE(writeAttachCell(attach), cell);
    QVERIFY(readAttachCell(cell) == attach);
}

QTEST_GUILESS_MAIN(TestAttachCell)
#include "tst_attachcell.moc"
