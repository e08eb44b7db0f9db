#pragma once

#include "collection/itemlist.h"
#include "common/programpaths.h"
#include "common/status.h"

#include <QString>
#include <QStringList>
#include <array>

namespace vm {

// The five lists, by tab index.
enum ListIndex { ListLok = 0, ListWag = 1, ListSupplies = 2, ListWanted = 3, ListSales = 4 };
constexpr int kListCount = 5;

struct ListInfo {
    const char16_t* caption;  // tab caption
    const char16_t* fileName; // file in the data folder
    const char* sheetName;    // tab page object name
    const char* gridName;     // grid object name
    Layout layout;
};

const ListInfo& listInfo(int index);

// The collection: the five item lists and their files in the data folder.
class Collection {
public:
    explicit Collection(const ProgramPaths& paths);

    const ProgramPaths& paths() const { return m_paths; }
    QString listFilePath(int index) const;

    ItemList& list(int index) { return m_lists[index]; }
    const ItemList& list(int index) const { return m_lists[index]; }

    // Creates the data folder with any missing parents. Failure is not
    // reported here: the first write into the folder reports it.
    void createDataFolder() const;

    // Reads each list whose file exists, in tab order, and applies its column
    // layout whether or not a file was read. A file that cannot be read leaves
    // its list empty and write-blocked; the others are still read. Returns one
    // message per file that could not be read.
    QStringList loadAll();

    // Reads one list's file again (when it exists) and applies its layout.
    Status reload(int index);
    // Writes one list to its file.
    Status save(int index) const;

private:
    ProgramPaths m_paths;
    std::array<ItemList, kListCount> m_lists;
};

} // namespace vm
