#include "digital/decoder.h"
#include "digital/functions.h"

#include <QTest>

using namespace Qt::StringLiterals;
using vm::CellAddress;
using vm::DecoderClass;

Q_DECLARE_METATYPE(DecoderClass)
Q_DECLARE_METATYPE(CellAddress::Kind)

namespace {

// The address display as text: a digit for each lit position, "_" for a
// blank one; "hidden" or "unchanged" otherwise.
QString displayText(const std::optional<vm::AddressDisplay>& display)
{
    if (!display) {
        return u"unchanged"_s;
    }
    if (!display->visible) {
        return u"hidden"_s;
    }
    QString text;
    for (int i = 0; i < 5; ++i) {
        text += display->lit[i] ? QString::number(display->digits[i]) : u"_"_s;
    }
    return text;
}

} // namespace

class TestDigital : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decoderClass_data();
    void decoderClass();
    void addressChoicesForDelta();
    void addressChoicesForOtherDecoders_data();
    void addressChoicesForOtherDecoders();
    void typingAnAddress_data();
    void typingAnAddress();
    void addressInput_data();
    void addressInput();
    void addressDisplay_data();
    void addressDisplay();
    void convertCvAddress_data();
    void convertCvAddress();
    void addressFromCell_data();
    void addressFromCell();
    void lightSymbols_data();
    void lightSymbols();
    void lightOnAccessoryList();
    void automaticLightText_data();
    void automaticLightText();
    void switchedLightSymbol_data();
    void switchedLightSymbol();
    void addFunctionNames_data();
    void addFunctionNames();
    void functionSettingKey_data();
    void functionSettingKey();
};

void TestDigital::decoderClass_data()
{
    QTest::addColumn<QString>("decoder");
    QTest::addColumn<bool>("accessoryList");
    QTest::addColumn<DecoderClass>("expected");
    QTest::addColumn<bool>("digitalFields");

    QTest::newRow("empty") << QString() << false << DecoderClass::None << false;
    QTest::newRow("blanks only") << u"   "_s << false << DecoderClass::None << false;
    QTest::newRow("direct current")
        << u"Gleichstrom"_s << false << DecoderClass::DirectCurrent << false;
    QTest::newRow("alternating current")
        << u"Wechselstrom"_s << false << DecoderClass::AlternatingCurrent << false;
    QTest::newRow("blanks around are dropped")
        << u" Wechselstrom "_s << false << DecoderClass::AlternatingCurrent << false;
    QTest::newRow("lower case is a digital decoder")
        << u"wechselstrom"_s << false << DecoderClass::OtherDigital << true;
    QTest::newRow("upper case is a digital decoder")
        << u"GLEICHSTROM"_s << false << DecoderClass::OtherDigital << true;
    QTest::newRow("delta") << u"Delta"_s << false << DecoderClass::Delta << true;
    QTest::newRow("delta in any case inside a text")
        << u"Digital dElTa 4"_s << false << DecoderClass::Delta << true;
    QTest::newRow("other digital") << u"DCC"_s << false << DecoderClass::OtherDigital << true;
    QTest::newRow("accessory list digital") << u"DCC"_s << true << DecoderClass::None << false;
    QTest::newRow("accessory list delta") << u"Delta"_s << true << DecoderClass::None << false;
    QTest::newRow("accessory list alternating current")
        << u"Wechselstrom"_s << true << DecoderClass::None << false;
}

void TestDigital::decoderClass()
{
    QFETCH(QString, decoder);
    QFETCH(bool, accessoryList);
    QFETCH(DecoderClass, expected);
    QFETCH(bool, digitalFields);

    const DecoderClass actual = vm::decoderClass(decoder, accessoryList);
    QCOMPARE(actual, expected);
    QCOMPARE(vm::hasDigitalFields(actual), digitalFields);
}

