#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace vm {

// Windows-1252 text. Every byte 0 to 255 decodes to exactly one character and
// encodes back to the same byte: the five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same
// value, so a file read and written back keeps all its bytes.
QString decodeWindows1252(QByteArrayView bytes);

// Characters the code page cannot hold are written as "?" (one per character,
// so a character outside the Basic Multilingual Plane also becomes one "?").
QByteArray encodeWindows1252(QStringView text);

// Appends the encoding of text to out; the building block of the file writers.
void appendWindows1252(QByteArray& out, QStringView text);

// Encodes text into dst, which has room for text.size() bytes; returns the
// number of bytes written (a surrogate pair becomes one "?").
qsizetype encodeWindows1252Into(char* dst, QStringView text);

} // namespace vm
