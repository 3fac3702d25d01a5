// IQnXmlPersistedObj: what the XML parser hands every element, attribute and text run to.
// A handler may return another handler for an element's contents, or none to keep itself.
#pragma once

#include <string>

class IQnXmlPersistedObj {
public:
    virtual IQnXmlPersistedObj* OnStartElement(const std::string& element) = 0;
    virtual void OnAttribute(const std::string& element, const std::string& name,
                             const std::string& value) = 0;
    // reserved is always 0.
    virtual void OnText(const std::string& element, const std::string& text, int reserved) = 0;
    virtual void OnEndElement(const std::string& element) = 0;
    virtual ~IQnXmlPersistedObj() = default;
};