void TestDigital::addressChoicesForDelta()
{
    const QStringList expected{u" "_s,  u"02"_s, u"06"_s, u"08"_s, u"18"_s, u"20"_s,
                               u"24"_s, u"26"_s, u"54"_s, u"56"_s, u"60"_s, u"62"_s,
                               u"72"_s, u"74"_s, u"78"_s, u"80"_s};
    QCOMPARE(vm::addressChoices(u"Delta"_s), expected);
    QCOMPARE(vm::addressChoices(u"mein delta-Decoder"_s), expected);
}

void TestDigital::addressChoicesForOtherDecoders_data()
{
    QTest::addColumn<QString>("decoder");

    QTest::newRow("digital") << u"DCC"_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("alternating current") << u"Wechselstrom"_s;
}

void TestDigital::addressChoicesForOtherDecoders()
{
    QFETCH(QString, decoder);

    const QStringList choices = vm::addressChoices(decoder);
    QCOMPARE(choices.size(), 256);
    QCOMPARE(choices.at(0), u" "_s);
    QCOMPARE(choices.at(1), u"01"_s);
    QCOMPARE(choices.at(9), u"09"_s);
    QCOMPARE(choices.at(10), u"10"_s);
    QCOMPARE(choices.at(99), u"99"_s);
    QCOMPARE(choices.at(100), u"100"_s);
    QCOMPARE(choices.last(), u"255"_s);
}

void TestDigital::typingAnAddress_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("beeps");

    QTest::newRow("highest address") << u"10239"_s << u"10239"_s << 0;
    QTest::newRow("one above the highest") << u"10240"_s << u"1024"_s << 1;
    QTest::newRow("five nines") << u"99999"_s << u"9999"_s << 1;
    QTest::newRow("zero into empty box") << u"0"_s << QString() << 1;
    QTest::newRow("letter after digit") << u"1x"_s << u"1"_s << 1;
    QTest::newRow("letter then digits") << u"x12"_s << u"12"_s << 2;
    QTest::newRow("minus sign") << u"-"_s << QString() << 2;
    QTest::newRow("leading zero is refused") << u"05"_s << u"5"_s << 1;
}

// Each typed character is added to the box text and the box then shows the
// corrected text, as in the editor.
void TestDigital::typingAnAddress()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(int, beeps);

    QString text;
    int totalBeeps = 0;
    for (QChar c : typed) {
        const vm::AddressInput input = vm::checkAddressInput(text + c);
        text = input.text;
        totalBeeps += input.beeps;
    }
    QCOMPARE(text, expected);
    QCOMPARE(totalBeeps, beeps);
}

void TestDigital::addressInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<bool>("updateState");

    QTest::newRow("valid") << u"78"_s << u"78"_s << 0 << true;
    QTest::newRow("leading blanks and sign") << u" +42"_s << u" +42"_s << 0 << true;
    QTest::newRow("box emptied") << QString() << QString() << 2 << false;
    QTest::newRow("blank picked") << u" "_s << QString() << 2 << false;
    QTest::newRow("trailing blank") << u"42 "_s << u"42"_s << 1 << false;
    QTest::newRow("too high") << u"10240"_s << u"1024"_s << 1 << true;
    QTest::newRow("too high after a letter") << u"10240x"_s << u"1024"_s << 2 << false;
    QTest::newRow("zero") << u"0"_s << QString() << 1 << true;
    QTest::newRow("negative") << u"-5"_s << QString() << 1 << true;
    QTest::newRow("pasted number beyond int") << u"99999999999"_s << QString() << 2 << false;
}

void TestDigital::addressInput()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(int, beeps);
    QFETCH(bool, updateState);

    const vm::AddressInput input = vm::checkAddressInput(text);
    QCOMPARE(input.text, expected);
    QCOMPARE(input.beeps, beeps);
    QCOMPARE(input.updateState, updateState);
}

