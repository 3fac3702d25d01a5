// The start-up order of the program.
#include "app/shell/CPivotryApp.h"

#include "app/shell/CMainFrame.h"
#include "app/shell/CPivotryDoc.h"
#include "library/CHandheldDesktop.h"
#include "platform/Prompt.h"

namespace orvanta::app {

CPivotryApp::CPivotryApp(AppServices services, QString instanceName, std::string desktopFolder)
    : m_services(services), m_desktopFolder(std::move(desktopFolder)), m_instance(std::move(instanceName)) {}

CPivotryApp::~CPivotryApp() {
    // The window goes before the document that it shows.
    m_frame.reset();
    m_doc.reset();
}

bool CPivotryApp::Start() {
    if (m_instance.AskRunningInstance()) return false;
    m_instance.Listen();
    if (IsHotSyncRunning(m_desktopFolder)) {
        if (m_services.prompt)
            m_services.prompt->Show("Hotsync Running", "Cannot open Orvanta while Hotsync is running",
                                    platform::PromptIcon::Warning, platform::PromptButtons::Ok);
        return false;
    }
    m_doc = std::make_unique<CPivotryDoc>(m_services.prompt, m_desktopFolder);
    m_frame = std::make_unique<CMainFrame>(*m_doc, m_services);
    QObject::connect(&m_instance, &SingleInstance::Activated, m_frame.get(), &CMainFrame::BringForward);
    m_frame->show();
    m_doc->New();
    m_frame->Start();
    return true;
}

}  // namespace orvanta::app
