#include "common/textlines.h"

namespace vm {

QList<QStringView> splitLineViews(QStringView text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0) {
        text = text.left(nul);
    }
    QList<QStringView> lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' || c == u'\n') {
            lines.append(text.sliced(start, i - start));
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') {
                ++i;
            }
            start = i + 1;
        }
        ++i;
    }
    if (start < n) {
        lines.append(text.sliced(start));
    }
    return lines;
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    const QList<QStringView> views = splitLineViews(text);
    lines.reserve(views.size());
    for (QStringView v : views) {
        lines.append(v.toString());
    }
    return lines;
}

} // namespace vm