void TestDigital::addressDisplay_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("accessoryList");
    QTest::addColumn<QString>("expected");

    QTest::newRow("1") << u"1"_s << false << u"___01"_s;
    QTest::newRow("01") << u"01"_s << false << u"___01"_s;
    QTest::newRow("7") << u"7"_s << false << u"___07"_s;
    QTest::newRow("78") << u"78"_s << false << u"___78"_s;
    QTest::newRow("100") << u"100"_s << false << u"__100"_s;
    QTest::newRow("255") << u"255"_s << false << u"__255"_s;
    QTest::newRow("999") << u"999"_s << false << u"__999"_s;
    QTest::newRow("1000") << u"1000"_s << false << u"_1000"_s;
    QTest::newRow("9999") << u"9999"_s << false << u"_9999"_s;
    QTest::newRow("10000") << u"10000"_s << false << u"10000"_s;
    QTest::newRow("10239") << u"10239"_s << false << u"10239"_s;
    QTest::newRow("zero") << u"0"_s << false << u"___00"_s;
    QTest::newRow("above five digits") << u"123456"_s << false << u"23456"_s;
    QTest::newRow("blanks around") << u" 78 "_s << false << u"___78"_s;
    QTest::newRow("empty") << QString() << false << u"hidden"_s;
    QTest::newRow("blanks only") << u"  "_s << false << u"hidden"_s;
    QTest::newRow("accessory list") << u"78"_s << true << u"hidden"_s;
    QTest::newRow("accessory list, no number") << u"abc"_s << true << u"hidden"_s;
    QTest::newRow("negative") << u"-5"_s << false << u"hidden"_s;
    QTest::newRow("no number") << u"abc"_s << false << u"unchanged"_s;
    QTest::newRow("digits and letter") << u"12a"_s << false << u"unchanged"_s;
    QTest::newRow("CV values") << u"1-195-232"_s << false << u"unchanged"_s;
}

void TestDigital::addressDisplay()
{
    QFETCH(QString, address);
    QFETCH(bool, accessoryList);
    QFETCH(QString, expected);

    QCOMPARE(displayText(vm::addressDisplay(address, accessoryList)), expected);
}

void TestDigital::convertCvAddress_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<CellAddress::Kind>("kind");
    QTest::addColumn<QString>("address");

    using Kind = CellAddress::Kind;
    QTest::newRow("3-192-3") << u"3-192-3"_s << Kind::Converted << u"3"_s;
    QTest::newRow("1-195-232") << u"1-195-232"_s << Kind::Converted << u"1000"_s;
    QTest::newRow("first part ignored") << u"2-195-232"_s << Kind::Converted << u"1000"_s;
    QTest::newRow("0-200-16") << u"0-200-16"_s << Kind::Converted << u"2064"_s;
    QTest::newRow("5-193-0") << u"5-193-0"_s << Kind::Converted << u"256"_s;
    QTest::newRow("9-231-255") << u"9-231-255"_s << Kind::Converted << u"10239"_s;
    QTest::newRow("commas") << u"1,195,232"_s << Kind::Converted << u"1000"_s;
    QTest::newRow("blanks") << u"1 195 232"_s << Kind::Converted << u"1000"_s;
    QTest::newRow("address zero") << u"3-192-0"_s << Kind::Failed << QString();
    QTest::newRow("negative address") << u"3-100-5"_s << Kind::Failed << QString();
    QTest::newRow("no number") << u"3-x-5"_s << Kind::Failed << QString();
    QTest::newRow("CV18 no number") << u"3-195-y"_s << Kind::Failed << QString();
    QTest::newRow("CV17 beyond int") << u"3-99999999999-5"_s << Kind::Failed << QString();
    QTest::newRow("one part") << u"78"_s << Kind::Plain << u"78"_s;
    QTest::newRow("two parts") << u"12-34"_s << Kind::Plain << u"12"_s;
    QTest::newRow("four parts") << u"1-192-3-4"_s << Kind::Plain << u"1"_s;
    QTest::newRow("empty") << QString() << Kind::Plain << QString();
    QTest::newRow("blanks only kept") << u"  "_s << Kind::Plain << u"  "_s;
}

void TestDigital::convertCvAddress()
{
    QFETCH(QString, cell);
    QFETCH(CellAddress::Kind, kind);
    QFETCH(QString, address);

    const CellAddress result = vm::convertCvAddress(cell);
    QCOMPARE(result.kind, kind);
    QCOMPARE(result.address, address);
}

