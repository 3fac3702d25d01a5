// Checking the name of a new Tabulon.
#include "app/wizard/NewTabulonName.h"

#include "library/CTbBrowser.h"

#include <cstdio>
#include <vector>

namespace orvanta::app {
namespace {

std::string Formatted(const char* format, const std::string& name) {
    std::vector<char> text(std::char_traits<char>::length(format) + name.size() + 1);
    std::snprintf(text.data(), text.size(), format, name.c_str());
    return text.data();
}

}  // namespace

std::string NewTabulonNameProblem(const CTbBrowser& library, const std::string& name) {
    if (name.find_first_not_of(' ') == std::string::npos) return "Please enter a name for the new Tabulon.";
    if (name.find_first_of("\\/:*?\"<>|") != std::string::npos)
        return "The Tabulon name cannot contain any of the following characters:\n\n \\ / : * ? \" < > |";
    bool deleted = false;
    if (library.NameCheck(name, &deleted)) return {};
    return deleted ? Formatted(
                         "Cannot create  %s. A Tabulon with this name was deleted on the desktop since your "
                         "last HotSync. \nUse a unique name for this Tabulon, or perform a HotSync and try "
                         "this action again.",
                         name)
                   : Formatted("Cannot create %s.  A Tabulon with this name already exists.", name);
}

}  // namespace orvanta::app
