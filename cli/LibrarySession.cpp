// Opening a user's library for a command: the user from --user or the preferences, the
// desktop folder from --desktop or the registry.
#include "cli/LibrarySession.h"

#include <strings.h>

namespace orvanta::cli {

LibrarySession::LibrarySession(const LibraryOptions& options, CommandIo& io)
    : m_io(io),
      m_options(options),
      m_prompt(io.err),
      m_handheld(options.desktop.value_or("")),
      m_browser(io.progress, &m_prompt) {}

LibrarySession::~LibrarySession() { m_browser.Reset(); }

bool LibrarySession::Open() {
    m_prefs.Load();
    m_user = m_options.user.value_or(m_prefs.GetUserName());
    if (m_handheld.Load() < 0 || !m_handheld.IsLoaded()) {
        Failed(m_io,
               "The Palm Desktop install library (INSTAIDE.DLL) was not found: there are no HotSync users.");
        return false;
    }
    if (m_user.empty()) {
        Failed(m_io, "No HotSync user chosen: give one with --user (see \"orvanta-cli users\").");
        return false;
    }
    m_browser.OpenUser(&m_handheld, m_user);
    if (m_browser.UserFolder().empty()) {
        Failed(m_io, "The HotSync user \"" + m_user + "\" has no folder on this desktop.");
        return false;
    }
    if (m_options.user) {
        m_prefs.SetUserName(m_user);
        m_prefs.Save();
    }
    return true;
}

CTbItem* LibrarySession::FindByName(const std::string& name) {
    if (CTbItem* item = m_browser.FindByDisplayName(name)) return item;
    for (const auto& item : m_browser.Items())
        if (strcasecmp(item->DisplayName().c_str(), name.c_str()) == 0) return item.get();
    return nullptr;
}

}  // namespace orvanta::cli
