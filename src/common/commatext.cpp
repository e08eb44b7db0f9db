#include "common/commatext.h"

namespace vm {

namespace {

bool isBlankOrControl(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

} // namespace

QStringList readCommaText(QStringView text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0) {
        text = text.left(nul);
    }
    QStringList items;
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && isBlankOrControl(text[i])) {
            ++i;
        }
    };

    skipBlanks();
    while (i < n) {
        QString item;
        if (text[i] == u'"') {
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        item.append(u'"');
                        i += 2;
                        continue;
                    }
                    ++i; // closing quote
                    break;
                }
                item.append(text[i]);
                ++i;
            }
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != u',' && text[i].unicode() > 32) {
                ++i;
            }
            item = text.sliced(start, i - start).toString();
        }
        items.append(item);

        skipBlanks();
        if (i < n && text[i] == u',') {
            if (i == n - 1) {
                items.append(QString());
            }
            ++i;
            skipBlanks();
        }
    }
    return items;
}

QString quoteCommaItem(const QString& item)
{
    bool needsQuotes = false;
    for (QChar c : item) {
        if (c.unicode() <= 32 || c == u',' || c == u'"') {
            needsQuotes = true;
            break;
        }
    }
    if (!needsQuotes) {
        return item;
    }
    QString quoted = item;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString writeCommaText(const QStringList& items)
{
    if (items.size() == 1 && items.first().isEmpty()) {
        return QStringLiteral("\"\"");
    }
    QString text;
    for (qsizetype k = 0; k < items.size(); ++k) {
        if (k > 0) {
            text.append(u',');
        }
        text.append(quoteCommaItem(items[k]));
    }
    return text;
}

} // namespace vm
