#include "collection/amounts.h"

#include <QRegularExpression>

#include <cmath>

namespace vm {

namespace {

// Replaces every "yy" that is not part of a longer year pattern.
QString widenYear(QString format)
{
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(twoDigitYear, QStringLiteral("yyyy"));
    return format;
}

// "dd" -> "d" and "MM" -> "M": the parser then takes one or two digits.
QString looseDayMonth(QString format)
{
    static const QRegularExpression day(QStringLiteral("(?<!d)dd(?!d)"));
    static const QRegularExpression month(QStringLiteral("(?<!M)MM(?!M)"));
    format.replace(day, QStringLiteral("d"));
    format.replace(month, QStringLiteral("M"));
    return format;
}

bool hasTwoDigitYear(const QString& format)
{
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    return twoDigitYear.match(format).hasMatch();
}

} // namespace

std::optional<double> readAmount(const QString& cell, const QLocale& locale)
{
    QString text = cell.trimmed();
    const QString group = locale.groupSeparator();
    if (!group.isEmpty()) {
        text.remove(group);
    }
    if (text.isEmpty()) {
        return 0.0;
    }

    // Normalise to [-+]digits[.digits] before converting, so that nothing but a
    // plain number gets through (no exponent, "inf", "nan" or hex).
    QString plain;
    plain.reserve(text.size());
    bool haveSeparator = false;
    bool haveDigit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c >= u'0' && c <= u'9') {
            plain += c;
            haveDigit = true;
        } else if ((c == u'.' || c == u',') && QString(c) != group) {
            if (haveSeparator) {
                return std::nullopt;
            }
            haveSeparator = true;
            plain += u'.';
        } else if (i == 0 && (c == u'-' || c == u'+' || QString(c) == locale.negativeSign())) {
            plain += (c == u'+') ? u'+' : u'-';
        } else {
            return std::nullopt;
        }
    }
    if (!haveDigit) {
        return std::nullopt;
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

QString amountFieldText(double amount, const QLocale& locale)
{
    if (!std::isfinite(amount)) {
        return QString();
    }
    const double rounded = std::round(amount * 100.0) / 100.0;
    if (rounded == 0.0) {
        return QString();
    }
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    QString text = plain.toString(rounded, 'f', 2);
    const QString point = plain.decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(plain.zeroDigit())) {
            text.chop(plain.zeroDigit().size());
        }
        if (text.endsWith(point)) {
            text.chop(point.size());
        }
    }
    return text;
}

QString currencyText(double amount, const QLocale& locale)
{
    return locale.toCurrencyString(amount, QString(), 2);
}

QString shortDateFormat(const QLocale& locale)
{
    return widenYear(locale.dateFormat(QLocale::ShortFormat));
}

QString dateCellText(QDate date, const QLocale& locale)
{
    if (!date.isValid()) {
        return QString();
    }
    return locale.toString(date, shortDateFormat(locale));
}

QDate readDateCell(const QString& cell, const QLocale& locale)
{
    const QString text = cell.trimmed();
    if (text.isEmpty()) {
        return QDate();
    }
    const QString wide = shortDateFormat(locale);
    const QString own = locale.dateFormat(QLocale::ShortFormat);
    for (const QString& format : {wide, looseDayMonth(wide)}) {
        const QDate date = locale.toDate(text, format);
        if (date.isValid()) {
            return date;
        }
    }
    for (const QString& format : {own, looseDayMonth(own)}) {
        QDate date = locale.toDate(text, format);
        if (!date.isValid()) {
            continue;
        }
        if (hasTwoDigitYear(format)) {
            // Qt places two-digit years in the 1900s; take the latest year with
            // the same two digits that is not in the future.
            const int currentYear = QDate::currentDate().year();
            while (date.addYears(100).isValid() && date.addYears(100).year() <= currentYear) {
                date = date.addYears(100);
            }
        }
        return date;
    }
    return QDate();
}

} // namespace vm
