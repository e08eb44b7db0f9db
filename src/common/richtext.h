#pragma once

#include "common/status.h"

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace vm {

// Rich text in Rich Text Format, the format of the description files
// (DESC-<timestamp>.txt). The writer produces 7-bit ASCII RTF with code page
// 1252 that WordPad, LibreOffice and Word open; the reader takes what those
// editors write: paragraphs, alignment, bold, italic, underline, font, size
// and colour. Everything else (pictures, tables, styles) is read as its text
// or skipped.

// The document as RTF; an empty document gives one empty paragraph.
QByteArray writeRtf(const QTextDocument& doc);

// Replaces the content of doc with the RTF in data. Damaged or truncated
// input is read as far as it goes and never fails.
void readRtf(const QByteArray& data, QTextDocument& doc);

// True when data starts with "{\rtf", after optional whitespace or a UTF-8
// byte order mark.
bool looksLikeRtf(const QByteArray& data);

// Reads a description file into doc. RTF is parsed; any other content is
// taken as plain Windows-1252 text. A file that cannot be read leaves doc
// unchanged and gives a failure.
Status loadDescription(const QString& path, QTextDocument& doc);

// Writes doc as RTF; the previous file stays complete when writing fails.
Status saveDescription(const QString& path, const QTextDocument& doc);

} // namespace vm
