// CPivotryApp: one run of the desktop program: single instance, the HotSync check, then the
// document and the main window. The seams of the desktop (messages, documents) come in from outside.
#pragma once

#include "app/shell/DesktopSeams.h"
#include "app/shell/SingleInstance.h"

#include <memory>
#include <string>

namespace orvanta::app {

class CMainFrame;
class CPivotryDoc;

class CPivotryApp {
public:
    // desktopFolder: the Palm Desktop folder, or empty for the registry's.
    CPivotryApp(AppServices services, QString instanceName = SingleInstance::DefaultName(),
                std::string desktopFolder = "");
    ~CPivotryApp();

    // Starts the program: false when this run must end at once (an instance already runs and
    // was brought forward, or HotSync is running).
    bool Start();

    CPivotryDoc* Doc() const { return m_doc.get(); }
    CMainFrame* MainFrame() const { return m_frame.get(); }

private:
    AppServices m_services;
    std::string m_desktopFolder;
    SingleInstance m_instance;
    std::unique_ptr<CPivotryDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};

}  // namespace orvanta::app