void TestDigital::addressFromCell_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<CellAddress::Kind>("kind");
    QTest::addColumn<QString>("address");

    using Kind = CellAddress::Kind;
    QTest::newRow("plain") << u"78"_s << Kind::Plain << u"78"_s;
    QTest::newRow("up to blank") << u"78 Lok"_s << Kind::Plain << u"78"_s;
    QTest::newRow("up to comma") << u"78,5"_s << Kind::Plain << u"78"_s;
    QTest::newRow("up to minus") << u"12-34"_s << Kind::Plain << u"12"_s;
    QTest::newRow("leading blanks") << u"  78"_s << Kind::Plain << u"78"_s;
    QTest::newRow("four parts") << u"1-192-3-4"_s << Kind::Plain << u"1"_s;
    QTest::newRow("empty") << QString() << Kind::Plain << QString();
    QTest::newRow("CV values") << u"1-195-232"_s << Kind::Converted << u"1000"_s;
    QTest::newRow("bad CV values") << u"3-192-0"_s << Kind::Failed << QString();
}

void TestDigital::addressFromCell()
{
    QFETCH(QString, cell);
    QFETCH(CellAddress::Kind, kind);
    QFETCH(QString, address);

    const CellAddress result = vm::addressFromCell(cell);
    QCOMPARE(result.kind, kind);
    QCOMPARE(result.address, address);
}

void TestDigital::lightSymbols_data()
{
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<int>("pictogram");
    QTest::addColumn<bool>("switchable");
    QTest::addColumn<QString>("automaticText");

    QTest::newRow("none") << QString() << -1 << false << QString();
    QTest::newRow(">") << u">"_s << 0 << false << u">"_s;
    QTest::newRow("<") << u"<"_s << 1 << false << u"<"_s;
    QTest::newRow("<>") << u"<>"_s << 2 << false << u"<>"_s;
    QTest::newRow("<w>") << u"<w>"_s << 3 << false << u"<w>"_s;
    QTest::newRow("F>") << u"F>"_s << 4 << true << u" Licht >"_s;
    QTest::newRow("F<") << u"F<"_s << 5 << true << u" Licht <"_s;
    QTest::newRow("F<>") << u"F<>"_s << 6 << true << u" Licht <>"_s;
    QTest::newRow("F<w>") << u"F<w>"_s << 7 << true << u" Licht <w>"_s;
    QTest::newRow("[--]") << u"[--]"_s << 8 << false << u"[--]"_s;
    QTest::newRow("F[--]") << u"F[--]"_s << 9 << true << u" Licht [--]"_s;
    QTest::newRow("unknown symbol") << u"?"_s << -1 << false << u"?"_s;
    QTest::newRow("small f is fixed") << u"f>"_s << -1 << false << u"f>"_s;
}

void TestDigital::lightSymbols()
{
    QFETCH(QString, symbol);
    QFETCH(int, pictogram);
    QFETCH(bool, switchable);
    QFETCH(QString, automaticText);

    QCOMPARE(vm::lightPictogram(symbol, false), pictogram);
    QCOMPARE(vm::isSwitchableLight(symbol), switchable);
    QCOMPARE(vm::automaticLightText(symbol), automaticText);
    if (switchable) {
        QVERIFY(vm::isAutomaticLightText(vm::automaticLightText(symbol)));
    }
}

void TestDigital::lightOnAccessoryList()
{
    for (const QString& symbol : vm::lightSymbols()) {
        QCOMPARE(vm::lightPictogram(symbol, true), -1);
    }
    QCOMPARE(vm::lightSymbols().size(), 11);
}

void TestDigital::automaticLightText_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("automatic");

    QTest::newRow("automatic") << u" Licht >"_s << true;
    QTest::newRow("inside a text") << u"Fern Licht an"_s << true;
    QTest::newRow("word alone") << u"Licht"_s << false;
    QTest::newRow("no blank in front") << u"Licht >"_s << false;
    QTest::newRow("no blank after") << u" Licht"_s << false;
    QTest::newRow("other case") << u" licht >"_s << false;
    QTest::newRow("empty") << QString() << false;
}

