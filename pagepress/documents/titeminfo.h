#pragma once

#include <QString>

#include <cstdint>

// The record of one listed PDF document: where it is, how many pages it has and the conversion
// options chosen for it. A plain value: the file-adding thread and its dialog pass copies.
// Records in ItemList are changed on the UI thread only.
struct TItemInfo {
    QString name;                  // file name part of path; caption of the list row
    QString frameRate = QStringLiteral("2"); // play speed, pages per second, as typed
    QString pageRange;             // page selection of page mode 2, e.g. "1-3,7"
    QString zoom = QStringLiteral("72"); // resolution text handed to the converter
    int32_t docHandle = 0;         // PDF engine handle; 0 means none
    int32_t pageCount = 0;         // 1 or more once the adder has counted the document
    int32_t outputType = 0;        // index into the output type table
    int32_t resolution = 72;       // dpi, as the options panel shows it
    int32_t pageMode = 0;          // 0 all pages, 1 current preview page, 2 pageRange
    int32_t currentPage = 1;       // 1-based preview page; 0 while none is chosen
    QString path;                  // full path as handed to the adder; duplicates are found by it
    // Whether the row was ticked when the latest conversion started. Starts at 0 rather than
    // undefined, so a copy of a fresh record is well defined.
    int32_t checked = 0;
};
