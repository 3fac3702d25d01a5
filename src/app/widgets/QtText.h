// Tabulon text (Windows-1252) to and from the QString of the widgets: the one place the
// desktop program crosses between the two.
#pragma once

#include <QString>

#include <string>

namespace orvanta::app {

QString ToQt(const std::string& windows1252);
// Characters without a Windows-1252 byte become '?'.
std::string FromQt(const QString& text);

}  // namespace orvanta::app
