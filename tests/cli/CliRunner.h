// Running the built orvanta-cli as a user does: arguments through the shell, standard output
// and standard error captured in files of a TempDir, and the exit status; or with standard
// error on a pseudo terminal, to see what a terminal shows.
#pragma once

#include "model/TbObjDB.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

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

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
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

// A pseudo terminal: a program draws on the slave side, the test reads the master side.
class PseudoTerminal {
public:
    PseudoTerminal() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) return;
        m_slaveName = ::ptsname(m_master);
        m_slave = ::open(m_slaveName.c_str(), O_RDWR | O_NOCTTY);  // kept open so no hang-up loses output
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    }
    ~PseudoTerminal() {
        if (m_slave >= 0) ::close(m_slave);
        if (m_master >= 0) ::close(m_master);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool Ok() const { return m_master >= 0 && m_slave >= 0; }
    int Slave() const { return m_slave; }
    const std::string& SlaveName() const { return m_slaveName; }
    // What reached the terminal so far; waits until nothing more arrives for a while.
    std::string Drain() {
        std::string text;
        char buffer[4096];
        for (int idle = 0; idle < 20; ::usleep(2000)) {
            ssize_t n = ::read(m_master, buffer, sizeof buffer);
            idle = n > 0 ? 0 : idle + 1;
            if (n > 0) text.append(buffer, static_cast<size_t>(n));
        }
        return text;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_slaveName;
};

// Runs "orvanta-cli <args>" with standard error on a pseudo terminal, draining the terminal while
// the program runs so that it never blocks; returns what the terminal showed.
inline std::string RunCliOnTerminal(const std::string& args, int* status) {
    PseudoTerminal terminal;
    if (!terminal.Ok()) return "";
    std::string command = ShellQuote(ORVANTA_CLI) + " " + args + " 2>" + terminal.SlaveName();
    FILE* out = ::popen(command.c_str(), "r");
    if (!out) return "";
    ::fcntl(::fileno(out), F_SETFL, O_NONBLOCK);
    std::string shown;
    char buffer[256];
    while (::read(::fileno(out), buffer, sizeof buffer) != 0) shown += terminal.Drain();  // 0: the end
    shown += terminal.Drain();
    int wait = ::pclose(out);
    *status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    return shown;
}

// A Tabulon "MRA_Books.PDB" with the fields a test gives, in a folder of the test's with the files
// it writes, and runs in the C locale.
class CliBooks : public testing::Test {
protected:
    void CreateBooks(std::initializer_list<std::pair<const char*, TbFieldType>> fields) {
        CTbObjDB db;
        for (auto [name, type] : fields) db.AddField(name, type);
        ASSERT_EQ(db.CreateNew("Books", 0, dir.Path().string()), TB_S_OK);
        tabulon = ShellQuote(dir.File("MRA_Books.PDB"));
    }
    // Writes a file of the folder and returns its path, quoted for the shell.
    std::string Write(const std::string& name, const std::string& text) {
        WriteBytes(dir.File(name), std::vector<uint8_t>(text.begin(), text.end()));
        return Path(name);
    }
    std::string Path(const std::string& name) const { return ShellQuote(dir.File(name)); }
    std::string Read(const std::string& name) const { return ReadText(dir.File(name)); }
    CliRun Run(const std::string& args) { return RunCli(scratch, args, "LC_ALL=C"); }
    // Imports a file of the folder into the Tabulon, or exports the Tabulon to one.
    CliRun Import(const std::string& name, const std::string& rest = "") {
        return Run("import " + tabulon + " " + Path(name) + rest);
    }
    CliRun Export(const std::string& name, const std::string& rest = "") {
        return Run("export " + tabulon + " " + Path(name) + rest);
    }

    TempDir dir, scratch;
    std::string tabulon;
};
