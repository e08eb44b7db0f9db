#include "common/timestamp.h"

namespace vm {

QString timeStamp(const QDateTime& when)
{
    return when.toLocalTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

} // namespace vm
