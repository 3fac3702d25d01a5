// Reading parts of zip packages and walking their XML.
#include "PackageXml.h"

#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

namespace {

// Hands each element's attributes to the walk's start (SAX gives an element's attributes before
// the element itself), and its text and end.
class Handler : public orcus::sax_handler {
public:
    explicit Handler(const XmlWalk& walk) : m_walk(walk) {}

    void attribute(const orcus::sax::parser_attribute& attribute) {
        std::string name = attribute.ns.empty() ? std::string() : std::string(attribute.ns).append(":");
        m_attributes[name.append(attribute.name)] = std::string(attribute.value);
    }
    void start_element(const orcus::sax::parser_element& element) {
        if (m_walk.start) m_walk.start(element.name, m_attributes);
        m_attributes.clear();
    }
    void characters(std::string_view value, bool) {
        if (m_walk.text) m_walk.text(value);
    }
    void end_element(const orcus::sax::parser_element& element) {
        if (m_walk.end) m_walk.end(element.name);
    }

private:
    const XmlWalk& m_walk;
    XmlAttributes m_attributes;
};

}  // namespace

std::string AttributeOf(const XmlAttributes& attributes, const char* name) {
    const auto found = attributes.find(name);
    return found == attributes.end() ? std::string() : found->second;
}

void WalkXml(const std::vector<unsigned char>& xml, const XmlWalk& walk) {
    Handler handler(walk);
    orcus::sax_parser<Handler> parser(reinterpret_cast<const char*>(xml.data()), xml.size(), handler);
    parser.parse();
}

bool ReadPackagePart(const char* path, const std::string& part, std::vector<unsigned char>* bytes) {
    try {
        orcus::zip_archive_stream_fd stream(path);
        orcus::zip_archive archive(&stream);
        archive.load();
        return archive.read_file_entry(part, *bytes);
    } catch (...) {
        return false;
    }
}
