// The words of the import and export flags turned into the run's options.
#include "cli/DataLinkCommands.h"

namespace orvanta::cli {

namespace {

bool Refuse(CommandIo& io, const char* message) {
    Failed(io, message);
    return false;
}

}  // namespace

bool ReadDataLinkFlags(const std::string& delimiter, const std::string& dateFormat, bool noHeader,
                       bool replace, bool time24, bool seconds, DataLinkRequest* request, CommandIo& io) {
    ImportExportOptions& options = request->options;
    request->delimiterGiven = !delimiter.empty();
    if (delimiter == "tab")
        options.delimiter = 0;
    else if (delimiter == "comma" || delimiter.empty())
        options.delimiter = 1;
    else if (delimiter == "semicolon")
        options.delimiter = 2;
    else
        return Refuse(io, "--delimiter takes comma, tab or semicolon.");
    if (dateFormat != "mdy" && dateFormat != "dmy") return Refuse(io, "--date-format takes mdy or dmy.");
    options.dateFormat = dateFormat == "dmy" ? 1 : 0;
    options.firstRecordFieldNames = noHeader ? 0 : 1;
    options.replaceRecords = replace ? 1 : 0;
    options.timeMilitary = time24 ? 1 : 0;
    options.timeHasSeconds = seconds ? 1 : 0;
    return true;
}

bool ReadFormatFlags(const std::string& encoding, const std::string& format, bool exporting,
                     DataLinkRequest* request, CommandIo& io) {
    TextEncoding chosen = TextEncoding::Ansi;
    const bool known = encoding.empty() || TextEncodingFromName(encoding, &chosen);
    const bool forImport = chosen != TextEncoding::Utf8Signed;
    const bool forExport =
        chosen == TextEncoding::Ansi || chosen == TextEncoding::Utf8 || chosen == TextEncoding::Utf8Signed;
    if (!known || (exporting ? !forExport : !forImport))
        return Refuse(io, exporting ? "--encoding takes ansi, utf-8 or utf-8-bom."
                                    : "--encoding takes ansi, utf-8, utf-16 or auto.");
    request->encoding = chosen;
    if (format.empty()) return true;
    ExportFormat exportFormat = ExportFormat::Text;
    if (!ExportFormatFromName(format, &exportFormat))
        return Refuse(io, "--format takes text, json, xlsx or sqlite.");
    request->format = exportFormat;
    return true;
}

}  // namespace orvanta::cli
