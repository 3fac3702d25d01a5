# Writes a one-sheet workbook protected with the password "orvanta" through LibreOffice (python3-uno).
# Usage: /usr/bin/python3 make-password-xls.py OUT.xls
import subprocess, time, sys, uno
from com.sun.star.beans import PropertyValue
def prop(n, v):
    p = PropertyValue(); p.Name = n; p.Value = v; return p
office = subprocess.Popen(["soffice", "--headless", "--invisible", "--norestore", "-env:UserInstallation=file:///tmp/orvanta-xls-profile",
                           "--accept=pipe,name=xlsenc;urp;"])
ctx = None
resolver = uno.getComponentContext().ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", uno.getComponentContext())
for _ in range(60):
    try:
        ctx = resolver.resolve("uno:pipe,name=xlsenc;urp;StarOffice.ComponentContext"); break
    except Exception:
        time.sleep(0.5)
desktop = ctx.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", ctx)
doc = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, (prop("Hidden", True),))
sheet = doc.Sheets.getByIndex(0)
sheet.getCellByPosition(0, 0).String = "Name"
sheet.getCellByPosition(1, 0).String = "N"
sheet.getCellByPosition(0, 1).String = "secret"
sheet.getCellByPosition(1, 1).Value = 42
doc.storeToURL(uno.systemPathToFileUrl(sys.argv[1]), (prop("FilterName", "MS Excel 97"), prop("Password", "orvanta")))
doc.close(True)
try: desktop.terminate()
except Exception: pass
office.wait(timeout=30)
