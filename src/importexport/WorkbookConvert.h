// Workbooks for import (.xls, .xlsx, .ods): converted to a CSV file by the workbook converter
// "Vornish.dll" (its export SaveVornish), which writes the first worksheet with the locale's list
// separator.
#pragma once

#include "platform/Locale.h"
#include "platform/Prompt.h"

#include <cstdint>
#include <string>

// The export's signature: workbook path and CSV path in, 0 for success.
extern "C" using SaveVornishFunction = int(*)(const char* workbookPath, const char* csvPath);
// Its optional second export, called before SaveVornish with the program's user locale, so that
// the CSV has the list separator, numbers and dates of the locale the import then reads it with.
extern "C" using SetVornishLocaleFunction = void(*)(const orvanta::platform::ComponentLocale* locale);

// For a path ending exactly in ".xls", or in ".xlsx" or ".ods" in any letter case: converts it to
// "<base>.csv" (or "<base>_1.csv" ... when taken) in the folder of *outputPath, which then names the CSV, and
// sets *converted. A missing library or export (-1) or a failed conversion shows the Excel problem message
// under "Error" and returns the failure. Any other path: 0, nothing changed.
int32_t ConvertWorkbookToCsv(const std::string& path, std::string* outputPath, bool* converted,
                             orvanta::platform::IPrompt& prompt);

// The delimiter option for the locale's list separator: 0 tab, 1 ",", 2 ";", 3 any other.
int32_t DelimiterForListSeparator(char separator);
