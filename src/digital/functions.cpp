#include "digital/functions.h"

#include <algorithm>

namespace vm {

namespace {

constexpr QStringView kLichtWord = u" Licht ";

} // namespace

QStringList lightSymbols()
{
    return {QString(),
            QStringLiteral(">"),
            QStringLiteral("<"),
            QStringLiteral("<>"),
            QStringLiteral("<w>"),
            QStringLiteral("F>"),
            QStringLiteral("F<"),
            QStringLiteral("F<>"),
            QStringLiteral("F<w>"),
            QStringLiteral("[--]"),
            QStringLiteral("F[--]")};
}

int lightPictogram(const QString& symbol, bool accessoryList)
{
    if (accessoryList || symbol.isEmpty()) {
        return -1;
    }
    const qsizetype index = lightSymbols().indexOf(symbol);
    return index < 0 ? -1 : int(index) - 1;
}

bool isSwitchableLight(const QString& symbol)
{
    return symbol.contains(u'F');
}

QString automaticLightText(const QString& symbol)
{
    QString text = symbol;
    text.replace(u'F', kLichtWord.toString());
    return text;
}

bool isAutomaticLightText(const QString& value)
{
    return value.contains(kLichtWord);
}

QString switchedLightSymbol(const QString& symbol, const QString& f0)
{
    if (f0 == u"Licht" && !symbol.isEmpty() && !isSwitchableLight(symbol)) {
        return u'F' + symbol;
    }
    return symbol;
}

QStringList addFunctionNames(QStringList names, const QStringList& values)
{
    for (const QString& value : values) {
        if (value.isEmpty() || isAutomaticLightText(value) ||
            names.contains(value, Qt::CaseInsensitive)) {
            continue;
        }
        names.append(value);
    }
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

QString functionSettingKey(int functionKey)
{
    if (functionKey == 0 || (functionKey >= 5 && functionKey <= 20)) {
        return QStringLiteral("Function%1").arg(functionKey);
    }
    return QString();
}

} // namespace vm
