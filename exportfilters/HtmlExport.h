#pragma once
// The HTML export: each chosen list as a table of the worksheet's visible columns, in the
// worksheet's column order, with its titles, widths and colours; one element per line, CR LF.
#include "ExportFile.h"
#include "ExportInfo.h"

// Writes the whole document for the lists of Choice (TExportSection bits) to an open file; the
// caller finishes it.
void WriteHtmlExport(TExportFile& File, const TQBInfo& Info, unsigned Choice);
