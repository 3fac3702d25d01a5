# Writes cells.xlsx through LibreOffice (python3-uno): one sheet of text, whole and real numbers,
# a date, a time, a formula, empty cells and a merged cell, and a second sheet that is not read.
# Usage: /usr/bin/python3 make-xlsx.py FOLDER
import subprocess, time, sys, os, uno
from com.sun.star.beans import PropertyValue
from com.sun.star.table import CellRangeAddress
def prop(n, v):
    p = PropertyValue(); p.Name = n; p.Value = v; return p
office = subprocess.Popen(["soffice", "--headless", "--invisible", "--norestore", "-env:UserInstallation=file:///tmp/orvanta-xlsx-profile",
                           "--accept=pipe,name=xlsxfix;urp;"])
ctx = None
resolver = uno.getComponentContext().ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", uno.getComponentContext())
for _ in range(60):
    try:
        ctx = resolver.resolve("uno:pipe,name=xlsxfix;urp;StarOffice.ComponentContext"); break
    except Exception:
        time.sleep(0.5)
desktop = ctx.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", ctx)
def new_sheet_doc():
    return desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, (prop("Hidden", True),))
def number_format(doc, code):
    formats = doc.NumberFormats; locale = uno.createUnoStruct("com.sun.star.lang.Locale")
    key = formats.queryKey(code, locale, False)
    return key if key != -1 else formats.addNew(code, locale)
doc = new_sheet_doc()
sheet = doc.Sheets.getByIndex(0)
for c, name in enumerate(["Name", "N", "When", "At", "Real"]):
    sheet.getCellByPosition(c, 0).String = name
sheet.getCellByPosition(0, 1).String = "Caf\u00e9, bar"
sheet.getCellByPosition(1, 1).Value = 42
when = sheet.getCellByPosition(2, 1); when.Value = 38352; when.NumberFormat = number_format(doc, "YYYY-MM-DD")
at = sheet.getCellByPosition(3, 1); at.Value = 0.4375; at.NumberFormat = number_format(doc, "HH:MM:SS")
sheet.getCellByPosition(4, 1).Value = 1.5
sheet.getCellByPosition(0, 2).String = "\u20ac 5"
sheet.getCellByPosition(4, 2).Formula = "=E2*2"
sheet.getCellByPosition(0, 3).String = "merged"
sheet.getCellRangeByName("A4:B4").merge(True)
doc.Sheets.insertNewByName("Second", 1)
doc.Sheets.getByIndex(1).getCellByPosition(0, 0).String = "not read"
folder = os.path.abspath(sys.argv[1])
doc.storeToURL(uno.systemPathToFileUrl(os.path.join(folder, "cells.xlsx")), (prop("FilterName", "Calc MS Excel 2007 XML"),))
doc.close(True)
try: desktop.terminate()
except Exception: pass
office.wait(timeout=30)
