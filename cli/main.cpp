// orvanta-cli: looks into and repairs Tabulon files without the desktop program. This file
// only sets up the command line; the commands live in the orvanta_cli_core library.
#include "cli/Commands.h"
#include "cli/DataLinkCommands.h"
#include "cli/ImageCommands.h"
#include "cli/LibraryCommands.h"
#include "cli/LibrarySession.h"
#include "cli/TerminalProgress.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "platform/CodePage.h"

using namespace orvanta::cli;
using orvanta::platform::Windows1252FromUtf8;

namespace {

// The optional value of an -o option: none when it was not given.
std::optional<std::string> GivenOutput(const CLI::Option* option, const std::string& value) {
    return option->count() > 0 ? std::optional<std::string>(value) : std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "Looks into and repairs Tabulon files (Palm OS databases of type \"data\", creator \"MNDR\").",
        "orvanta-cli"};
    app.require_subcommand(1);
    std::string file, output;

    auto* info = app.add_subcommand(
        "info", "Show name, design version, record count, fields, views, filters and tabs");
    auto* json = app.add_subcommand("json", "Write the whole Tabulon as JSON (UTF-8) to standard output");
    auto* dump =
        app.add_subcommand("dump", "Read the Tabulon with the diagnostic dump on (X.PDB gives X.txt)");
    auto* resave = app.add_subcommand("resave", "Read the Tabulon in full and save it again");
    auto* check = app.add_subcommand(
        "check", "Save to a temporary file, read it back and compare: \"ok\" or the differences");
    for (CLI::App* command : {info, json, dump, resave, check})
        command->add_option("FILE", file, "The Tabulon file (.PDB)")->required();
    std::string text, format = "Floating";
    int slot = 0, recordNumber = 0;
    auto* expr = app.add_subcommand(
        "expr", "Parse an expression against the Tabulon's fields; show its tokens and results");
    auto* setExpression = app.add_subcommand(
        "set-expression", "Store an expression in an Advanced Expression field, recalculate and save");
    auto* recalc = app.add_subcommand("recalc",
                                      "Recalculate every computed field of every record and save (a "
                                      "library's Tabulon: joins resolved first)");
    for (CLI::App* command : {expr, setExpression, recalc})
        command->add_option("FILE", file, "The Tabulon file (.PDB)")->required();
    setExpression->add_option("SLOT", slot, "The field's slot (1 to 80)")->required();
    for (CLI::App* command : {expr, setExpression})
        command->add_option("TEXT", text, "The expression (see docs/expressions.md)")->required();
    expr->add_option("--format", format,
                     "Result format: a number 0-13 or a name such as Floating, Text, \"Date +/- Days\"");
    CLI::Option* setFormat = setExpression->add_option("--format", format, "Result format to store with it");
    CLI::Option* exprRecord = expr->add_option("--record", recordNumber, "Only this record (counted from 1)");
    bool resolved = false;
    json->add_flag("--resolved", resolved,
                   "Resolve joins against the user's library and recalculate first (nothing is saved)");
    CLI::Option* dumpOutput =
        dump->add_option("-o,--output", output, "Where the dump goes; \"-\" for standard output");
    bool force = false;
    auto* image = app.add_subcommand("image", "Export, import and convert the Palm bitmaps of Image fields");
    image->require_subcommand(1);
    auto* imageExport = image->add_subcommand("export", "Write a record's picture as a BMP file");
    auto* imageImport = image->add_subcommand("import", "Put a picture into a record's Image field and save");
    for (CLI::App* command : {resave, setExpression, recalc, imageImport}) {
        command->add_option("-o,--output", output, "Save to this file instead of in place");
        command->add_flag("--force", force,
                          "Replace the file even when its read passed over records or values");
    }

