#pragma once

#include "pagepress/documents/titeminfo.h"

#include <vector>

// The process-wide list of document records, in the order of the list rows and of conversion.
// It owns the records. Changed on the UI thread only; the adding and conversion workers read it
// without a lock while their modal dialog keeps the main window's actions out of reach.
extern std::vector<TItemInfo *> ItemList;

// A new record with the default options, already appended to ItemList.
TItemInfo *NewItemInfo();

// Closes the record's engine handle, frees it and erases it from ItemList; later records keep
// their order. A record that is not in ItemList is left alone.
void RemoveItemInfo(TItemInfo *record);

// Closes every record's engine handle, frees every record and empties ItemList.
void ClearItemInfos();
