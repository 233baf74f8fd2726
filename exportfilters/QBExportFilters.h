#pragma once
// The three functions of the export library, libQBExportFilters.so. The program links the
// library and calls GetQBInfo, then at once ApplyExportFilter, from its "Save As" command.
#include <cstdint>

class TTransList;
class TMainActList;
class TSubActList;
class TGroupList;
class TCatList;
class TGridInfo;

#define QB_EXPORT_API __attribute__((visibility("default")))

extern "C" {

// The library's file types for the "Save As" filter, after the book file type (index 1):
// "|Text file (*.TXT)|*.txt|HTML file (*.HTM)|*.htm". Owned by the library.
QB_EXPORT_API const char* GetExportFilters();

// Runs one export: index 2 text, 3 HTML; any other index returns false at once. Shows the option
// dialog and the outcome message itself. True when the file was written.
QB_EXPORT_API bool ApplyExportFilter(std::int32_t FilterIndex, const char* FileName);

// Stores the hand-over for the next ApplyExportFilter. The lists and column sets are borrowed:
// read while an export runs, never changed or freed. BaseName is copied.
QB_EXPORT_API void GetQBInfo(bool AnySelectionActive, bool IncludeDisabledInCalc, bool DateRangeActive,
                             bool UseOpenBalInSel, bool SortedByDateAscending, const TTransList* Trans,
                             const TMainActList* MainActs, const TSubActList* SubActs, const TGroupList* Groups,
                             const TCatList* Cats, const TGridInfo* TransGrid, const TGridInfo* MainActGrid,
                             const TGridInfo* SubActGrid, const TGridInfo* GroupGrid, const TGridInfo* CatGrid,
                             std::int32_t CurrentTab, const char* BaseName);
}