void TestDigital::automaticLightText()
{
    QFETCH(QString, value);
    QFETCH(bool, automatic);
    QCOMPARE(vm::isAutomaticLightText(value), automatic);
}

void TestDigital::switchedLightSymbol_data()
{
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("f0");
    QTest::addColumn<QString>("expected");

    QTest::newRow(">") << u">"_s << u"Licht"_s << u"F>"_s;
    QTest::newRow("<") << u"<"_s << u"Licht"_s << u"F<"_s;
    QTest::newRow("<>") << u"<>"_s << u"Licht"_s << u"F<>"_s;
    QTest::newRow("<w>") << u"<w>"_s << u"Licht"_s << u"F<w>"_s;
    QTest::newRow("[--]") << u"[--]"_s << u"Licht"_s << u"F[--]"_s;
    QTest::newRow("already switchable") << u"F<>"_s << u"Licht"_s << u"F<>"_s;
    QTest::newRow("no light") << QString() << u"Licht"_s << QString();
    QTest::newRow("other case") << u">"_s << u"licht"_s << u">"_s;
    QTest::newRow("blank around") << u">"_s << u" Licht"_s << u">"_s;
    QTest::newRow("other function") << u">"_s << u"Horn"_s << u">"_s;
    QTest::newRow("empty F0") << u">"_s << QString() << u">"_s;
}

void TestDigital::switchedLightSymbol()
{
    QFETCH(QString, symbol);
    QFETCH(QString, f0);
    QFETCH(QString, expected);

    const QString switched = vm::switchedLightSymbol(symbol, f0);
    QCOMPARE(switched, expected);
    QVERIFY(vm::lightSymbols().contains(switched));
}

void TestDigital::addFunctionNames_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("adds and sorts ignoring case")
        << QStringList{u"Horn"_s, u"Sound"_s} << QStringList{u"bremse"_s, u"Pfeife"_s}
        << QStringList{u"bremse"_s, u"Horn"_s, u"Pfeife"_s, u"Sound"_s};
    QTest::newRow("known name in other case")
        << QStringList{u"Sound"_s} << QStringList{u"sound"_s} << QStringList{u"Sound"_s};
    QTest::newRow("same name twice among the values")
        << QStringList() << QStringList{u"Pfeife"_s, u"PFEIFE"_s} << QStringList{u"Pfeife"_s};
    QTest::newRow("automatic light and empty values skipped")
        << QStringList{u"Horn"_s} << QStringList{u" Licht <w>"_s, QString(), u"Licht"_s}
        << QStringList{u"Horn"_s, u"Licht"_s};
    QTest::newRow("list sorted without new values")
        << QStringList{u"b"_s, u"C"_s, u"a"_s} << QStringList()
        << QStringList{u"a"_s, u"b"_s, u"C"_s};
    QTest::newRow("names equal but for case keep their order")
        << QStringList{u"horn"_s, u"Bell"_s, u"HORN"_s} << QStringList{u"Abfahrt"_s}
        << QStringList{u"Abfahrt"_s, u"Bell"_s, u"horn"_s, u"HORN"_s};
}

void TestDigital::addFunctionNames()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, values);
    QFETCH(QStringList, expected);

    QCOMPARE(vm::addFunctionNames(names, values), expected);
}

void TestDigital::functionSettingKey_data()
{
    QTest::addColumn<int>("functionKey");
    QTest::addColumn<QString>("key");

    QTest::newRow("F0") << 0 << u"Function0"_s;
    QTest::newRow("F1 has its own section") << 1 << QString();
    QTest::newRow("F4 has its own section") << 4 << QString();
    QTest::newRow("F5") << 5 << u"Function5"_s;
    QTest::newRow("F20") << 20 << u"Function20"_s;
    QTest::newRow("F21 does not exist") << 21 << QString();
    QTest::newRow("negative") << -1 << QString();
}

void TestDigital::functionSettingKey()
{
    QFETCH(int, functionKey);
    QFETCH(QString, key);
    QCOMPARE(vm::functionSettingKey(functionKey), key);
}

QTEST_GUILESS_MAIN(TestDigital)
#include "tst_digital.moc"
