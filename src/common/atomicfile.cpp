#include "common/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace vm {

namespace {

Status writeFailure(const QString& path, const QString& reason)
{
    return Status::failure(QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden.\n%2")
                               .arg(QDir::toNativeSeparators(path), reason));
}

} // namespace

Status writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& writer)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return writeFailure(path, file.errorString());
    }
    if (!writer(file)) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QStringLiteral("Der Inhalt konnte nicht erzeugt werden.");
        file.cancelWriting();
        return writeFailure(path, reason);
    }
    if (!file.commit()) {
        return writeFailure(path, file.errorString());
    }
    return Status::success();
}

Status writeFileAtomically(const QString& path, const QByteArray& content)
{
    return writeFileAtomically(
        path, [&content](QIODevice& device) { return device.write(content) == content.size(); });
}

Status readWholeFile(const QString& path, QByteArray& content)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden.\n%2")
                                   .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return Status::failure(QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden.\n%2")
                                   .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    content = std::move(data);
    return Status::success();
}

} // namespace vm
