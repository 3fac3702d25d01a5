// Running the built orvanta-cli as a user does: arguments through the shell, standard output
// and standard error captured in files of a TempDir, and the exit status.
#pragma once

#include "support/TempDir.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// A shell word for any text: single quotes, with each ' written as '\''.
inline std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs "orvanta-cli <args>" (args already quoted as needed) with optional "NAME=value" environment
// settings in front; the captured streams go to files in scratch.
inline CliRun RunCli(const TempDir& scratch, const std::string& args, const std::string& environment = "") {
    std::string out = scratch.File("cli-stdout"), err = scratch.File("cli-stderr");
    std::string command = environment + " " + ShellQuote(ORVANTA_CLI) + " " + args + " </dev/null >" +
                          ShellQuote(out) + " 2>" + ShellQuote(err);
    int wait = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    run.out = ReadText(out);
    run.err = ReadText(err);
    return run;
}
