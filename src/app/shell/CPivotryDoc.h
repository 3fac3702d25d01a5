// CPivotryDoc: what one run of the program owns: the progress window, the library of the chosen
// HotSync user, the Palm Desktop beside the program and the preferences (saved on destruction).
#pragma once

#include "app/shell/CProgressDlg.h"
#include "library/CHandheldDesktop.h"
#include "library/CPvtrPrefs.h"
#include "library/CTbBrowser.h"

#include <string>

namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

class CPivotryDoc {
public:
    // desktopFolder: the Palm Desktop folder, or empty for the registry's.
    CPivotryDoc(platform::IPrompt* prompt, const std::string& desktopFolder = "");
    ~CPivotryDoc();
    CPivotryDoc(const CPivotryDoc&) = delete;
    CPivotryDoc& operator=(const CPivotryDoc&) = delete;

    // Loads the preferences and the handheld integration, then opens the stored user (never
    // queueing the handheld applications).
    void New();
    // Stores the user in the preferences at once and opens the user's library: the browser's
    // result (1 when the folder had no catalogue yet).
    int32_t OpenUser(const std::string& user);
    // The HotSync users of this desktop, profiles left out.
    std::vector<std::string> Users();

    CProgressDlg& Progress() { return m_progress; }
    CTbBrowser& Browser() { return m_browser; }
    CHandheldDesktop& Handheld() { return m_handheld; }
    CPvtrPrefs& Prefs() { return m_prefs; }
    platform::IPrompt* Prompt() const { return m_prompt; }
    const std::string& DesktopFolder() const { return m_desktopFolder; }

private:
    platform::IPrompt* m_prompt;
    std::string m_desktopFolder;
    CProgressDlg m_progress;
    CTbBrowser m_browser;
    CHandheldDesktop m_handheld;
    CPvtrPrefs m_prefs;
};

}  // namespace orvanta::app
