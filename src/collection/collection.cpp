#include "collection/collection.h"

#include "collection/listfile.h"

#include <QDir>
#include <QFileInfo>

namespace vm {

namespace {

constexpr std::array<ListInfo, kListCount> kLists = {{
    {u"Lokomotiven", u"LOCOMOTIVES.CSV", "SheetLOK", "GridLOK", Layout::Vehicle},
    {u"Waggons", u"WAGGONS.CSV", "SheetWAGON", "GridWAG", Layout::Vehicle},
    {u"Zubehör", u"SUPPLIES.CSV", "SheetSUPPLIES", "GridSUPPLIES", Layout::Accessory},
    {u"Wunschliste", u"WANTED.CSV", "SheetWANTED", "GridWANTED", Layout::Vehicle},
    {u"Verkäufe", u"SALES.CSV", "SheetSALES", "GridSALES", Layout::Vehicle},
}};

} // namespace

const ListInfo& listInfo(int index)
{
    return kLists[qBound(0, index, kListCount - 1)];
}

Collection::Collection(const ProgramPaths& paths)
    : m_paths(paths)
{
    for (int i = 0; i < kListCount; ++i) {
        m_lists[i] = ItemList::empty(kLists[i].layout);
    }
}

QString Collection::listFilePath(int index) const
{
    return m_paths.dataFile(QString::fromUtf16(listInfo(index).fileName));
}

void Collection::createDataFolder() const
{
    QDir().mkpath(m_paths.dataFolder());
}

Status Collection::reload(int index)
{
    ItemList& list = m_lists[index];
    Status status = Status::success();
    const QString path = listFilePath(index);
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        status = LoadListFile(list, path);
    }
    ApplyColumnLayout(list);
    return status;
}

QStringList Collection::loadAll()
{
    QStringList errors;
    for (int i = 0; i < kListCount; ++i) {
        const Status status = reload(i);
        if (!status) {
            errors.append(status.message());
        }
    }
    return errors;
}

Status Collection::save(int index) const
{
    return SaveListFile(m_lists[index], listFilePath(index));
}

} // namespace vm
