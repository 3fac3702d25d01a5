// The engine's statuses as the user reads them.
#include "importexport/ImportExportReport.h"

#include "importexport/ImportExportTypes.h"

namespace pf = orvanta::platform;

namespace {

constexpr const char* kSupportPage = "https://orvanta.org/support/import";

constexpr const char* kUnicodeMessage =
    "The text file selected is encoded in Unicode format.  Orvanta does not support Unicode text files.  "
    "Please open the file in a text editor and resave it with ANSI encoding.";
constexpr const char* kConversionMessage =
    "Orvanta encountered a conversion error while trying to import data from the file.  One or more of the "
    "fields within this file contain values that Orvanta does not recognize.  For additional information "
    "please visit our technical support website at: ";
constexpr const char* kEndOfFileMessage =
    "Orvanta encountered an unexpected end of file while reading the data from the file.  This file may be "
    "corrupt.  You may be able to resolve this problem by opening the file in a text editor, resaving it "
    "with a new name, and then trying to import the new file.  For additional information please visit our "
    "technical support website at: ";
constexpr const char* kMemoMessage =
    "The file contains memo fields with over 4K of data (4092 characters).  The Orvanta memo field supports "
    "4K or less.  If these fields are mapped, the memo fields will be truncated.";
constexpr const char* kRecordLimitMessage =
    "The Tabulon now holds 65,448 records, the most a Tabulon can hold.  The records before this row were "
    "imported; this row and the rest of the file were not.";
constexpr const char* kBusyMessage =
    "The file to export to is currently busy.  Please make sure the file is not open in another application, "
    "and try again.";

std::string Location(int32_t recordNumber, const std::string& problemText) {
    if (recordNumber < 0 && problemText.empty()) return "";
    return std::string("\n\nPossible error location: Row: ")
        .append(std::to_string(recordNumber))
        .append(", Field: ")
        .append(problemText);
}

}  // namespace

const char* const kExcelProblemMessage =
    "Orvanta encountered a problem while trying to import the file.  The problem may have occurred for one "
    "of "
    "the following reasons.\n\n1) The file you are attempting to import is  inaccessible on the desktop. "
    "Make the file accessible and try again. \n\n2) Microsoft Excel 97 or greater is not installed.  "
    "Microsoft Excel 97 or greater is required for this functionality.\n\n3) The file you are attempting to "
    "import is either corrupt or is not a valid Microsoft Excel file.  Verify that the file can be opened in "
    "Microsoft Excel and is saved in Microsoft Excel format.\n\n4) Orvanta may have encountered a problem "
    "while trying to interface with Microsoft Excel.   This problem may be resolved by uninstalling "
    "Microsoft Office and then reinstalling Microsoft Office.";

const char* const kListSeparatorMessage =
    "When importing Excel files, Orvanta uses the List Separator setting on your computer to distinguish "
    "records.  Orvanta supports comma, tab, and semicolon.  Your computer is not set to use any of these "
    "separators.  You may solve this problem in one of the following ways:\n\n1.  Change this setting on "
    "your computer in the Control Panel ->Regional Options ->Numbers ->List Separator\n\n2.  Open the file "
    "in Excel and save a copy of the document as the type Text (Tab Delimited) (.txt).  Import this .txt "
    "file into Orvanta.";

ImportExportReport ImportExportReportFor(int32_t status, int32_t recordNumber,
                                         const std::string& problemText) {
    const pf::PromptIcon error = pf::PromptIcon::Error;
    switch (status) {
        case 0:
            return {};
        case kImportUnicodeFile:
            return {"Import Error", kUnicodeMessage, error, true};
        case kImportConversionFailed:
            return {"Import Error",
                    std::string(kConversionMessage)
                        .append(kSupportPage)
                        .append(Location(recordNumber, problemText)),
                    error, true};
        case kImportUnexpectedEnd:
            return {"Import Error", std::string(kEndOfFileMessage).append(kSupportPage), error, true};
        case kImportValueTooLong:
            return {"Import Warning", kMemoMessage, pf::PromptIcon::Warning, false};
        case kImportRecordLimit:
            return {"Import Error",
                    std::string(kRecordLimitMessage).append(Location(recordNumber, problemText)), error,
                    true};
        case kExportTableExists:
            return {
                "Export Error",
                std::string("The file already holds a table named \"")
                    .append(problemText)
                    .append(
                        "\".  Export again with the choice to replace that table, or choose another file."),
                error, true};
        case kExportWriteFailed:
            return {"Export Error",
                    std::string("The file could not be written.")
                        .append(problemText.empty() ? "" : "\n\n")
                        .append(problemText),
                    error, true};
        default:
            return {"Error", (status & 0xFFFF) == 32 ? kBusyMessage : "An error occured.", error, true};
    }
}

bool ReportImportExportResult(pf::IPrompt& prompt, int32_t status, int32_t recordNumber,
                              const std::string& problemText) {
    const ImportExportReport report = ImportExportReportFor(status, recordNumber, problemText);
    if (status != 0) prompt.Show(report.title, report.text, report.icon, pf::PromptButtons::Ok);
    return report.stops;
}
