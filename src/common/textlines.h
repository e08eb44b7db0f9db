#pragma once

#include <QList>
#include <QStringList>
#include <QStringView>

namespace vm {

// Splits text into lines the way all data files are read: CR, LF or CR LF end
// a line, a NUL character ends the content, and a last line without a line
// end counts as a line. Empty text has no lines.
QStringList splitLines(QStringView text);

// The same, returning views into text (no copies), for the hot list reader.
QList<QStringView> splitLineViews(QStringView text);

} // namespace vm
