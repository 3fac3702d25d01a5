// Crossing between the code page of the files and the widgets' Unicode.
#include "app/widgets/QtText.h"

#include "platform/CodePage.h"

namespace orvanta::app {

QString ToQt(const std::string& windows1252) {
    return QString::fromStdString(platform::Utf8FromWindows1252(windows1252));
}

std::string FromQt(const QString& text) {
    std::string out;
    platform::Windows1252FromUtf8(text.toStdString(), &out);
    return out;
}

}  // namespace orvanta::app
