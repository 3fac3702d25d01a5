// What the user is told at the end of an import or export run: one message box for a status
// that is not 0, with its title, text and icon, and whether the command must stop.
#pragma once

#include "platform/Prompt.h"

#include <cstdint>
#include <string>

// The Excel problem and list separator messages of the workbook import.
extern const char* const kExcelProblemMessage;
extern const char* const kListSeparatorMessage;

struct ImportExportReport {
    std::string title;
    std::string text;
    orvanta::platform::PromptIcon icon = orvanta::platform::PromptIcon::None;
    bool stops = false;
};

// The report for a status; recordNumber below 0 and an empty problem text add no location.
ImportExportReport ImportExportReportFor(int32_t status, int32_t recordNumber,
                                         const std::string& problemText);

// Shows the report (nothing for 0) and returns whether the run is to be treated as failed.
bool ReportImportExportResult(orvanta::platform::IPrompt& prompt, int32_t status, int32_t recordNumber,
                              const std::string& problemText);
