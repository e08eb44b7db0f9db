#pragma once

#include "common/status.h"

#include <QString>
#include <QStringList>

namespace vm {

// A reference table file: Windows-1252, one entry per line, CR LF after every
// entry. An empty line is an empty entry; the final line end makes none.
Status readReferenceFile(const QString& path, QStringList& entries);
Status writeReferenceFile(const QString& path, const QStringList& entries);

// The four user-extendable tables as the editor holds them. Producers,
// railway companies and decoders are kept in sorted order; the function-name
// list keeps the order it was given and is sorted only where asked to.
class ReferenceTables {
public:
    static constexpr const char16_t* kProducerFile = u"PRODUCER.CSV";
    static constexpr const char16_t* kRailCoFile = u"RAILCO.CSV";
    static constexpr const char16_t* kDecoderFile = u"DECODER.CSV";
    static constexpr const char16_t* kFunctionFile = u"DIGFUNCTIONS.CSV";

    explicit ReferenceTables(const QString& dataFolder = QString());

    QStringList producers;
    QStringList railCompanies;
    QStringList decoders;
    QStringList functionNames;

    QString filePath(const char16_t* name) const;

    // Start-up: function names from their file (or the defaults, sorted),
    // producers merged from their file ("Electotrain" read as "Electotren";
    // the file is written from the built-in list when missing), railway
    // companies and decoders replaced by their files when present. Every
    // failure is collected; tables whose file failed keep their built-in items.
    QStringList LoadReferenceTables();
    // Writes each of the four files that does not exist yet.
    QStringList EnsureReferenceFiles() const;
    // The three boxes and the function names take their files' content.
    QStringList ReloadReferenceTables();

    // Adds a newly typed choice: text is trimmed (and handed back trimmed);
    // when it is not empty and not yet a choice (case ignored) it takes its
    // sorted place and the table is written to fileName in the data folder.
    // added tells whether the table grew.
    Status AddToReferenceTable(QStringList& items, QString& text, const char16_t* fileName,
                               bool* added = nullptr) const;

    // Appends the names of values that are new (see AddFunctionNames), sorts
    // the list and writes it to its file.
    Status storeFunctionNames(const QStringList& values);

private:
    QString m_dataFolder;
};

} // namespace vm
