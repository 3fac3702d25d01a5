// The library as the desktop program opens it for one command: preferences, the Palm Desktop's
// users and folders, and the browser of the chosen user; closing writes the catalogue.
#pragma once

#include "cli/Commands.h"
#include "cli/StreamPrompt.h"
#include "library/CHandheldDesktop.h"
#include "library/CPvtrPrefs.h"
#include "library/CTbBrowser.h"

#include <optional>
#include <string>

namespace orvanta::cli {

// --user and --desktop of every library command.
struct LibraryOptions {
    std::optional<std::string> user;
    std::optional<std::string> desktop;
};

class LibrarySession {
public:
    LibrarySession(const LibraryOptions& options, CommandIo& io);
    // Closes the library as closing the program does: the catalogue is written.
    ~LibrarySession();
    LibrarySession(const LibrarySession&) = delete;
    LibrarySession& operator=(const LibrarySession&) = delete;

    // Opens the user's library; false with the reason on the error stream.
    bool Open();
    CTbBrowser& Browser() { return m_browser; }
    CHandheldDesktop& Handheld() { return m_handheld; }
    const std::string& User() const { return m_user; }
    // The messages shown so far (each one a refusal or an error of the command).
    int MessageCount() const { return m_prompt.Count(); }
    platform::IPrompt& Prompt() { return m_prompt; }
    // The item of a Tabulon named as the list shows it (exactly, else ignoring case), or none.
    CTbItem* FindByName(const std::string& name);

private:
    CommandIo& m_io;
    LibraryOptions m_options;
    StreamPrompt m_prompt;
    CPvtrPrefs m_prefs;
    CHandheldDesktop m_handheld;
    CTbBrowser m_browser;
    std::string m_user;
};

}  // namespace orvanta::cli
