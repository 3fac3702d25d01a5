// Excel workbooks for tests, written at test time with Debian's python3-xlwt.
#pragma once

#include "support/TempDir.h"

#include <cstdlib>
#include <string>

// A workbook of three rows: text with a comma and an accent, whole and real numbers, a date.
inline bool WriteWorkbook(const std::string& path) {
    const std::string script =
        "import sys, datetime, xlwt\n"
        "book = xlwt.Workbook(); sheet = book.add_sheet('First')\n"
        "for c, v in enumerate(['Name', 'N', 'When']): sheet.write(0, c, v)\n"
        "sheet.write(1, 0, 'Caf\\u00e9, bar'); sheet.write(1, 1, 42)\n"
        "sheet.write(1, 2, datetime.date(2004, 12, 31), xlwt.easyxf(num_format_str='M/D/YYYY'))\n"
        "sheet.write(2, 0, 'say \"hi\"'); sheet.write(2, 1, 1.5)\n"
        "book.add_sheet('Second').write(0, 0, 'not read')\n"
        "book.save(sys.argv[1])\n";
    TempDir scripts;
    const std::string file = scripts.File("make.py");
    WriteBytes(file, std::vector<uint8_t>(script.begin(), script.end()));
    return std::system(("/usr/bin/python3 '" + file + "' '" + path + "'").c_str()) == 0;
}
