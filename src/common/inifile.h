#pragma once

#include "common/status.h"

#include <QString>
#include <QStringList>

namespace vm {

// An INI file in Windows-1252 as the program keeps its settings, language,
// record settings and search profiles: "[section]" lines open a section, each
// entry is one "key=value" line. Sections and keys are found without regard to
// letter case. Entries are updated in place, new entries go to the end of
// their section and new sections to the end of the file; lines the program
// does not touch keep their text.
class IniFile {
public:
    static constexpr int kMaxValueLength = 2047;

    explicit IniFile(const QString& path = QString());

    const QString& path() const { return m_path; }

    // Reads the file. A missing file is an empty INI file and no error; a file
    // that exists but cannot be read gives a failure and leaves the content
    // empty.
    Status load();
    // Writes the whole file atomically with CR LF line ends.
    Status save() const;

    void setText(const QString& text);
    QString text() const;

    // The value of key in section: blanks around it dropped, one pair of double
    // or single quotes enclosing the whole value removed, at most maxLength
    // characters; defaultValue when the key does not exist.
    QString value(const QString& section, const QString& key,
                  const QString& defaultValue = QString(), int maxLength = kMaxValueLength) const;
    int intValue(const QString& section, const QString& key, int defaultValue) const;
    bool contains(const QString& section, const QString& key) const;

    bool hasSection(const QString& section) const;
    QStringList sections() const;
    QStringList keys(const QString& section) const;

    // A value is one line: a text with a line break is cut at it.
    void setValue(const QString& section, const QString& key, const QString& value);
    void removeKey(const QString& section, const QString& key);
    void removeSection(const QString& section);

private:
    struct Span {
        int header = -1; // line of "[section]"
        int end = -1;    // one past the last line of the section
    };
    Span findSection(const QString& section) const;
    int findKey(const Span& span, const QString& key) const;

    QString m_path;
    QStringList m_lines;
};

} // namespace vm