    LibraryOptions library;
    std::string name, newName, card;
    int category = 0;
    std::vector<std::string> install;
    auto* users = app.add_subcommand("users", "The HotSync users of this desktop, one a line");
    auto* list = app.add_subcommand(
        "list", "The user's Tabulons: Name, Sync With, Records, Status, Category, Size (tab-separated)");
    auto* create = app.add_subcommand("create", "Create an empty Tabulon in the user's library");
    auto* rename = app.add_subcommand("rename", "Rename a Tabulon of the user's library");
    auto* remove = app.add_subcommand("delete", "Delete a Tabulon of the user's library");
    auto* samples = app.add_subcommand("samples", "The sample Tabulons, or install some with --install");
    auto* cards = app.add_subcommand("cards", "The expansion cards known for the user");
    auto* queue = app.add_subcommand("queue-handheld", "Queue the handheld application for the next HotSync");
    for (CLI::App* command : {create, rename, remove})
        command->add_option("NAME", name, "The Tabulon's name as the list shows it")->required();
    rename->add_option("NEWNAME", newName, "The new name")->required();
    create->add_option("--category", category, "Index in the user's category list (0 = Unfiled)");
    create->add_option("--card", card, "The card it lives on, 24 hexadecimal digits");
    samples->add_option("--install", install, "Names of samples to install");
    CLI::Option* removeCard = cards->add_option("--remove", card, "Remove this card (24 hexadecimal digits)");
    std::string user, desktop;
    std::vector<CLI::Option*> userOptions, desktopOptions;
    for (CLI::App* command : {users, list, create, rename, remove, samples, cards, queue, info, json, dump,
                              resave, check, expr, setExpression, recalc, imageExport, imageImport}) {
        userOptions.push_back(
            command->add_option("--user", user, "HotSync user (default: the last one chosen)"));
        desktopOptions.push_back(command->add_option(
            "--desktop", desktop, "Palm Desktop folder for this run (default: the registry's)"));
    }
    auto* imageConvert =
        image->add_subcommand("convert", "Convert a picture: .pbmp <-> .bmp; PNG or JPEG in");
    std::string picture, pictureOut;
    for (CLI::App* command : {imageExport, imageImport}) {
        command->add_option("TABULON", file, "The Tabulon file (.PDB)")->required();
        command->add_option("RECORD", recordNumber, "The record's position, from 1")->required();
        command->add_option("SLOT", slot, "The Image field's slot (1 to 80)")->required();
    }
    imageExport->add_option("OUT", picture, "The BMP file to write")->required();
    imageImport->add_option("PICTURE", picture, "The picture (BMP, PNG, JPEG, ...)")->required();
    imageConvert->add_option("IN", picture, "The picture to read")->required();
    imageConvert->add_option("OUT", pictureOut, "The .bmp or .pbmp file to write")->required();

    // Import and export (TABULON: a .PDB path, or a library name with --user).
    std::string dataFile, specName, delimiter, dateFormat = "mdy", saveSpec;
    std::vector<std::string> maps;
    std::vector<int> exportFields;
    bool noHeader = false, replace = false, time24 = false, seconds = false, addAll = false;
    auto* analyze =
        app.add_subcommand("analyze", "The columns of a delimited file or workbook and their types");
    auto* import =
        app.add_subcommand("import", "Import a delimited file or workbook into a Tabulon and save it");
    auto* exportRecords = app.add_subcommand(
        "export",
        "Export the records of a Tabulon as delimited text (joins resolved against the Tabulons beside it "
        "and computed fields recalculated first)");
    auto* specs = app.add_subcommand("specs", "The saved import and export specifications of a Tabulon");
    auto* runSpec = app.add_subcommand("run-spec", "Run a saved import or export specification");
    analyze->add_option("FILE", dataFile, "The file to analyse (.csv, .txt, .tab, .tsv, .xls, .xlsx, .ods)")
        ->required();
    for (CLI::App* command : {import, exportRecords, specs, runSpec})
        command->add_option("TABULON", file, "The Tabulon: a .PDB path, or a name with --user")->required();
    import->add_option("FILE", dataFile, "The file to import (.csv, .txt, .tab, .tsv, .xls, .xlsx, .ods)")
        ->required();
    exportRecords->add_option("OUT", dataFile, "The file to write (.csv, .txt, .tab, .json, .xlsx, .sqlite)")
        ->required();
    runSpec->add_option("SPEC", specName, "The specification's name")->required();
    for (CLI::App* command : {analyze, import, exportRecords}) {
        command->add_option("--delimiter", delimiter,
                            "comma, tab or semicolon (default: by the file's extension)");
        command->add_option("--date-format", dateFormat, "mdy (month first, the default) or dmy");
        command->add_flag("--no-header", noHeader, "The first row holds data, not field names");
    }
    std::string encoding, exportFormat;
    for (CLI::App* command : {analyze, import})
        command->add_option("--encoding", encoding,
                            "ansi (Windows-1252, the default), utf-8, utf-16 or auto (by the signature, else "
                            "UTF-8 when the file is valid UTF-8, else ansi)");
    exportRecords->add_option(
        "--encoding", encoding,
        "Text: ansi (Windows-1252, the default), utf-8, or utf-8-bom (with the signature)");
    exportRecords->add_option("--format", exportFormat,
                              "text, json, xlsx or sqlite (default: by the extension of OUT)");
    import->add_flag("--replace", replace, "Delete every record of the Tabulon first");
    exportRecords->add_flag("--replace", replace,
                            "SQLite: replace the Tabulon's table when the file has one");
    import->add_option("--map", maps, "N=SLOT: import column N (from 1) into the field of SLOT");
    import->add_flag("--add-all", addAll, "Add a field per column, named and typed like the column");
    exportRecords->add_flag("--time-24h", time24, "Times in 24-hour form");
    exportRecords->add_flag("--seconds", seconds, "Times with seconds");
    CLI::Option* fieldsOption =
        exportRecords->add_option("--fields", exportFields, "Slots to export, in order")->delimiter(',');
    std::vector<CLI::Option*> saveSpecOptions;
    for (CLI::App* command : {import, exportRecords})
        saveSpecOptions.push_back(
            command->add_option("--save-spec", saveSpec, "Store the run under this name"));
    for (CLI::App* command : {import, exportRecords, specs, runSpec}) {
        userOptions.push_back(
            command->add_option("--user", user, "HotSync user (default: the last one chosen)"));
        desktopOptions.push_back(command->add_option(
            "--desktop", desktop, "Palm Desktop folder for this run (default: the registry's)"));
    }

