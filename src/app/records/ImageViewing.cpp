// Viewing Image fields' pictures.
#include "app/records/ImageViewing.h"

#include "app/shell/DesktopSeams.h"
#include "image/BitmapLib.h"
#include "image/IImageViewer.h"
#include "platform/Component.h"
#include "platform/Prompt.h"

namespace orvanta::app {
namespace {

// Shows converted pictures with the desktop's image viewer.
class OpenerImageViewer : public image::IImageViewer {
public:
    explicit OpenerImageViewer(IDocumentOpener* opener) : m_opener(opener) {}
    bool Open(const std::string& path) override {
        return m_opener && m_opener->Open(QString::fromStdString(path));
    }

private:
    IDocumentOpener* m_opener;
};

}  // namespace

void ViewImage(const CTbObjRecordValue& value, const PageServices& services) {
    WithConverter(services, [&] {
        OpenerImageViewer viewer(services.opener);
        image::CBitmapLib(services.prompt, &viewer).ViewImage(value);
    });
}

void WithConverter(const PageServices& services, const std::function<void()>& work) {
    try {
        work();
    } catch (const platform::ComError&) {
        if (services.prompt)
            services.prompt->Show("Orvanta", "Failed to convert!!!!!!!!!!!", platform::PromptIcon::Error,
                                  platform::PromptButtons::Ok);
    }
}

}  // namespace orvanta::app
