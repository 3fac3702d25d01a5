// orvanta-cli: looks into and repairs Tabulon files without the desktop program. This file
// only sets up the command line; the commands live in the orvanta_cli_core library.
#include "cli/Commands.h"
#include "cli/TerminalProgress.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <optional>
#include <string>

using namespace orvanta::cli;

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
    auto* recalc = app.add_subcommand("recalc", "Recalculate every computed field of every record and save");
    for (CLI::App* command : {expr, setExpression, recalc})
        command->add_option("FILE", file, "The Tabulon file (.PDB)")->required();
    setExpression->add_option("SLOT", slot, "The field's slot (1 to 80)")->required();
    for (CLI::App* command : {expr, setExpression})
        command->add_option("TEXT", text, "The expression (see docs/expressions.md)")->required();
    expr->add_option("--format", format,
                     "Result format: a number 0-13 or a name such as Floating, Text, \"Date +/- Days\"");
    CLI::Option* setFormat = setExpression->add_option("--format", format, "Result format to store with it");
    CLI::Option* exprRecord = expr->add_option("--record", recordNumber, "Only this record (counted from 1)");
    CLI::Option* dumpOutput =
        dump->add_option("-o,--output", output, "Where the dump goes; \"-\" for standard output");
    bool force = false;
    for (CLI::App* command : {resave, setExpression, recalc}) {
        command->add_option("-o,--output", output, "Save to this file instead of in place");
        command->add_flag("--force", force,
                          "Replace the file even when its read passed over records or values");
    }

    CLI11_PARSE(app, argc, argv);

    TerminalProgress progress(2);
    CommandIo io{std::cout, std::cerr, &progress};
    if (*info) return RunInfo(file, io);
    if (*json) return RunJson(file, io);
    if (*dump) return RunDump(file, GivenOutput(dumpOutput, output), io);
    auto target = [&](CLI::App* command) {
        return SaveTarget{GivenOutput(command->get_option("--output"), output), force};
    };
    if (*resave) return RunResave(file, target(resave), io);
    if (*check) return RunCheck(file, io);
    if (*expr)
        return RunExpr(file, text, format,
                       exprRecord->count() ? std::optional<int>(recordNumber) : std::nullopt, io);
    if (*setExpression)
        return RunSetExpression(file, slot, text, GivenOutput(setFormat, format), target(setExpression), io);
    if (*recalc) return RunRecalc(file, target(recalc), io);
    return 0;  // not reached: CLI11 requires one command
}
