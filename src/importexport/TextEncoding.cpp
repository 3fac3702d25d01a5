// The names of the text encodings.
#include "importexport/TextEncoding.h"

#include <strings.h>

namespace {

struct Named {
    TextEncoding encoding;
    const char* name;
};

constexpr Named kNames[] = {
    {TextEncoding::Ansi, "ansi"}, {TextEncoding::Utf8, "utf-8"},           {TextEncoding::Utf16, "utf-16"},
    {TextEncoding::Auto, "auto"}, {TextEncoding::Utf8Signed, "utf-8-bom"},
};

}  // namespace

const char* TextEncodingName(TextEncoding encoding) {
    for (const Named& named : kNames)
        if (named.encoding == encoding) return named.name;
    return "ansi";
}

bool TextEncodingFromName(const std::string& name, TextEncoding* encoding) {
    for (const Named& named : kNames) {
        if (strcasecmp(named.name, name.c_str()) == 0) {
            *encoding = named.encoding;
            return true;
        }
    }
    return false;
}
