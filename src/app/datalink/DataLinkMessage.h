// DataLinkMessage: what a Data Link decision tells the user when it refuses or warns: a title
// and a text; an empty text means there is nothing to say.
#pragma once

#include <string>

namespace orvanta::app {

struct DataLinkMessage {
    std::string title;
    std::string text;
    explicit operator bool() const { return !text.empty(); }
};

}  // namespace orvanta::app
