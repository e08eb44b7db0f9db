#include "collection/attachcell.h"

#include "common/commatext.h"

namespace vm {

AttachCell readAttachCell(const QString& cell)
{
    AttachCell attach;
    const QStringList items = readCommaText(cell);
    for (int i = 0; i < items.size(); ++i) {
        const QString& item = items[i];
        if (item.contains(u'@')) {
            attach.sparePartPath = QString(item).remove(u'@');
        } else if (i == 0) {
            attach.descriptionFile = item;
        } else if (!item.isEmpty()) {
            attach.pictures.append(item);
        }
    }
    return attach;
}

QString writeAttachCell(const AttachCell& attach)
{
    QString cell = quoteCommaItem(attach.descriptionFile) + u',';
    for (const QString& picture : attach.pictures) {
        cell += quoteCommaItem(picture) + u',';
    }
    if (!attach.sparePartPath.isEmpty()) {
        cell += u',' + quoteCommaItem(u'@' + attach.sparePartPath);
    }
    return cell;
}

} // namespace vm
