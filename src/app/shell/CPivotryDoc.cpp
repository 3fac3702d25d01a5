// The document's start and end, and the users of the Palm Desktop.
#include "app/shell/CPivotryDoc.h"

namespace orvanta::app {

CPivotryDoc::CPivotryDoc(platform::IPrompt* prompt, const std::string& desktopFolder)
    : m_prompt(prompt),
      m_desktopFolder(desktopFolder),
      m_browser(&m_progress, prompt),
      m_handheld(desktopFolder) {}

CPivotryDoc::~CPivotryDoc() { m_prefs.Save(); }

void CPivotryDoc::New() {
    m_prefs.Load();
    m_handheld.Load();
    std::string user = m_prefs.GetUserName();
    if (!user.empty()) m_browser.OpenUser(&m_handheld, user);
}

int32_t CPivotryDoc::OpenUser(const std::string& user) {
    m_prefs.SetUserName(user);
    m_prefs.Save();
    return m_browser.OpenUser(&m_handheld, user);
}

std::vector<std::string> CPivotryDoc::Users() {
    std::vector<std::string> users;
    if (!m_handheld.IsLoaded()) return users;
    std::string name;
    for (int32_t r = m_handheld.FirstUser(&name); r == 0; r = m_handheld.NextUser(&name))
        users.push_back(name);
    return users;
}

}  // namespace orvanta::app
