#pragma once

#include <QDateTime>
#include <QString>

namespace vm {

// The local date and time as "YYYYMMDD-hhnnss" (15 characters), part of the
// names of the files the program makes for a record.
QString timeStamp(const QDateTime& when = QDateTime::currentDateTime());

} // namespace vm
