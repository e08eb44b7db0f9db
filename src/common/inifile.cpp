#include "common/inifile.h"

#include "common/atomicfile.h"
#include "common/textlines.h"
#include "common/win1252.h"

#include <QFileInfo>

namespace vm {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimBlanks(QStringView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && isBlank(s[b])) {
        ++b;
    }
    while (e > b && isBlank(s[e - 1])) {
        --e;
    }
    return s.sliced(b, e - b);
}

// The name of a "[section]" line, or a null view for other lines.
QStringView sectionName(QStringView line)
{
    const QStringView t = trimBlanks(line);
    if (!t.startsWith(u'[')) {
        return {};
    }
    const qsizetype close = t.indexOf(u']');
    const QStringView name = close < 0 ? t.sliced(1) : t.sliced(1, close - 1);
    return name.isNull() ? QStringView(u"") : trimBlanks(name);
}

bool isComment(QStringView line)
{
    const QStringView t = trimBlanks(line);
    return t.startsWith(u';');
}

// The key of a "key=value" line, or a null view for other lines.
QStringView keyOf(QStringView line)
{
    if (isComment(line)) {
        return {};
    }
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) {
        return {};
    }
    const QStringView key = trimBlanks(line.left(eq));
    return key.isNull() ? QStringView(u"") : key;
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A value ends at a line break. It also ends at a NUL: reading the file stops
// at a NUL, so one written into a value would lose every line after it.
QString singleLine(const QString& value)
{
    qsizetype end = value.size();
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\r' || value[i] == u'\n' || value[i] == u'\0') {
            end = i;
            break;
        }
    }
    return value.left(end);
}

} // namespace

IniFile::IniFile(const QString& path)
    : m_path(path)
{}

Status IniFile::load()
{
    m_lines.clear();
    if (!QFileInfo::exists(m_path)) {
        return Status::success();
    }
    QByteArray bytes;
    const Status status = readWholeFile(m_path, bytes);
    if (!status) {
        return status;
    }
    m_lines = splitLines(decodeWindows1252(bytes));
    return Status::success();
}

Status IniFile::save() const
{
    QByteArray bytes;
    for (const QString& line : m_lines) {
        appendWindows1252(bytes, line);
        bytes.append("\r\n", 2);
    }
    return writeFileAtomically(m_path, bytes);
}

void IniFile::setText(const QString& text)
{
    m_lines = splitLines(text);
}

QString IniFile::text() const
{
    QString text;
    for (const QString& line : m_lines) {
        text += line;
        text += u"\r\n";
    }
    return text;
}

IniFile::Span IniFile::findSection(const QString& section) const
{
    Span span;
    for (int i = 0; i < m_lines.size(); ++i) {
        const QStringView name = sectionName(m_lines[i]);
        if (name.isNull()) {
            continue;
        }
        if (span.header >= 0) {
            span.end = i;
            return span;
        }
        if (sameName(name, section)) {
            span.header = i;
        }
    }
    if (span.header >= 0) {
        span.end = int(m_lines.size());
    }
    return span;
}

int IniFile::findKey(const Span& span, const QString& key) const
{
    if (span.header < 0) {
        return -1;
    }
    for (int i = span.header + 1; i < span.end; ++i) {
        const QStringView k = keyOf(m_lines[i]);
        if (!k.isNull() && sameName(k, key)) {
            return i;
        }
    }
    return -1;
}

QString IniFile::value(const QString& section, const QString& key, const QString& defaultValue,
                       int maxLength) const
{
    const int line = findKey(findSection(section), key);
    if (line < 0) {
        return defaultValue;
    }
    const QString& text = m_lines[line];
    QStringView v = trimBlanks(QStringView(text).sliced(text.indexOf(u'=') + 1));
    if (v.size() >= 2 &&
        ((v.front() == u'"' && v.back() == u'"') || (v.front() == u'\'' && v.back() == u'\''))) {
        v = v.sliced(1, v.size() - 2);
    }
    return v.left(maxLength).toString();
}

int IniFile::intValue(const QString& section, const QString& key, int defaultValue) const
{
    bool ok = false;
    const int v = value(section, key).toInt(&ok);
    return ok ? v : defaultValue;
}

bool IniFile::contains(const QString& section, const QString& key) const
{
    return findKey(findSection(section), key) >= 0;
}

bool IniFile::hasSection(const QString& section) const
{
    return findSection(section).header >= 0;
}

QStringList IniFile::sections() const
{
    QStringList names;
    for (const QString& line : m_lines) {
        const QStringView name = sectionName(line);
        if (!name.isNull()) {
            names.append(name.toString());
        }
    }
    return names;
}

QStringList IniFile::keys(const QString& section) const
{
    QStringList names;
    const Span span = findSection(section);
    for (int i = span.header + 1; span.header >= 0 && i < span.end; ++i) {
        const QStringView k = keyOf(m_lines[i]);
        if (!k.isNull()) {
            names.append(k.toString());
        }
    }
    return names;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString entry = key + u'=' + singleLine(value);
    Span span = findSection(section);
    if (span.header < 0) {
        m_lines.append(u'[' + section + u']');
        m_lines.append(entry);
        return;
    }
    const int line = findKey(span, key);
    if (line >= 0) {
        // Keep the key as the file spells it.
        const QString& old = m_lines[line];
        m_lines[line] = old.left(old.indexOf(u'=')).trimmed() + u'=' + singleLine(value);
        return;
    }
    int insertAt = span.end;
    while (insertAt > span.header + 1 && trimBlanks(m_lines[insertAt - 1]).isEmpty()) {
        --insertAt;
    }
    m_lines.insert(insertAt, entry);
}

void IniFile::removeKey(const QString& section, const QString& key)
{
    const int line = findKey(findSection(section), key);
    if (line >= 0) {
        m_lines.removeAt(line);
    }
}

void IniFile::removeSection(const QString& section)
{
    const Span span = findSection(section);
    if (span.header >= 0) {
        m_lines.remove(span.header, span.end - span.header);
    }
}

} // namespace vm
