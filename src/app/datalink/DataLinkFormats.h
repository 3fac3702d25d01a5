// The files the Data Link pages read and write, in one table: the file choosers' filters and what
// a chosen file's extension sets. A format the engine learns is added here once.
#pragma once

#include <string>
#include <vector>

namespace orvanta::app {

// What an extension tells the option page.
enum class ExtensionEffect {
    None,      // nothing: the delimiter stays as chosen
    Tab,       // the tab delimiter
    Comma,     // the comma delimiter
    Workbook,  // a workbook: the system's list separator, the delimiter choices disabled
};

struct DataLinkFormat {
    const char* filter;                   // the chooser's line for it, as shown
    std::vector<const char*> extensions;  // lower case, without the dot, in the filter's order
    bool imported;
    bool exported;
    bool added =
        false;  // a format beyond the classic ones: its own line after them, not in "Supported Types"
};

// Every format, in the choosers' order.
const std::vector<DataLinkFormat>& DataLinkFormats();

// "Supported Types(...)" of the classic formats, each format's line and "All Files (*.*)",
// joined with ";;".
std::string ImportFileFilter();
// Each exported format's line and "All Files (*.*)".
std::string ExportFileFilter();

// The effect of the path's extension, compared without case.
ExtensionEffect EffectOfExtension(const std::string& path);

}  // namespace orvanta::app
