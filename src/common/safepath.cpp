#include "common/safepath.h"

#include <QDir>

namespace vm {

bool isPlainFileName(const QString& name)
{
    if (name.isEmpty() || name == u"." || name == u"..") {
        return false;
    }
    for (QChar c : name) {
        if (c == u'/' || c == u'\\' || c == u':' || c == u'\0') {
            return false;
        }
    }
    return true;
}

std::optional<QString> joinSafely(const QString& folder, const QString& name)
{
    if (!isPlainFileName(name)) {
        return std::nullopt;
    }
    return QDir(folder).filePath(name);
}

} // namespace vm
