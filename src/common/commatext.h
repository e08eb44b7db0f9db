#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace vm {

// Comma text: items separated by commas or blanks. Used for Attach cells,
// catalogue lines, command lists, column flags and column widths.
//
// Reading: characters with codes 1 to 32 between items are skipped; an item
// that starts with a double quote runs to the next double quote that is not
// doubled (a doubled one stands for one double quote); any other item runs up
// to the next comma or character with code 32 or below. A comma that is the
// last character of the text adds one empty item. A NUL ends the text.
QStringList readCommaText(QStringView text);

// Writing: items joined by commas; an item that holds a character with code 32
// or below, a comma or a double quote is enclosed in double quotes with inner
// double quotes doubled. A list of one empty item is written as "".
QString writeCommaText(const QStringList& items);

// One item as it is written in comma text, quoted where needed.
QString quoteCommaItem(const QString& item);

} // namespace vm
