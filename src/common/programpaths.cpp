#include "common/programpaths.h"

#include <QDir>
#include <QFileInfo>

namespace vm {

ProgramPaths ProgramPaths::fromExecutable(const QString& executablePath)
{
    ProgramPaths paths;
    const QFileInfo info(executablePath);
    paths.executablePath = info.absoluteFilePath();
    paths.programFolder = info.absolutePath();
    return paths;
}

QString ProgramPaths::dataFolder() const
{
    return QDir(programFolder).filePath(QStringLiteral("DATA"));
}

QString ProgramPaths::dataFile(const QString& name) const
{
    return QDir(dataFolder()).filePath(name);
}

QString ProgramPaths::withExtension(const QString& extension) const
{
    const QFileInfo info(executablePath);
    const QString suffix = info.suffix();
    QString base = info.fileName();
    if (!suffix.isEmpty()) {
        base.chop(suffix.size() + 1);
    }
    return QDir(programFolder).filePath(base + extension);
}

QString ProgramPaths::settingsFile() const
{
    return withExtension(QStringLiteral(".INI"));
}

QString ProgramPaths::languageFile() const
{
    return withExtension(QStringLiteral(".GER"));
}

} // namespace vm
