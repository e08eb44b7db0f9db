#pragma once

#include "common/status.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

namespace vm {

// Writes a file through a temporary file beside it that is renamed over the
// target only when everything was written. A crash, a kill or a full disk in
// between leaves the previous file complete. Missing folders are not created.
Status writeFileAtomically(const QString& path, const QByteArray& content);

// The same, with the content produced by writer; when writer returns false,
// or any write fails, the target stays as it was.
Status writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& writer);

// Reads a whole file; a file that cannot be opened or read gives a failure
// whose message names the file and carries the system's error text.
Status readWholeFile(const QString& path, QByteArray& content);

} // namespace vm
