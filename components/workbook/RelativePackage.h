// RelativePackage: liborcus 0.17 cannot follow a relationship that names its part by an absolute
// path ("/xl/worksheets/sheet1.xml"), as openpyxl writes them. For such an .xlsx package this
// makes a temporary copy whose relationships name their parts relative to their source.
#pragma once

#include <string>

class RelativePackage {
public:
    explicit RelativePackage(const char* workbookPath);
    // Removes the copy.
    ~RelativePackage();
    RelativePackage(const RelativePackage&) = delete;
    RelativePackage& operator=(const RelativePackage&) = delete;

    // The copy, or the workbook itself when it needs none or cannot be read (liborcus then
    // reports that itself).
    const char* Path() const { return m_copy.empty() ? m_original : m_copy.c_str(); }

private:
    const char* m_original;
    std::string m_copy;
};
