// The readers of the workbook converter: each writes the first worksheet of a workbook as CSV
// and returns 0, or 1 for a workbook it cannot read (missing, damaged or password-protected).
#pragma once

#include "CsvSheet.h"

// Excel 97-2003 (.xls), through FreeXL.
int WriteXlsSheet(const char* workbookPath, CsvSheet& sheet);
// Office Open XML (.xlsx) or OpenDocument (.ods), through liborcus.
int WriteOrcusSheet(const char* workbookPath, bool openDocument, CsvSheet& sheet);

inline constexpr int kWorkbookFailed = 1;
