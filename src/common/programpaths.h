#pragma once

#include <QString>

namespace vm {

// The places the program keeps its files, all derived from the path of its
// executable: the program folder, DATA beside it, the settings file (program
// path with ".INI") and the language file (".GER").
struct ProgramPaths {
    QString programFolder;
    QString executablePath;

    static ProgramPaths fromExecutable(const QString& executablePath);

    QString dataFolder() const;
    QString dataFile(const QString& name) const;
    QString settingsFile() const;
    QString languageFile() const;
    // The program path with its extension replaced (or added), e.g. ".plk".
    QString withExtension(const QString& extension) const;
};

} // namespace vm
