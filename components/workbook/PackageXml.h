// PackageXml: walks the XML parts of a zip package (.xlsx, .ods) with liborcus's zip and SAX
// parsers, for what liborcus's own import passes over. Element names come without their prefix,
// attribute names with it ("table:number-columns-repeated").
#pragma once

#include <orcus/sax_parser.hpp>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

using XmlAttributes = std::map<std::string, std::string>;

// The handlers of one walk: each element's start with its attributes, its text, its end.
struct XmlWalk {
    std::function<void(std::string_view, const XmlAttributes&)> start;
    std::function<void(std::string_view)> text;
    std::function<void(std::string_view)> end;
};

// The value of an attribute; empty when the element has none.
std::string AttributeOf(const XmlAttributes& attributes, const char* name);

// Walks the XML text; throws liborcus's parse errors.
void WalkXml(const std::vector<unsigned char>& xml, const XmlWalk& walk);

// A part of the zip package at path (e.g. "content.xml"); false when the package or the part
// cannot be read.
bool ReadPackagePart(const char* path, const std::string& part, std::vector<unsigned char>* bytes);
