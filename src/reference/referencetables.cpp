#include "reference/referencetables.h"

#include "common/atomicfile.h"
#include "common/textlines.h"
#include "common/win1252.h"
#include "digital/functions.h"
#include "reference/vocabularies.h"

#include <QDir>
#include <QFileInfo>

namespace vm {

Status readReferenceFile(const QString& path, QStringList& entries)
{
    QByteArray bytes;
    const Status status = readWholeFile(path, bytes);
    if (!status) {
        return status;
    }
    entries = splitLines(decodeWindows1252(bytes));
    return Status::success();
}

Status writeReferenceFile(const QString& path, const QStringList& entries)
{
    QByteArray bytes;
    for (const QString& entry : entries) {
        QString line = entry;
        line.replace(u'\r', u' ').replace(u'\n', u' ');
        appendWindows1252(bytes, line);
        bytes.append("\r\n", 2);
    }
    return writeFileAtomically(path, bytes);
}

ReferenceTables::ReferenceTables(const QString& dataFolder)
    : producers(builtInProducers())
    , railCompanies(builtInRailCompanies())
    , decoders(builtInDecoders())
    , functionNames(defaultFunctionNames())
    , m_dataFolder(dataFolder)
{}

QString ReferenceTables::filePath(const char16_t* name) const
{
    return QDir(m_dataFolder).filePath(QString::fromUtf16(name));
}

QStringList ReferenceTables::LoadReferenceTables()
{
    QStringList errors;
    auto note = [&errors](const Status& status) {
        if (!status) {
            errors.append(status.message());
        }
    };

    const QString functionsPath = filePath(kFunctionFile);
    const bool haveFunctions = QFileInfo::exists(functionsPath);
    if (haveFunctions) {
        QStringList names;
        const Status status = readReferenceFile(functionsPath, names);
        note(status);
        if (status) {
            functionNames = names; // in file order
        }
    } else {
        functionNames = defaultFunctionNames();
        sortChoices(functionNames);
    }

    const QString producerPath = filePath(kProducerFile);
    if (QFileInfo::exists(producerPath)) {
        QStringList entries;
        const Status status = readReferenceFile(producerPath, entries);
        note(status);
        for (const QString& entry : entries) {
            if (indexOfIgnoringCase(producers, entry) < 0) {
                insertSorted(producers, entry);
            }
        }
        const int old = indexOfIgnoringCase(producers, QStringLiteral("Electotrain"));
        if (old >= 0) {
            producers.removeAt(old);
            if (indexOfIgnoringCase(producers, QStringLiteral("Electotren")) < 0) {
                insertSorted(producers, QStringLiteral("Electotren"));
            }
        }
    } else {
        note(writeReferenceFile(producerPath, producers));
    }

    auto replaceFrom = [&](const char16_t* name, QStringList& items) {
        const QString path = filePath(name);
        if (!QFileInfo::exists(path)) {
            return;
        }
        QStringList entries;
        const Status status = readReferenceFile(path, entries);
        note(status);
        if (status) {
            sortChoices(entries);
            items = entries;
        }
    };
    replaceFrom(kRailCoFile, railCompanies);
    replaceFrom(kDecoderFile, decoders);
    return errors;
}

QStringList ReferenceTables::EnsureReferenceFiles() const
{
    QStringList errors;
    const std::pair<const char16_t*, const QStringList*> tables[] = {
        {kProducerFile, &producers},
        {kRailCoFile, &railCompanies},
        {kDecoderFile, &decoders},
        {kFunctionFile, &functionNames},
    };
    for (const auto& [name, items] : tables) {
        const QString path = filePath(name);
        if (!QFileInfo::exists(path)) {
            const Status status = writeReferenceFile(path, *items);
            if (!status) {
                errors.append(status.message());
            }
        }
    }
    return errors;
}

QStringList ReferenceTables::ReloadReferenceTables()
{
    QStringList errors;
    auto reload = [&](const char16_t* name, QStringList& items, bool sorted) {
        const QString path = filePath(name);
        if (!QFileInfo::exists(path)) {
            return;
        }
        QStringList entries;
        const Status status = readReferenceFile(path, entries);
        if (!status) {
            errors.append(status.message());
            return;
        }
        if (sorted) {
            sortChoices(entries);
        }
        items = entries;
    };
    reload(kProducerFile, producers, true);
    reload(kRailCoFile, railCompanies, true);
    reload(kDecoderFile, decoders, true);
    reload(kFunctionFile, functionNames, false);
    return errors;
}

Status ReferenceTables::AddToReferenceTable(QStringList& items, QString& text,
                                            const char16_t* fileName, bool* added) const
{
    if (added) {
        *added = false;
    }
    text = text.trimmed();
    if (text.isEmpty() || indexOfIgnoringCase(items, text) >= 0) {
        return Status::success();
    }
    insertSorted(items, text);
    if (added) {
        *added = true;
    }
    return writeReferenceFile(filePath(fileName), items);
}

Status ReferenceTables::storeFunctionNames(const QStringList& values)
{
    QStringList names = addFunctionNames(functionNames, values);
    sortChoices(names);
    functionNames = names;
    return writeReferenceFile(filePath(kFunctionFile), functionNames);
}

} // namespace vm
