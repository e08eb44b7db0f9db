#include "digital/sevensegmentdigit.h"

#include <QImage>
#include <QTest>

using vm::SevenSegmentDigit;

namespace {

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 128 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

bool isBlack(QRgb pixel)
{
    return qRed(pixel) == 0 && qGreen(pixel) == 0 && qBlue(pixel) == 0;
}

QImage render(SevenSegmentDigit& digit)
{
    return digit.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int redPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += isRed(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

} // namespace

class TestSevenSegment : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void valueAndLitState();
    void drawsDigits_data();
    void drawsDigits();
    void blankDigitIsBlack();
};

void TestSevenSegment::valueAndLitState()
{
    SevenSegmentDigit digit;
    QCOMPARE(digit.sizeHint(), QSize(18, 30));
    QCOMPARE(digit.value(), 0);
    QVERIFY(digit.isLit());

    digit.setValue(7);
    QCOMPARE(digit.value(), 7);
    digit.setValue(10);
    digit.setValue(-1);
    QCOMPARE(digit.value(), 7);

    digit.setLit(false);
    QVERIFY(!digit.isLit());
    QCOMPARE(digit.value(), 7);
}

void TestSevenSegment::drawsDigits_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("middleLit");

    for (int value = 0; value <= 9; ++value) {
        const bool middle = value != 0 && value != 1 && value != 7;
        QTest::addRow("%d", value) << value << middle;
    }
}

// Every digit draws red segments, none more than an 8, and the middle bar sits
// in the centre of the widget.
void TestSevenSegment::drawsDigits()
{
    QFETCH(int, value);
    QFETCH(bool, middleLit);

    SevenSegmentDigit digit;
    digit.resize(36, 60);
    digit.setValue(8);
    const int eight = redPixels(render(digit));

    digit.setValue(value);
    const QImage image = render(digit);
    const int red = redPixels(image);
    QVERIFY(red > 0);
    if (value == 8) {
        QCOMPARE(red, eight);
    } else {
        QVERIFY2(red < eight, qPrintable(QStringLiteral("%1 < %2").arg(red).arg(eight)));
    }
    QCOMPARE(isRed(image.pixel(18, 30)), middleLit);
    QVERIFY(isBlack(image.pixel(0, 0)));
}

void TestSevenSegment::blankDigitIsBlack()
{
    SevenSegmentDigit digit;
    digit.resize(digit.sizeHint());
    digit.setValue(8);
    QVERIFY(redPixels(render(digit)) > 0);

    digit.setLit(false);
    const QImage image = render(digit);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QVERIFY(isBlack(image.pixel(x, y)));
        }
    }
}

QTEST_MAIN(TestSevenSegment)
#include "tst_sevensegment.moc"
