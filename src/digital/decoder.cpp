#include "digital/decoder.h"

#include "common/commatext.h"

#include <limits>

namespace vm {

namespace {

constexpr std::array<int, 15> kDeltaAddresses = {2,  6,  8,  18, 20, 24, 26, 54,
                                                 56, 60, 62, 72, 74, 78, 80};

bool isDelta(const QString& decoder)
{
    return decoder.toUpper().contains(u"DELTA");
}

QString withoutLastCharacter(const QString& text)
{
    return text.isEmpty() ? text : text.chopped(1);
}

} // namespace

DecoderClass decoderClass(const QString& decoder, bool accessoryList)
{
    const QString text = decoder.trimmed();
    if (accessoryList || text.isEmpty()) {
        return DecoderClass::None;
    }
    if (text == u"Gleichstrom") {
        return DecoderClass::DirectCurrent;
    }
    if (text == u"Wechselstrom") {
        return DecoderClass::AlternatingCurrent;
    }
    return isDelta(text) ? DecoderClass::Delta : DecoderClass::OtherDigital;
}

bool hasDigitalFields(DecoderClass decoderClass)
{
    return decoderClass == DecoderClass::Delta || decoderClass == DecoderClass::OtherDigital;
}

std::optional<int> readWholeNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    // Accumulate as a negative number so that the lowest int fits as well.
    constexpr qint64 lowest = std::numeric_limits<int>::min();
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 - (c - u'0');
        if (value < lowest) {
            return std::nullopt;
        }
    }
    if (!negative) {
        value = -value;
        if (value > std::numeric_limits<int>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<int>(value);
}

QStringList addressChoices(const QString& decoder)
{
    QStringList choices{QStringLiteral(" ")};
    if (isDelta(decoder)) {
        for (int address : kDeltaAddresses) {
            choices.append(QStringLiteral("%1").arg(address, 2, 10, QLatin1Char('0')));
        }
    } else {
        for (int address = 1; address <= 255; ++address) {
            choices.append(QStringLiteral("%1").arg(address, 2, 10, QLatin1Char('0')));
        }
    }
    return choices;
}

AddressInput checkAddressInput(const QString& text)
{
    AddressInput result{text, 0, false};
    int address = -1;
    if (const std::optional<int> number = readWholeNumber(result.text)) {
        address = *number;
        result.updateState = true;
    } else {
        ++result.beeps;
        result.text = withoutLastCharacter(result.text);
        address = readWholeNumber(result.text).value_or(-1);
    }
    if (address > kMaxDecoderAddress) {
        ++result.beeps;
        result.text = withoutLastCharacter(result.text);
    }
    if (address <= 0) {
        ++result.beeps;
        result.text.clear();
    }
    return result;
}

std::optional<AddressDisplay> addressDisplay(const QString& address, bool accessoryList)
{
    const QString text = address.trimmed();
    if (text.isEmpty() || accessoryList) {
        return AddressDisplay{};
    }
    const std::optional<int> number = readWholeNumber(text);
    if (!number) {
        return std::nullopt;
    }
    const int a = *number;
    // A negative number is no address; showing its digits would give values
    // a digit cannot show.
    if (a < 0) {
        return AddressDisplay{};
    }
    AddressDisplay display;
    display.visible = true;
    display.digits = {(a % 100000) / 10000, (a % 10000) / 1000, (a % 1000) / 100, (a % 100) / 10,
                      a % 10};
    display.lit = {a > 9999, a > 999, a > 99, true, true};
    return display;
}

CellAddress convertCvAddress(const QString& cell)
{
    QString text = cell;
    text.replace(u'-', u',');
    const QStringList parts = readCommaText(text);
    if (parts.isEmpty()) {
        return {CellAddress::Kind::Plain, cell};
    }
    if (parts.size() != 3) {
        return {CellAddress::Kind::Plain, parts.first()};
    }
    const std::optional<int> cv17 = readWholeNumber(parts[1]);
    const std::optional<int> cv18 = readWholeNumber(parts[2]);
    // Computed in 64 bits: large CV values must not wrap around into a
    // seemingly valid address.
    qint64 a = 0;
    if (cv17 && cv18) {
        a = (qint64(*cv17) - 192) * 256 + *cv18;
    }
    if (a >= 1) {
        return {CellAddress::Kind::Converted, QString::number(a)};
    }
    return {CellAddress::Kind::Failed, QString()};
}

CellAddress addressFromCell(const QString& cell)
{
    QString text = cell;
    text.replace(u'-', u',');
    if (readCommaText(text).size() == 3) {
        return convertCvAddress(cell);
    }
    qsizetype start = 0;
    while (start < cell.size() && cell[start] == u' ') {
        ++start;
    }
    qsizetype end = start;
    while (end < cell.size() && cell[end] != u' ' && cell[end] != u',' && cell[end] != u'-') {
        ++end;
    }
    return {CellAddress::Kind::Plain, cell.sliced(start, end - start)};
}

} // namespace vm
