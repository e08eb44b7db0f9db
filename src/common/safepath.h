#pragma once

#include <QString>
#include <optional>

namespace vm {

// True when name is a plain file name that stays inside whatever folder it is
// joined to: not empty, no "/" or "\", not "." or "..", no drive (":").
bool isPlainFileName(const QString& name);

// Joins a file name that came from a data file, a catalogue or a download to
// its folder. Names that would leave the folder give no path.
std::optional<QString> joinSafely(const QString& folder, const QString& name);

} // namespace vm
