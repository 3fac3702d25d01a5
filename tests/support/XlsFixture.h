// Workbooks for tests, written at test time with Debian's python3-xlwt (.xls), python3-openpyxl
// (.xlsx) and python3-odf (.ods).
#pragma once

#include "support/TempDir.h"

#include <cstdlib>
#include <string>

// Runs the Python script with the workbook's path; false when it fails.
inline bool RunWorkbookScript(const std::string& script, const std::string& path) {
    TempDir scripts;
    const std::string file = scripts.File("make.py");
    WriteBytes(file, std::vector<uint8_t>(script.begin(), script.end()));
    return std::system(("/usr/bin/python3 '" + file + "' '" + path + "'").c_str()) == 0;
}

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
    return RunWorkbookScript(script, path);
}

// An OpenDocument spreadsheet of three rows: text with an accent and a Euro sign, whole and real
// numbers, a date, a time, empty cells; and a second sheet that is not read.
inline bool WriteOpenDocument(const std::string& path) {
    const std::string script =
        "import sys\n"
        "from odf.opendocument import OpenDocumentSpreadsheet\n"
        "from odf.table import Table, TableRow, TableCell\n"
        "from odf.text import P\n"
        "doc = OpenDocumentSpreadsheet()\n"
        "def sheet(name, rows):\n"
        "    t = Table(name=name)\n"
        "    for cells in rows:\n"
        "        r = TableRow()\n"
        "        for c in cells:\n"
        "            if c is None: cell = TableCell()\n"
        "            elif isinstance(c, str): cell = TableCell(valuetype='string'); "
        "cell.addElement(P(text=c))\n"
        "            else: cell = TableCell(valuetype=c[0], **c[1]); cell.addElement(P(text=c[2]))\n"
        "            r.addElement(cell)\n"
        "        t.addElement(r)\n"
        "    doc.spreadsheet.addElement(t)\n"
        "sheet('First', [['Name', 'N', 'When', 'At'],\n"
        "    ['Caf\\u00e9 \\u20ac', ('float', {'value': '42'}, '42'), ('date', {'datevalue': '2004-12-31'}, "
        "'x'), ('time', {'timevalue': 'PT22H05M09S'}, 'x')],\n"
        "    [None, ('float', {'value': '1.5'}, '1.5'), None, None]])\n"
        "sheet('Second', [['not read']])\n"
        "doc.save(sys.argv[1])\n";
    return RunWorkbookScript(script, path);
}

// An .xlsx workbook as openpyxl writes it (its parts named by absolute paths): text, a number,
// a date and an empty cell.
inline bool WriteOpenpyxlWorkbook(const std::string& path) {
    return RunWorkbookScript(
        "import sys, datetime, openpyxl\n"
        "book = openpyxl.Workbook(); sheet = book.active\n"
        "sheet.append(['Name', 'N', 'When'])\n"
        "sheet.append(['Caf\\u00e9', 3, datetime.date(2020, 5, 1)])\n"
        "sheet.append(['Plain', 4.5, None])\n"
        "book.save(sys.argv[1])\n",
        path);
}
