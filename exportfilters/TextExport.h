#pragma once
// The comma-separated text export: each chosen list as a header line and one line per row the
// worksheet shows, lines ending in CR LF, a separator line after every list but the categories.
#include "ExportFile.h"
#include "ExportInfo.h"

// Writes the lists of Choice (TExportSection bits) to an open file; the caller finishes it.
void WriteTextExport(TExportFile& File, const TQBInfo& Info, unsigned Choice);
