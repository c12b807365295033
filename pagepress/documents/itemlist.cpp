#include "pagepress/documents/itemlist.h"

#include "pagepress/documents/pdfengine.h"

#include <algorithm>

std::vector<TItemInfo *> ItemList;

namespace {

// Records still listed when the plug-in unloads are freed with the list rather than leaked.
// Defined after ItemList, so it is destroyed before it.
struct LeftoverRecords {
    ~LeftoverRecords()
    {
        for (TItemInfo *record : ItemList)
            delete record;
        ItemList.clear();
    }
} leftoverRecords;

} // namespace

TItemInfo *NewItemInfo()
{
    auto *record = new TItemInfo;
    ItemList.push_back(record);
    return record;
}

void RemoveItemInfo(TItemInfo *record)
{
    const auto it = std::find(ItemList.begin(), ItemList.end(), record);
    // Freeing a record the list does not own would free it twice, or free someone else's copy.
    if (it == ItemList.end())
        return;
    pdfEngine().close(record->docHandle);
    delete record;
    ItemList.erase(it);
}

void ClearItemInfos()
{
    for (TItemInfo *record : ItemList) {
        pdfEngine().close(record->docHandle);
        delete record;
    }
    ItemList.clear();
}