    CLI11_PARSE(app, argc, argv);

    TerminalProgress progress(2);
    CommandIo io{std::cout, std::cerr, &progress};
    for (CLI::Option* option : userOptions)
        if (option->count()) library.user = user;
    for (CLI::Option* option : desktopOptions)
        if (option->count()) library.desktop = desktop;
    // Names typed on a terminal are UTF-8; the library's are Windows-1252.
    for (std::string* text : {&name, &newName}) Windows1252FromUtf8(std::string(*text), text);
    for (std::string& text : install) Windows1252FromUtf8(std::string(text), &text);
    if (library.user) Windows1252FromUtf8(std::string(*library.user), &*library.user);
    if (*users) return RunUsers(library, io);
    if (*list) return RunList(library, io);
    if (*create) return RunCreate(library, name, category, card, io);
    if (*rename) return RunRename(library, name, newName, io);
    if (*remove) return RunDelete(library, name, io);
    if (*samples) return RunSamples(library, install, io);
    if (*cards)
        return RunCards(library, removeCard->count() ? std::optional<std::string>(card) : std::nullopt, io);
    if (*queue) return RunQueueHandheld(library, io);
    if (*imageConvert) return RunImageConvert(picture, pictureOut, io);
    auto target = [&](CLI::App* command) {
        return SaveTarget{GivenOutput(command->get_option("--output"), output), force};
    };
    if (*json && resolved) return RunResolvedJson(file, library, io);
    if (*recalc && NamesLibraryTabulon(file, library))
        return RunLibraryRecalc(file, library, target(recalc), io);
    DataLinkRequest request;
    if (*analyze || *import || *exportRecords) {
        if (!ReadDataLinkFlags(delimiter, dateFormat, noHeader, replace, time24, seconds, &request, io) ||
            !ReadFormatFlags(encoding, exportFormat, exportRecords->parsed(), &request, io))
            return 1;
        request.maps = maps;
        request.addAll = addAll;
        if (fieldsOption->count()) request.fields = exportFields;
        for (CLI::Option* option : saveSpecOptions)
            if (option->count()) request.saveSpec = saveSpec;
        if (request.saveSpec) Windows1252FromUtf8(std::string(*request.saveSpec), &*request.saveSpec);
    }
    if (*analyze) return RunAnalyze(dataFile, request, io);
    Windows1252FromUtf8(std::string(specName), &specName);
    if (!ResolveTabulonPath(file, library, io, &file)) return 1;
    if (*import) return RunImport(file, dataFile, request, io);
    if (*exportRecords) return RunExport(file, dataFile, request, io);
    if (*specs) return RunSpecs(file, io);
    if (*runSpec) return RunSavedSpec(file, specName, io);
    if (*info) return RunInfo(file, io);
    if (*json) return RunJson(file, io);
    if (*dump) return RunDump(file, GivenOutput(dumpOutput, output), io);
    if (*resave) return RunResave(file, target(resave), io);
    if (*check) return RunCheck(file, io);
    if (*expr)
        return RunExpr(file, text, format,
                       exprRecord->count() ? std::optional<int>(recordNumber) : std::nullopt, io);
    if (*setExpression)
        return RunSetExpression(file, slot, text, GivenOutput(setFormat, format), target(setExpression), io);
    if (*recalc) return RunRecalc(file, target(recalc), io);
    if (*imageExport) return RunImageExport(file, recordNumber, slot, picture, io);
    if (*imageImport) return RunImageImport(file, recordNumber, slot, picture, target(imageImport), io);
    return 0;  // not reached: CLI11 requires one command
}
